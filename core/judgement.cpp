#include "core/judgement.h"

#include "core/evaluator.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

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
    return table;
}

Result judgeOne(const JudgedResult &judged, const Inspection &inspection, double frequency)
{
    static const Evaluator evaluator;
    Result result;
    result.judged = &judged;
    result.lower = none;
    result.upper = none;
    bool measured = judged.depthCheckBox.isEmpty() || inspection.isChecked(judged.depthCheckBox);
    for (const QString &name : judged.inputs) {
        result.inputs << inspection.number(name);
        measured = measured && !std::isnan(result.inputs.last());
    }
    const QVector<double> &inputs = result.inputs;
    bool pass = false;
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
    case Rule::Area:
        result.value = inputs[2];
        pass = evaluator.areaOk(inputs[2], judged.depth + 1);
        result.lower = Evaluator::areaLowFactor * Evaluator::nominalArea(judged.depth + 1);
        result.upper = Evaluator::areaHighFactor * Evaluator::nominalArea(judged.depth + 1);
        break;
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

QVector<Result> judge(const Inspection &inspection)
{
    const double stored = inspection.number(Field::frequency);
    const double frequency = std::isnan(stored) ? 0 : stored;
    QVector<Result> results;
    for (const JudgedResult &judged : Judgement::results())
        results << judgeOne(judged, inspection, frequency);
    return results;
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
        judged += result.verdict != Result::NotJudged ? 1 : 0;
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
