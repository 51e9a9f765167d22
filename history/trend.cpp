#include "history/trend.h"
#include "report/evaluator.h"

#include <QJsonValue>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

namespace {

const double none = std::numeric_limits<double>::quiet_NaN();

// The phantom's targets lie 10 mm apart; the distance inputs take 5 to 15 mm.
constexpr double targetSpacing = 10.0;

struct Range
{
    double low;
    double high;
};
constexpr Range distanceRange{5.0, 15.0};
constexpr Range frequencyRange{1.0, 20.0};

// The report's checks, each as a plain function.
using BandCheck = bool (*)(double frequency, int index);
using MeanCheck = bool (*)(const QVector<double> &values, double *mean);

bool deadZoneOk(double frequency, int index)
{
    return Evaluator().deadZoneOk(frequency, index);
}
bool axialResolutionOk(double frequency, int index)
{
    return Evaluator().axialResolutionOk(frequency, index);
}
bool lateralResolutionOk(double frequency, int index)
{
    return Evaluator().lateralResolutionOk(frequency, index);
}
bool verticalMeanOk(const QVector<double> &values, double *mean)
{
    return Evaluator().verticalMeanOk(values, mean);
}
bool horizontalMeanOk(const QVector<double> &values, double *mean)
{
    return Evaluator().horizontalMeanOk(values, mean);
}

// The choices of step 4: index 0 is "not measured"; the others stand for millimetres.
double plainMillimetres(int index)
{
    return index;
}
double axialMillimetres(int index)
{
    return index == 1 ? 0.5 : index - 1; // "<0.5mm", "1mm", "2mm", ...
}

struct Choice
{
    TrendResult result;
    const char *keys[2]; // 0.5 dB, 0.7 dB
    int count;
    BandCheck check;
    double (*millimetres)(int);
};
const Choice choices[] = {
    {TrendResult::DeadZone,
     {"comboBox2_05db_ZM", "comboBox2_07db_ZM"},
     6,
     deadZoneOk,
     plainMillimetres},
    {TrendResult::AxialResolution,
     {"comboBox2_05db_RA", "comboBox2_07db_RA"},
     7,
     axialResolutionOk,
     axialMillimetres},
    {TrendResult::LateralResolution,
     {"comboBox2_05db_RL", "comboBox2_07db_RL"},
     6,
     lateralResolutionOk,
     plainMillimetres},
};

// Printed on the report without a mark.
struct Plain
{
    TrendResult result;
    const char *keys[2];
    Range range;
};
const Plain plains[] = {
    {TrendResult::MaxPenetration, {"doubleSpinBox5_05_MPV", "doubleSpinBox5_07_MPV"}, {0, 200}},
    {TrendResult::FocalZone, {"doubleSpinBox5_05_ZF", "doubleSpinBox5_07_ZF"}, {0, 100}},
};

struct Mean
{
    TrendResult result;
    QStringList keys[2];
    MeanCheck check;
};
QStringList names(const QString &pattern, const QStringList &pairs)
{
    QStringList result;
    for (const QString &pair : pairs)
        result << pattern.arg(pair);
    return result;
}
const QStringList horizontalPairs{"12", "23", "34"};
const Mean means[] = {
    {TrendResult::VerticalMean,
     {names("doubleSpinBox5_05_%1", {"12", "30", "34", "45", "56", "67", "78", "89", "910"}),
      names("doubleSpinBox5_07_%1", {"12", "23", "34", "45", "56", "67", "78", "89", "910"})},
     verticalMeanOk},
    {TrendResult::HorizontalMean3cm,
     {names("doubleSpinBox6_3cm_05_%1", horizontalPairs),
      names("doubleSpinBox6_3cm_07_%1", horizontalPairs)},
     horizontalMeanOk},
    {TrendResult::HorizontalMean9cm,
     {names("doubleSpinBox6_9cm_05_%1", horizontalPairs),
      names("doubleSpinBox6_9cm_07_%1", horizontalPairs)},
     horizontalMeanOk},
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

// The largest choice that passes at this frequency, in millimetres.
double bandLimit(const Choice &choice, double frequency)
{
    double limit = none;
    for (int index = 1; index < choice.count; ++index) {
        if (choice.check(frequency, index))
            limit = choice.millimetres(index);
    }
    return limit;
}

// Where a mean check turns from pass to fail between a passing and a failing mean,
// asked of the check itself by bisection.
double meanBound(MeanCheck check, double passing, double failing)
{
    auto passes = [check](double mean) { return check({mean}, nullptr); };
    if (!passes(passing) || passes(failing))
        return none;
    for (;;) {
        const double middle = passing + (failing - passing) / 2;
        if (middle == passing || middle == failing)
            return failing;
        (passes(middle) ? passing : failing) = middle;
    }
}

TrendSeries &seriesOf(TrendData &data, TrendResult result, int column)
{
    return data.series[int(result) * 2 + column];
}

} // namespace

QDate inspectionDate(const StoredInspection &inspection)
{
    const QDate chosen = QDate::fromString(
        inspection.values.value(QStringLiteral("calendarWidget")).toString(), Qt::ISODate);
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

    Range meanBounds[std::size(means)];
    for (size_t i = 0; i < std::size(means); ++i) {
        meanBounds[i] = {meanBound(means[i].check, targetSpacing, distanceRange.low),
                         meanBound(means[i].check, targetSpacing, distanceRange.high)};
    }
    for (const StoredInspection *inspection : dated) {
        Reader reader(inspection->values);
        const QJsonValue calendar = inspection->values.value(QStringLiteral("calendarWidget"));
        if (!calendar.isUndefined() &&
            !QDate::fromString(calendar.toString(), Qt::ISODate).isValid())
            reader.faulty = true;

        TrendPoint base;
        base.date = inspectionDate(*inspection);
        base.inspectionId = inspection->id;
        base.draft = inspection->state == StoredInspection::Draft;
        base.lower = none;
        base.upper = none;

        double frequency = 0;
        const bool knownFrequency =
            reader.number(QStringLiteral("doubleSpinBox4Freq"), frequencyRange, &frequency);
        for (const Choice &choice : choices) {
            for (int column = 0; column < 2; ++column) {
                int index = 0;
                if (!reader.choice(choice.keys[column], choice.count, &index))
                    continue;
                TrendPoint point = base;
                point.value = choice.millimetres(index);
                if (knownFrequency) {
                    point.judged = true;
                    point.passed = choice.check(frequency, index);
                    point.upper = bandLimit(choice, frequency);
                }
                seriesOf(data, choice.result, column).points.append(point);
            }
        }
        for (const Plain &plain : plains) {
            for (int column = 0; column < 2; ++column) {
                TrendPoint point = base;
                if (reader.number(plain.keys[column], plain.range, &point.value))
                    seriesOf(data, plain.result, column).points.append(point);
            }
        }
        for (size_t i = 0; i < std::size(means); ++i) {
            const Mean &mean = means[i];
            for (int column = 0; column < 2; ++column) {
                QVector<double> distances;
                for (const QString &key : mean.keys[column]) {
                    double distance = 0;
                    if (reader.number(key, distanceRange, &distance))
                        distances.append(distance);
                }
                if (distances.size() != mean.keys[column].size())
                    continue;
                TrendPoint point = base;
                point.judged = true;
                point.passed = mean.check(distances, &point.value);
                point.lower = meanBounds[i].low;
                point.upper = meanBounds[i].high;
                seriesOf(data, mean.result, column).points.append(point);
            }
        }
        if (reader.faulty)
            ++data.unreadable;
    }
    return data;
}
