#ifndef JUDGEMENT_H
#define JUDGEMENT_H

#include "core/inspection.h"

#include <QStringList>
#include <QVector>

// The results that the report judges, written once: which inputs of the wizard (by
// object name, as an inspection's values are stored) each result reads, by which rule,
// at which attenuation and depth, and which check box switches a depth off. The
// report's marks, the history's count of failed results and the trend's points all
// come from judge().

enum class Rule {
    Rating,            // one rating of step 2: 1 to 3 pass
    DeadZone,          // a choice of step 4, judged with the frequency
    AxialResolution,   //   "
    LateralResolution, //   "
    VerticalMean,      // the mean of the nine vertical distances
    HorizontalMean,    // the mean of three horizontal distances
    AspectRatio,       // a mass target's height / width
    Area,              // a mass target's area against its depth's nominal area
    Penetration,       // the maximum depth of penetration (judged only against a baseline)
};
constexpr int ruleCount = int(Rule::Penetration) + 1;

struct JudgedResult
{
    Rule rule;
    QStringList inputs; // the judged inputs; a mass: height, width, area
    Attenuation attenuation = Attenuation::Db05;
    int part = -1;  // Rating: the report's part number, 0 to 5
    int set = -1;   // HorizontalMean: 0 at 3 cm, 1 at 9 cm
    int depth = -1; // AspectRatio, Area: 0 to 3 for 2, 4, 6 and 8 cm
    MassType massType = MassType::Hyperechoic;
    QString depthCheckBox; // AspectRatio, Area: unchecked, the depth was not measured

    // Names the result among all others, as baselines keep its value.
    QString key() const;
    // A rating or a choice of step 4: judged by index.
    bool isChoice() const;
};

namespace Judgement {

// The six ratings, the six choices, the two vertical and four horizontal means, then
// the aspect ratio and area of each of the sixteen mass targets (anechoic 0.5 dB,
// anechoic 0.7 dB, hyperechoic 0.5 dB, hyperechoic 0.7 dB, four depths each), then the
// penetration at both attenuations.
const QVector<JudgedResult> &results();

} // namespace Judgement

struct ToleranceRule;

struct Result
{
    // NoBaseline: a rule of change, for a transducer without a baseline yet; neither
    // pass nor fail.
    enum Verdict { Pass, Fail, NotJudged, NoBaseline };

    const JudgedResult *judged = nullptr;
    Verdict verdict = NotJudged;
    // What is judged: the index of a rating or choice, a mean, a ratio or an area.
    double value = 0;
    // The inputs' values in the order of JudgedResult::inputs; NaN for one that is
    // missing or not a number.
    QVector<double> inputs;
    // The limits in force; NaN where there is none. Under a range, a rating or choice
    // passes from `lower` up to and including `upper` (indices), any other value strictly
    // between them; under a change or deviation the size in millimetres passes from
    // `lower` to `upper`, both included.
    double lower;
    double upper;
    // The rule it was judged by; null when the set has none for it.
    const ToleranceRule *rule = nullptr;
    // Under a change or deviation: the size judged, in millimetres (a choice's size),
    // the baseline's or nominal value, and the largest difference that passes. NaN
    // where there is none.
    double measured;
    double reference;
    double allowance;
    // Under a change: the baseline's date.
    QDate baselineDate;

    bool byIndex() const;
};

// Judges an inspection, one result per row of Judgement::results(), in that order, with
// the set and baseline it keeps (none: the original rules, no baseline). A result with
// an input that holds no value (not measured) is not judged, nor is a mass target whose
// depth check box is off, nor one the set has no rule for.
QVector<Result> judge(const Inspection &inspection);

// A choice's size in millimetres ("<0.5mm" counts as 0.5); NaN for index 0, unrated.
double choiceMillimetres(const QString &field, int index);

// How many results fail, and how many are judged (pass or fail).
int failedCount(const QVector<Result> &results);
int judgedCount(const QVector<Result> &results);

// What passes, in words of the installed catalogue: "média entre 9,985 e 10,015 mm".
QString limitText(const JudgedResult &judged, double frequency, const QLocale &locale);
// A mass target at `cm`: its nominal size and area, and what passes.
QString massLimitText(int cm, const QLocale &locale);

#endif // JUDGEMENT_H
