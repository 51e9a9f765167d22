// A scanner's trend: points by date, judged with the limits of each inspection's frequency,
// wrong or missing values left out; the dialog's chart, or a text for too few inspections.

#include "history/trenddialog.h"

#include <QStackedWidget>
#include <QtCharts/QChartView>
#include <QtCharts/QXYSeries>
#include <QtTest>

// Nine vertical (0.5 dB) and three horizontal (3 cm, 0.5 dB) distances, all alike.
static StoredInspection inspection(qint64 id, double vertical, double horizontal, const char *json)
{
    StoredInspection stored;
    stored.id = id;
    stored.state = id == 4 ? StoredInspection::Draft : StoredInspection::Reported;
    stored.changed = QDateTime(QDate(2025, 1, 2), QTime(9, 0));
    stored.values = QJsonDocument::fromJson(json).object();
    for (const char *pair : {"12", "30", "34", "45", "56", "67", "78", "89", "910"})
        stored.values.insert(QStringLiteral("doubleSpinBox5_05_%1").arg(pair), vertical);
    for (const char *pair : {"12", "23", "34"})
        stored.values.insert(QStringLiteral("doubleSpinBox6_3cm_05_%1").arg(pair), horizontal);
    return stored;
}

// Out of date order; the third has no date of its own and three wrong values, the fourth
// is a draft without a frequency.
static const QVector<StoredInspection> stored{
    inspection(1, 10, 10.03, R"({"calendarWidget": "2024-05-10", "doubleSpinBox4Freq": 2.5,
        "comboBox2_05db_ZM": 3, "comboBox2_07db_ZM": 4, "comboBox2_05db_RA": 2,
        "doubleSpinBox5_05_MPV": 120.5})"),
    inspection(2, 10.01, 10, R"({"calendarWidget": "2023-05-10", "doubleSpinBox4Freq": 5,
        "comboBox2_05db_ZM": 3, "comboBox2_05db_RA": 1, "doubleSpinBox5_05_MPV": 118})"),
    inspection(3, 20, 10, R"({"doubleSpinBox4Freq": 7.5, "comboBox2_05db_ZM": 1,
        "comboBox2_07db_ZM": "4mm", "comboBox2_05db_RA": 7})"),
    inspection(4, 10, 10, R"({"calendarWidget": "2025-06-01", "comboBox2_05db_ZM": 2})")};

class TestTrend : public QObject
{
    Q_OBJECT

private slots:
    // Series: result * 2 + attenuation column. Each point: value, mark (+ pass, - fail,
    // . not judged), lower..upper limit.
    void series_data()
    {
        QTest::addColumn<int>("series");
        QTest::addColumn<bool>("drafts");
        QTest::addColumn<QString>("points");
        // clang-format off
        QTest::newRow("dead zone, limit per frequency") << 0 << false << "3- nan..2, 3+ nan..3, 1+ nan..1";
        QTest::newRow("a draft without frequency") << 0 << true << "3- nan..2, 3+ nan..3, 1+ nan..1, 2. nan..nan";
        QTest::newRow("a text for a choice") << 1 << false << "4- nan..3";
        QTest::newRow("axial below 0.5 mm") << 2 << false << "0.5+ nan..0.5, 1+ nan..1";
        QTest::newRow("depth not judged") << 6 << false << "118. nan..nan, 120.5. nan..nan";
        QTest::newRow("vertical mean") << 10 << false << "10.01+ 9.985..10.015, 10+ 9.985..10.015";
        QTest::newRow("horizontal mean") << 12 << false << "10+ 9.98..10.02, 10.03- 9.98..10.02, 10+ 9.98..10.02";
        // clang-format on
    }
    void series()
    {
        QFETCH(int, series);
        QFETCH(bool, drafts);
        const TrendData data = trendData(stored, drafts);
        QCOMPARE(QPoint(data.inspections, data.unreadable), QPoint(drafts ? 4 : 3, 1));
        QStringList points;
        for (const TrendPoint &p : data.series.value(series).points)
            points << QString::asprintf("%g%c %g..%g", p.value,
                                        ".-+"[p.judged + p.judged * p.passed], p.lower, p.upper);
        QTEST(points.join(", "), "points");
    }
    // A text instead of the chart for one inspection; for three, both failed dead zones.
    void dialog()
    {
        for (int count : {1, 3}) {
            TrendDialog dialog(stored.mid(0, count), QStringLiteral("US-01"));
            auto *view = dialog.findChild<QtCharts::QChartView *>();
            const auto series = view->chart()->series(); // the crosses come last
            auto *crosses = qobject_cast<QtCharts::QXYSeries *>(series.value(series.size() - 1));
            QCOMPARE(dialog.findChild<QStackedWidget *>()->currentWidget() == view, count == 3);
            QCOMPARE(crosses ? crosses->count() : -1, count == 3 ? 2 : -1);
        }
    }
};

QTEST_MAIN(TestTrend)
#include "tst_trend.moc"
