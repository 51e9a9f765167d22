// The pass/fail rules of the report: the frequency bands of the dead zone and the two
// resolutions, the tolerances of the distance means, the mass aspect ratio and the
// mass areas, each right at and just beside its bounds.

#include "report/evaluator.h"

#include <QtTest>

namespace {

using BandCheck = bool (Evaluator::*)(double, int) const;

const BandCheck bandChecks[] = {&Evaluator::deadZoneOk, &Evaluator::axialResolutionOk,
                                &Evaluator::lateralResolutionOk};
const char *const bandCheckNames[] = {"deadZone", "axial", "lateral"};

// Highest passing index per check at each frequency, written out from the bands: the
// bounds 3.0 and 7.0 (dead zone), 4.0 (axial) and 3.5 and 5.0 (lateral) belong to the
// band above them; from 5 MHz up the lateral resolution passes "1mm" only.
struct Band
{
    double frequency;
    int limit[3]; // dead zone, axial, lateral
};
const Band bandTable[] = {
    {1.0, {3, 2, 2}}, {2.5, {3, 2, 2}}, {3.0, {2, 2, 2}}, {3.5, {2, 2, 1}}, {4.0, {2, 1, 1}},
    {4.5, {2, 1, 1}}, {5.0, {2, 1, 1}}, {6.5, {2, 1, 1}}, {7.0, {1, 1, 1}}, {20.0, {1, 1, 1}},
};

QVector<double> repeated(int count, double value)
{
    return QVector<double>(count, value);
}

} // namespace

class TestEvaluator : public QObject
{
    Q_OBJECT

private slots:
    void bands_data();
    void bands();
    void means_data();
    void means();
    void aspectRatio_data();
    void aspectRatio();
    void area_data();
    void area();

private:
    Evaluator evaluator;
};

void TestEvaluator::bands_data()
{
    QTest::addColumn<int>("check");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("pass");
    // Index 0 is the unrated item; 6 lies past the end of the six-item boxes.
    for (int check = 0; check < 3; ++check)
        for (const Band &band : bandTable)
            for (int index = 0; index <= 6; ++index)
                QTest::addRow("%s %.1f MHz #%d", bandCheckNames[check], band.frequency, index)
                    << check << band.frequency << index
                    << (index >= 1 && index <= band.limit[check]);
}

void TestEvaluator::bands()
{
    QFETCH(int, check);
    QFETCH(double, frequency);
    QFETCH(int, index);
    QFETCH(bool, pass);
    QCOMPARE((evaluator.*bandChecks[check])(frequency, index), pass);
}

void TestEvaluator::means_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<bool>("pass");
    QTest::addColumn<QString>("mean"); // as the report prints it

    QTest::newRow("v low bound") << true << repeated(1, 9.985) << false << "9.985";
    QTest::newRow("v high bound") << true << repeated(1, 10.015) << false << "10.015";
    QTest::newRow("v inside low") << true << repeated(1, 9.9851) << true << "9.9851";
    QTest::newRow("v nine 10.02") << true << repeated(9, 10.02) << false << "10.02";
    QTest::newRow("v one 10.001") << true << (repeated(8, 10) << 10.001) << true << "10.0001";
    QTest::newRow("v mean, not values") << true << QVector<double>{9.9, 10.1} << true << "10";
    QTest::newRow("v empty") << true << QVector<double>() << false << "0";

    QTest::newRow("h low bound") << false << repeated(1, 9.98) << false << "9.98";
    QTest::newRow("h high bound") << false << repeated(1, 10.02) << false << "10.02";
    QTest::newRow("h inside low") << false << repeated(1, 9.9801) << true << "9.9801";
    QTest::newRow("h mixed") << false << QVector<double>{9.99, 10.0, 10.04} << true << "10.01";
    QTest::newRow("h empty") << false << QVector<double>() << false << "0";
}

void TestEvaluator::means()
{
    QFETCH(bool, vertical);
    QFETCH(QVector<double>, values);
    QFETCH(bool, pass);
    QFETCH(QString, mean);
    double out = 99; // whatever the caller held before is replaced
    const bool ok = vertical ? evaluator.verticalMeanOk(values, &out)
                             : evaluator.horizontalMeanOk(values, &out);
    QCOMPARE(ok, pass);
    QCOMPARE(QString::number(out, 'g', 6), mean);
}

void TestEvaluator::aspectRatio_data()
{
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("width");
    QTest::addColumn<bool>("pass");
    // 49/50 and 51/50 round to the same doubles as 0.98 and 1.02: on the bounds.
    QTest::newRow("0.98 bound") << 49.0 << 50.0 << false;
    QTest::newRow("1.02 bound") << 51.0 << 50.0 << false;
    QTest::newRow("inside low") << 0.9801 << 1.0 << true;
    QTest::newRow("inside high") << 1.0199 << 1.0 << true;
    // Height over width, not the other way: 1 / 0.9801 is about 1.0203.
    QTest::newRow("swapped") << 1.0 << 0.9801 << false;
    QTest::newRow("width 0") << 5.0 << 0.0 << false;
    QTest::newRow("both 0") << 0.0 << 0.0 << false;
}

void TestEvaluator::aspectRatio()
{
    QFETCH(double, height);
    QFETCH(double, width);
    QFETCH(bool, pass);
    QCOMPARE(evaluator.aspectRatioOk(height, width), pass);
}

void TestEvaluator::area_data()
{
    QTest::addColumn<double>("area");
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("pass");
    // 0.8 and 1.2 times pi, 4 pi and 9 pi (6 and 8 cm share the 6 mm target).
    const struct
    {
        int depth;
        double low, high;
    } edges[] = {{1, 2.513, 3.769}, {2, 10.053, 15.079}, {3, 22.619, 33.929}, {4, 22.619, 33.929}};
    for (const auto &e : edges) {
        QTest::addRow("depth %d %.3f", e.depth, e.low) << e.low << e.depth << false;
        QTest::addRow("depth %d %.3f", e.depth, e.low + 0.001) << e.low + 0.001 << e.depth << true;
        QTest::addRow("depth %d %.3f", e.depth, e.high) << e.high << e.depth << true;
        QTest::addRow("depth %d %.3f", e.depth, e.high + 0.001)
            << e.high + 0.001 << e.depth << false;
        QTest::addRow("depth %d area 0", e.depth) << 0.0 << e.depth << false;
    }
    for (int depth : {0, 5, -1})
        QTest::addRow("depth %d", depth) << 3.14 << depth << false;
}

void TestEvaluator::area()
{
    QFETCH(double, area);
    QFETCH(int, depth);
    QFETCH(bool, pass);
    QCOMPARE(evaluator.areaOk(area, depth), pass);
}

QTEST_APPLESS_MAIN(TestEvaluator)
#include "tst_evaluator.moc"
