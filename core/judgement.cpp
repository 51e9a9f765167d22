#include "core/judgement.h"

#include "core/evaluator.h"
#include "core/tolerance.h"

#include <QJsonDocument>
#include <QMutex>

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace {

const double none = std::numeric_limits<double>::quiet_NaN();

JudgedResult row(Rule rule, const QStringList &inputs, Attenuation attenuation = Attenuation::Db05)
{
    JudgedResult judged;
    judged.rule = rule;
    judged.inputs = inputs;
    judged.attenuation = attenuation;
    return judged;
}

QVector<JudgedResult> buildTable()
{
    QVector<JudgedResult> table;
    const char *ratings[] = {"comboBox3cabo",    "comboBox3Controles", "comboBox3FiltPoeira",
                             "comboBox3Monitor", "comboBox3botoes",    "comboBox3Transtud"};
    for (int part = 0; part < 6; ++part) {
        JudgedResult rating = row(Rule::Rating, {QLatin1String(ratings[part])});
        rating.part = part;
        table << rating;
    }

    const struct
    {
        Rule rule;
        const char *suffix;
    } choices[] = {
        {Rule::DeadZone, "ZM"}, {Rule::AxialResolution, "RA"}, {Rule::LateralResolution, "RL"}};
    for (const auto &choice : choices) {
        for (Attenuation attenuation : {Attenuation::Db05, Attenuation::Db07}) {
            const QString name = QStringLiteral("comboBox2_%1db_%2")
                                     .arg(attenuation == Attenuation::Db05 ? "05" : "07",
                                          QLatin1String(choice.suffix));
            table << row(choice.rule, {name}, attenuation);
        }
    }

    // The means and mass targets read the measuring fields, in their order: a mass
    // target's height, width and area follow one another.
    const QVector<MeasuringField> &fields = Inspection::measuringFields();
    for (int i = 0; i < fields.size(); ++i) {
        const MeasuringField &field = fields[i];
        const bool firstPair = field.pair.startsWith(QLatin1String("1-"));
        if (field.kind == MeasuringField::Vertical && firstPair) {
            QStringList inputs;
            for (int pair = 0; pair < 9; ++pair)
                inputs << fields[i + pair].name;
            table << row(Rule::VerticalMean, inputs, field.attenuation);
        } else if (field.kind == MeasuringField::Horizontal && firstPair) {
            JudgedResult mean =
                row(Rule::HorizontalMean, {field.name, fields[i + 1].name, fields[i + 2].name},
                    field.attenuation);
            mean.set = field.cm == 3 ? 0 : 1;
            table << mean;
        } else if (field.kind == MeasuringField::Height) {
            JudgedResult mass =
                row(Rule::AspectRatio, {field.name, fields[i + 1].name, fields[i + 2].name},
                    field.attenuation);
            mass.depth = field.cm / 2 - 1;
            mass.massType = field.massType;
            mass.depthCheckBox = field.depthCheckBox;
            table << mass;
            mass.rule = Rule::Area;
            table << mass;
        }
    }
    for (Attenuation attenuation : {Attenuation::Db05, Attenuation::Db07})
        table << row(Rule::Penetration, {Field::maxPenetration(attenuation)}, attenuation);
    return table;
}

void judgeRange(const JudgedResult &judged, const ToleranceRule &rule, double frequency,
                Result &result, bool &pass)
{
    static const Evaluator evaluator;
    const QVector<double> &inputs = result.inputs;
    // A rule has both bounds of its own or none (the fixed ones).
    const bool ownBounds = !std::isnan(rule.lower);
    // A stored index that is not whole is no choice of the form and fails, as the
    // unrated choice 0 does.
    const double index = inputs.first();
    const int whole = index == std::floor(index) ? int(index) : 0;
    auto choice = [&](int limit, bool ok) {
        result.value = whole;
        result.lower = 1;
        result.upper = limit;
        pass = ok;
    };
    switch (judged.rule) {
    case Rule::Rating:
        choice(Evaluator::worstPassingRating, evaluator.ratingOk(whole));
        break;
    case Rule::DeadZone:
        choice(Evaluator::deadZoneLimit(frequency), evaluator.deadZoneOk(frequency, whole));
        break;
    case Rule::AxialResolution:
        choice(Evaluator::axialResolutionLimit(frequency),
               evaluator.axialResolutionOk(frequency, whole));
        break;
    case Rule::LateralResolution:
        choice(Evaluator::lateralResolutionLimit(frequency),
               evaluator.lateralResolutionOk(frequency, whole));
        break;
    case Rule::VerticalMean:
        pass = evaluator.verticalMeanOk(inputs, &result.value);
        result.lower = Evaluator::verticalMeanLow;
        result.upper = Evaluator::verticalMeanHigh;
        break;
    case Rule::HorizontalMean:
        pass = evaluator.horizontalMeanOk(inputs, &result.value);
        result.lower = Evaluator::horizontalMeanLow;
        result.upper = Evaluator::horizontalMeanHigh;
        break;
    case Rule::AspectRatio:
        result.value = inputs[0] / inputs[1];
        pass = evaluator.aspectRatioOk(inputs[0], inputs[1]);
        result.lower = Evaluator::aspectRatioLow;
        result.upper = Evaluator::aspectRatioHigh;
        break;
    case Rule::Area: {
        const double nominal = Evaluator::nominalArea(judged.depth + 1);
        result.value = inputs[2];
        pass = evaluator.areaOk(inputs[2], judged.depth + 1);
        result.lower = Evaluator::areaLowFactor * nominal;
        result.upper = Evaluator::areaHighFactor * nominal;
        if (ownBounds) { // factors of the nominal area
            result.lower = rule.lower * nominal;
            result.upper = rule.upper * nominal;
            pass = result.value > result.lower && result.value < result.upper;
        }
        return;
    }
    case Rule::Penetration:
        result.value = inputs.first();
        return;
    }
    // Bounds of the rule's own replace the fixed ones of a mean or ratio.
    if (ownBounds && !judged.isChoice()) {
        result.lower = rule.lower;
        result.upper = rule.upper;
        pass = result.value > result.lower && result.value < result.upper;
    }
}

// The size a change or deviation judges, in millimetres.
double measuredSize(const JudgedResult &judged, Result &result)
{
    static const Evaluator evaluator;
    const double first = result.inputs.first();
    switch (judged.rule) {
    case Rule::DeadZone:
    case Rule::AxialResolution:
    case Rule::LateralResolution:
        result.value = first == std::floor(first) ? first : 0;
        return choiceMillimetres(judged.inputs.first(), int(result.value));
    case Rule::VerticalMean:
        evaluator.verticalMeanOk(result.inputs, &result.value);
        return result.value;
    case Rule::HorizontalMean:
        evaluator.horizontalMeanOk(result.inputs, &result.value);
        return result.value;
    default:
        result.value = first;
        return first;
    }
}

Result judgeOne(const JudgedResult &judged, const Inspection &inspection, double frequency,
                const ToleranceSet &set, const Baseline &baseline)
{
    Result result;
    result.judged = &judged;
    result.lower = result.upper = none;
    result.measured = result.reference = result.allowance = none;
    result.rule = set.ruleFor(judged.rule);
    bool measured = judged.depthCheckBox.isEmpty() || inspection.isChecked(judged.depthCheckBox);
    for (const QString &name : judged.inputs) {
        result.inputs << inspection.number(name);
        measured = measured && !std::isnan(result.inputs.last());
    }
    if (!result.rule) {
        result.value = result.inputs.first();
        return result;
    }
    const ToleranceRule &rule = *result.rule;
    bool pass = false;
    if (rule.kind == ToleranceRule::Range) {
        judgeRange(judged, rule, frequency, result, pass);
    } else {
        result.measured = measuredSize(judged, result);
        result.reference = rule.kind == ToleranceRule::Deviation
                               ? rule.nominal
                               : baseline.values.value(judged.key(), none);
        if (rule.kind == ToleranceRule::Change)
            result.baselineDate = baseline.date;
        result.allowance = rule.allowance(result.reference);
        result.lower = result.reference - result.allowance;
        result.upper = result.reference + result.allowance;
        // A hair of slack, so that a difference equal to the tolerance passes however
        // the decimals were rounded in binary.
        const double slack = 1e-9 * std::max(1.0, std::fabs(result.reference));
        pass = std::fabs(result.measured - result.reference) <= result.allowance + slack;
        if (measured && std::isnan(result.reference)) {
            result.verdict = Result::NoBaseline;
            return result;
        }
    }
    result.verdict = !measured ? Result::NotJudged : pass ? Result::Pass : Result::Fail;
    return result;
}

} // namespace

