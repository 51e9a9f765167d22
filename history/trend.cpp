#include "history/trend.h"
#include "core/judgement.h"
#include "core/tolerance.h"

#include <QJsonValue>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

namespace {

const double none = std::numeric_limits<double>::quiet_NaN();

struct Range
{
    double low;
    double high;
};
constexpr Range distanceRange{5.0, 15.0};
constexpr Range frequencyRange{1.0, 20.0};

// The choices of step 4: index 0 is "not measured"; the others stand for millimetres.
double plainMillimetres(int index)
{
    return index;
}
double axialMillimetres(int index)
{
    return index == 1 ? 0.5 : index - 1; // "<0.5mm", "1mm", "2mm", ...
}

// How each judged result is charted; the inputs, rules and limits are the judgement's.
// A choice is read from its combo box's index, any other value as a number in `range`.
struct Charted
{
    Rule rule;
    TrendResult result;
    int choices; // items of a choice's combo box; 0 for a number
    double (*millimetres)(int);
    Range range; // a number's inputs
};
const Charted charted[] = {
    {Rule::DeadZone, TrendResult::DeadZone, 6, plainMillimetres, {}},
    {Rule::AxialResolution, TrendResult::AxialResolution, 7, axialMillimetres, {}},
    {Rule::LateralResolution, TrendResult::LateralResolution, 6, plainMillimetres, {}},
    {Rule::VerticalMean, TrendResult::VerticalMean, 0, nullptr, distanceRange},
    {Rule::HorizontalMean, TrendResult::HorizontalMean3cm, 0, nullptr, distanceRange},
    {Rule::Penetration, TrendResult::MaxPenetration, 0, nullptr, {0, 200}},
};

const Charted *chartedOf(Rule rule)
{
    for (const Charted &chart : charted) {
        if (chart.rule == rule)
            return &chart;
    }
    return nullptr;
}

// Printed on the report without a mark.
struct Plain
{
    TrendResult result;
    const char *keys[2];
    Range range;
};
const Plain plains[] = {
    {TrendResult::FocalZone, {"doubleSpinBox5_05_ZF", "doubleSpinBox5_07_ZF"}, {0, 100}},
};

// Reads the stored values and remembers whether one had the wrong type or range. A
// missing value (an input that a version did not have) is no fault.
class Reader
{
public:
    explicit Reader(const QJsonObject &values)
        : values(values)
    {
    }

    bool number(const QString &key, Range range, double *out)
    {
        const QJsonValue value = values.value(key);
        if (value.isUndefined())
            return false;
        const double number = value.toDouble(none);
        if (!(number >= range.low && number <= range.high)) {
            faulty = true;
            return false;
        }
        *out = number;
        return true;
    }

    // False also for index 0, the choice not measured.
    bool choice(const QString &key, int count, int *out)
    {
        double number = 0;
        if (!this->number(key, {0, double(count - 1)}, &number))
            return false;
        if (number != std::floor(number)) {
            faulty = true;
            return false;
        }
        *out = int(number);
        return *out > 0;
    }

    bool faulty = false;

private:
    const QJsonObject &values;
};

TrendSeries &seriesOf(TrendData &data, TrendResult result, int column)
{
    return data.series[int(result) * 2 + column];
}

} // namespace

QDate inspectionDate(const StoredInspection &inspection)
{
    const QDate chosen =
        QDate::fromString(inspection.values.value(Field::date).toString(), Qt::ISODate);
    return chosen.isValid() ? chosen : inspection.changed.date();
}

TrendData trendData(const QVector<StoredInspection> &inspections, bool includeDrafts)
{
    TrendData data;
    for (int result = 0; result < trendResultCount; ++result) {
        for (int column = 0; column < 2; ++column)
            data.series.append({TrendResult(result), column, {}});
    }

    QVector<const StoredInspection *> dated;
    for (const StoredInspection &inspection : inspections) {
        if (inspection.state == StoredInspection::Draft && !includeDrafts)
            continue;
        if (inspectionDate(inspection).isValid())
            dated.append(&inspection);
        else
            ++data.unreadable;
    }
    std::stable_sort(dated.begin(), dated.end(), [](auto *a, auto *b) {
        const QDate dateA = inspectionDate(*a), dateB = inspectionDate(*b);
        return dateA != dateB ? dateA < dateB : a->started < b->started;
    });
    data.inspections = dated.size();

    for (const StoredInspection *inspection : dated) {
        Reader reader(inspection->values);
        const QJsonValue calendar = inspection->values.value(Field::date);
        if (!calendar.isUndefined() &&
            !QDate::fromString(calendar.toString(), Qt::ISODate).isValid())
            reader.faulty = true;

        TrendPoint base;
        base.date = inspectionDate(*inspection);
        base.inspectionId = inspection->id;
        base.draft = inspection->state == StoredInspection::Draft;
        base.lower = none;
        base.upper = none;
        base.baseline = none;

        double frequency = 0;
        const bool knownFrequency = reader.number(Field::frequency, frequencyRange, &frequency);
        for (const Result &judged : judge(Inspection(inspection->values))) {
            const JudgedResult &row = *judged.judged;
            const Charted *chart = chartedOf(row.rule);
            if (!chart)
                continue;
            TrendPoint point = base;
            if (chart->choices > 0) {
                int index = 0;
                if (!reader.choice(row.inputs.first(), chart->choices, &index))
                    continue;
                point.value = chart->millimetres(index);
            } else {
                bool complete = true;
                for (const QString &key : row.inputs) {
                    double number = 0;
                    complete = reader.number(key, chart->range, &number) && complete;
                }
                if (!complete)
                    continue;
                point.value = judged.value;
            }
            // A choice's table of limits depends on the frequency: without one it is not judged.
            if (!judged.byIndex() || knownFrequency)
                point.verdict = judged.verdict;
            if (point.judged() && judged.byIndex()) {
                point.upper = chart->millimetres(int(judged.upper));
            } else if (point.judged()) {
                point.lower = judged.lower;
                point.upper = judged.upper;
                point.band = judged.rule->kind != ToleranceRule::Range;
                if (judged.rule->kind == ToleranceRule::Change)
                    point.baseline = judged.reference;
            }
            const TrendResult result = row.rule == Rule::HorizontalMean && row.set == 1
                                           ? TrendResult::HorizontalMean9cm
                                           : chart->result;
            seriesOf(data, result, int(row.attenuation)).points.append(point);
        }
        for (const Plain &plain : plains) {
            for (int column = 0; column < 2; ++column) {
                TrendPoint point = base;
                if (reader.number(plain.keys[column], plain.range, &point.value))
                    seriesOf(data, plain.result, column).points.append(point);
            }
        }
        if (reader.faulty)
            ++data.unreadable;
    }
    return data;
}
