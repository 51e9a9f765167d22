// A scanner's trend: points by date, limits per frequency, bad values left out; its dialog.

#include "history/trenddialog.h"

#include <QComboBox>
#include <QStackedWidget>
#include <QtCharts>
#include <QtTest>

static StoredInspection inspection(bool draft, double vertical, const char *json)
{
    StoredInspection stored;
    stored.state = draft ? StoredInspection::Draft : StoredInspection::Reported;
    stored.changed = QDate(2025, 1, 2).startOfDay();
    stored.values = QJsonDocument::fromJson(json).object();
    for (const char *pair : {"12", "30", "34", "45", "56", "67", "78", "89", "910"})
        stored.values.insert(QStringLiteral("doubleSpinBox5_05_%1").arg(pair), vertical);
    return stored;
}

// Out of date order; the last two have no date of their own, the third three wrong values.
static const QVector<StoredInspection> stored{
    inspection(false, 10.03, R"({"calendarWidget": "2024-05-10", "doubleSpinBox4Freq": 2.5,
        "comboBox2_05db_ZM": 3, "comboBox2_07db_ZM": 4, "comboBox2_05db_RA": 2})"),
    inspection(false, 10.01, R"({"calendarWidget": "2023-05-10", "doubleSpinBox4Freq": 5,
        "comboBox2_05db_ZM": 3, "comboBox2_05db_RA": 1, "doubleSpinBox5_05_MPV": 118})"),
    inspection(false, 20, R"({"doubleSpinBox4Freq": 7.5, "comboBox2_05db_ZM": 1,
        "comboBox2_07db_ZM": "4mm", "comboBox2_05db_RA": 7, "doubleSpinBox5_05_MPV": 200.5})"),
    inspection(true, 10, R"({"comboBox2_05db_ZM": 2, "comboBox2_07db_ZM": 0})")};

class TestTrend : public QObject
{
    Q_OBJECT

private slots:
    // Series: result * 2 + column. Points: value, mark (+ pass, - fail, . not judged), limits.
    void series_data()
    {
        QTest::addColumn<int>("series");
        QTest::addColumn<QString>("points");
        // clang-format off
        QTest::newRow("dead zone, limit per frequency") << 0 << "3- nan..2, 3+ nan..3, 1+ nan..1, 2. nan..nan";
        QTest::newRow("a text for a choice") << 1 << "4- nan..3";
        QTest::newRow("axial below 0.5 mm") << 2 << "0.5+ nan..0.5, 1+ nan..1";
        QTest::newRow("depth not judged, past its range") << 6 << "118. nan..nan";
        QTest::newRow("vertical mean") << 10 << "10.01+ 9.985..10.015, 10.03- 9.985..10.015, 10+ 9.985..10.015";
        // clang-format on
    }
    void series()
    {
        QFETCH(int, series);
        const TrendData data = trendData(stored, true);
        QCOMPARE(QPoint(trendData(stored, false).inspections, data.unreadable), QPoint(3, 1));
        QStringList points;
        for (const TrendPoint &p : data.series.value(series).points)
            points << QString::asprintf("%g%c %g..%g", p.value,
                                        ".-+"[p.judged + p.judged * p.passed], p.lower, p.upper);
        QTEST(points.join(", "), "points");
    }
    // One inspection gives a text; three the dead zone's crosses and room for the means.
    void dialog()
    {
        QCOMPARE(TrendDialog(stored.mid(0, 1), "").findChild<QStackedWidget *>()->currentIndex(),
                 1);
        TrendDialog dialog(stored.mid(0, 3), QStringLiteral("US-01"));
        auto *view = dialog.findChild<QtCharts::QChartView *>();
        const auto series = view->chart()->series();
        QCOMPARE(series.size(), 4); // both attenuations, the limit, the crosses
        for (auto *s : series)
            QCOMPARE(s->attachedAxes().size(), 2);
        QCOMPARE(static_cast<QtCharts::QXYSeries *>(series.last())->count(), 2);
        QCOMPARE(static_cast<QtCharts::QXYSeries *>(series[2])->count(), 6); // a step per limit
        dialog.findChild<QComboBox *>()->setCurrentIndex(int(TrendResult::VerticalMean));
        auto *y = static_cast<QtCharts::QValueAxis *>(view->chart()->axes(Qt::Vertical).value(0));
        QVERIFY(y->min() < 9.985 && y->max() > 10.03);
    }
};

QTEST_MAIN(TestTrend)
#include "tst_trend.moc"
