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
};

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
};

namespace Judgement {

// The six ratings, the six choices, the two vertical and four horizontal means, then
// the aspect ratio and area of each of the sixteen mass targets (anechoic 0.5 dB,
// anechoic 0.7 dB, hyperechoic 0.5 dB, hyperechoic 0.7 dB, four depths each).
const QVector<JudgedResult> &results();

} // namespace Judgement

struct Result
{
    enum Verdict { Pass, Fail, NotJudged };

    const JudgedResult *judged = nullptr;
    Verdict verdict = NotJudged;
    // What is judged: the index of a rating or choice, a mean, a ratio or an area.
    double value = 0;
    // The inputs' values in the order of JudgedResult::inputs; NaN for one that is
    // missing or not a number.
    QVector<double> inputs;
    // The limits in force; NaN where there is none. A rating or choice passes from
    // `lower` up to and including `upper`; any other value strictly between them.
    double lower;
    double upper;
};

// Judges an inspection, one result per row of Judgement::results(), in that order. A
// result with an input that holds no value (not measured) is not judged, nor is a
// mass target whose depth check box is off.
QVector<Result> judge(const Inspection &inspection);

// How many results fail, and how many are judged.
int failedCount(const QVector<Result> &results);
int judgedCount(const QVector<Result> &results);

// What passes, in words of the installed catalogue: "média entre 9,985 e 10,015 mm".
QString limitText(const JudgedResult &judged, double frequency, const QLocale &locale);
// A mass target at `cm`: its nominal size and area, and what passes.
QString massLimitText(int cm, const QLocale &locale);

#endif // JUDGEMENT_H