const QVector<JudgedResult> &Judgement::results()
{
    static const QVector<JudgedResult> table = buildTable();
    return table;
}

QVector<Result> judge(const Inspection &inspection, const ToleranceSet &set,
                      const Baseline &baseline)
{
    const double stored = inspection.number(Field::frequency);
    const double frequency = std::isnan(stored) ? 0 : stored;
    QVector<Result> results;
    for (const JudgedResult &judged : Judgement::results())
        results << judgeOne(judged, inspection, frequency, set, baseline);
    return results;
}

QVector<Result> judge(const Inspection &inspection)
{
    // Results keep a pointer to their rule: the sets an inspection names are kept for
    // as long as the program runs (a few per session).
    // (a map's entries stay where they are as it grows)
    static std::map<QByteArray, ToleranceSet> sets;
    static QMutex guard;
    const ToleranceSet *set = nullptr;
    const QJsonObject kept = inspection.values().value(Field::toleranceSet).toObject();
    if (kept.isEmpty()) {
        static const ToleranceSet original = ToleranceSet::original();
        set = &original;
    } else {
        const QByteArray text = QJsonDocument(kept).toJson(QJsonDocument::Compact);
        const QMutexLocker locker(&guard);
        auto found = sets.find(text);
        if (found == sets.end()) {
            found = sets.emplace(text, ToleranceSet()).first;
            ToleranceSet::fromJson(kept, &found->second);
        }
        set = &found->second;
    }
    return judge(inspection, *set,
                 Baseline::fromJson(inspection.values().value(Field::baseline).toObject()));
}

