#ifndef TREND_H
#define TREND_H

#include "core/judgement.h"
#include "history/storedinspection.h"

#include <QDate>
#include <QVector>

// The results of a scanner's inspections that drift over time, read from the stored
// values of its inspections and judged by the report's own rules: each inspection by
// the set of tolerances and the baseline it kept. Knows no widgets.

enum class TrendResult {
    DeadZone,
    AxialResolution,
    LateralResolution,
    MaxPenetration,
    FocalZone,
    VerticalMean,
    HorizontalMean3cm,
    HorizontalMean9cm,
};
constexpr int trendResultCount = 8;

// One inspection's value of one result, in millimetres. A choice below 0.5 mm (the
// axial resolution's "<0.5mm") counts as 0.5.
struct TrendPoint
{
    QDate date;
    qint64 inspectionId = -1;
    bool draft = false;
    double value = 0;
    // As the report judges it: Pass or Fail with a mark, NotJudged without one, and
    // NoBaseline (a rule of change while the transducer had no baseline) neither.
    Result::Verdict verdict = Result::NotJudged;
    // The pass limits in force for that inspection; NaN where there is none. Under the
    // original rules a choice passes up to and including `upper` and a mean strictly
    // between the two; with `band` (a change from the baseline or a deviation from a
    // nominal value) the value passes from `lower` to `upper`, both included.
    double lower;
    double upper;
    bool band = false;
    // Under a change: the transducer's baseline value; NaN otherwise.
    double baseline;

    bool judged() const { return verdict == Result::Pass || verdict == Result::Fail; }
};

struct TrendSeries
{
    TrendResult result;
    int column;                 // attenuation: 0 for 0.5 dB, 1 for 0.7 dB
    QVector<TrendPoint> points; // oldest first
};

struct TrendData
{
    QVector<TrendSeries> series; // every result at both attenuations, in enum order
    int inspections = 0;         // the dated inspections taken into account
    int unreadable = 0;          // inspections with a value of the wrong type or range
};

// An inspection's date: the date chosen in the wizard, else the day it was last changed.
QDate inspectionDate(const StoredInspection &inspection);

// Drafts count only when asked for. A value that is missing, of the wrong type or out
// of its input's range is left out; so is an inspection without any date.
TrendData trendData(const QVector<StoredInspection> &inspections, bool includeDrafts);

#endif // TREND_H