double choiceMillimetres(const QString &field, int index)
{
    if (index <= 0)
        return none;
    if (field.endsWith(QLatin1String("RA")))
        return index == 1 ? 0.5 : index - 1; // "<0.5mm", "1mm", "2mm", ...
    return index;
}

bool JudgedResult::isChoice() const
{
    return rule == Rule::Rating || rule == Rule::DeadZone || rule == Rule::AxialResolution ||
           rule == Rule::LateralResolution;
}

QString JudgedResult::key() const
{
    return rule == Rule::Area ? inputs.last() : inputs.first();
}

bool Result::byIndex() const
{
    return judged && judged->isChoice() && (!rule || rule->kind == ToleranceRule::Range);
}

int failedCount(const QVector<Result> &results)
{
    int failed = 0;
    for (const Result &result : results)
        failed += result.verdict == Result::Fail ? 1 : 0;
    return failed;
}

int judgedCount(const QVector<Result> &results)
{
    int judged = 0;
    for (const Result &result : results)
        judged += result.verdict == Result::Pass || result.verdict == Result::Fail ? 1 : 0;
    return judged;
}

namespace {

QString decimal(const QLocale &locale, double value, int decimals)
{
    return locale.toString(value, 'f', decimals);
}

} // namespace

QString limitText(const JudgedResult &judged, double frequency, const QLocale &locale)
{
    switch (judged.rule) {
    case Rule::Rating: {
        const QStringList words = Inspection::choiceTexts(judged.inputs.first());
        return QCoreApplication::translate("Judgement", "aprovado: %1, %2 ou %3")
            .arg(words.value(1), words.value(2), words.value(3));
    }
    case Rule::DeadZone:
    case Rule::AxialResolution:
    case Rule::LateralResolution: {
        const int limit = judged.rule == Rule::DeadZone ? Evaluator::deadZoneLimit(frequency)
                          : judged.rule == Rule::AxialResolution
                              ? Evaluator::axialResolutionLimit(frequency)
                              : Evaluator::lateralResolutionLimit(frequency);
        return QCoreApplication::translate("Judgement", "aprovado até %1 (a %2 MHz)")
            .arg(Inspection::choiceTexts(judged.inputs.first()).value(limit),
                 decimal(locale, frequency, 1));
    }
    case Rule::VerticalMean:
        return QCoreApplication::translate("Judgement", "média entre %1 e %2 mm")
            .arg(decimal(locale, Evaluator::verticalMeanLow, 3),
                 decimal(locale, Evaluator::verticalMeanHigh, 3));
    case Rule::HorizontalMean:
        return QCoreApplication::translate("Judgement", "média entre %1 e %2 mm")
            .arg(decimal(locale, Evaluator::horizontalMeanLow, 2),
                 decimal(locale, Evaluator::horizontalMeanHigh, 2));
    case Rule::AspectRatio:
        return QCoreApplication::translate("Judgement", "altura/largura entre %1 e %2")
            .arg(decimal(locale, Evaluator::aspectRatioLow, 2),
                 decimal(locale, Evaluator::aspectRatioHigh, 2));
    case Rule::Area: {
        const double nominal = Evaluator::nominalArea(judged.depth + 1);
        return QCoreApplication::translate("Judgement", "área entre %1 e %2 mm²")
            .arg(decimal(locale, Evaluator::areaLowFactor * nominal, 2),
                 decimal(locale, Evaluator::areaHighFactor * nominal, 2));
    }
    case Rule::Penetration:
        break;
    }
    return QString();
}

QString massLimitText(int cm, const QLocale &locale)
{
    const int depth = cm / 2;
    const double nominal = Evaluator::nominalArea(depth);
    JudgedResult ratio;
    ratio.rule = Rule::AspectRatio;
    JudgedResult area;
    area.rule = Rule::Area;
    area.depth = depth - 1;
    return QCoreApplication::translate("Judgement",
                                       "alvo de %1 mm, área nominal %2 mm²; aprovado: %3, %4")
        .arg(decimal(locale, 2 * std::sqrt(nominal / std::acos(-1.0)), 0),
             decimal(locale, nominal, 2), limitText(ratio, 0, locale), limitText(area, 0, locale));
}
