#include "core/judgement.h"

#include "core/evaluator.h"

#include <QJsonValue>

#include <cmath>
#include <limits>

const QString Judgement::frequencyInput = QStringLiteral("doubleSpinBox4Freq");

namespace {

const double none = std::numeric_limits<double>::quiet_NaN();

QStringList names(const QString &pattern, const QStringList &pairs)
{
    QStringList list;
    for (const QString &pair : pairs)
        list << pattern.arg(pair);
    return list;
}

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

    // The 0.5 dB pair 2-3 is doubleSpinBox5_05_30.
    table << row(Rule::VerticalMean,
                 names(QStringLiteral("doubleSpinBox5_05_%1"),
                       {"12", "30", "34", "45", "56", "67", "78", "89", "910"}),
                 Attenuation::Db05);
    table << row(Rule::VerticalMean,
                 names(QStringLiteral("doubleSpinBox5_07_%1"),
                       {"12", "23", "34", "45", "56", "67", "78", "89", "910"}),
                 Attenuation::Db07);
    for (int set = 0; set < 2; ++set) {
        for (Attenuation attenuation : {Attenuation::Db05, Attenuation::Db07}) {
            JudgedResult mean = row(Rule::HorizontalMean,
                                    names(QStringLiteral("doubleSpinBox6_%1cm_%2_%3")
                                              .arg(set == 0 ? "3" : "9",
                                                   attenuation == Attenuation::Db05 ? "05" : "07"),
                                          {"12", "23", "34"}),
                                    attenuation);
            mean.set = set;
            table << mean;
        }
    }

    // Mass targets: the boxes are s<5|7><A|H><A|L|Ar><2|4|6|8> (0.5 or 0.7 dB, anechoic
    // or hyperechoic, height, width or area, depth in cm); the depth check boxes carry a
    // suffix per group.
    const struct
    {
        MassType type;
        Attenuation attenuation;
        const char *boxes;
        const char *checkBoxSuffix;
    } groups[] = {{MassType::Anechoic, Attenuation::Db05, "s5A", ""},
                  {MassType::Anechoic, Attenuation::Db07, "s7A", "_1"},
                  {MassType::Hyperechoic, Attenuation::Db05, "s5H", "_3"},
                  {MassType::Hyperechoic, Attenuation::Db07, "s7H", "_4"}};
    for (const auto &group : groups) {
        for (int depth = 0; depth < 4; ++depth) {
            const QString cm = QString::number(2 * (depth + 1));
            const QString boxes = QLatin1String(group.boxes);
            JudgedResult mass = row(Rule::AspectRatio,
                                    {boxes + QLatin1Char('A') + cm, boxes + QLatin1Char('L') + cm,
                                     boxes + QLatin1String("Ar") + cm},
                                    group.attenuation);
            mass.depth = depth;
            mass.massType = group.type;
            mass.depthCheckBox =
                QStringLiteral("checkBox%1cm%2").arg(cm, QLatin1String(group.checkBoxSuffix));
            table << mass;
            mass.rule = Rule::Area;
            table << mass;
        }
    }
    return table;
}

double numberOf(const QJsonObject &values, const QString &name)
{
    const QJsonValue value = values.value(name);
    return value.isDouble() ? value.toDouble() : none;
}

double orZero(double value)
{
    return std::isnan(value) ? 0 : value;
}

Result judgeOne(const JudgedResult &judged, const QJsonObject &values, double frequency)
{
    static const Evaluator evaluator;
    Result result;
    result.judged = &judged;
    result.lower = none;
    result.upper = none;
    QVector<double> inputs;
    for (const QString &name : judged.inputs) {
        result.inputs << numberOf(values, name);
        inputs << orZero(result.inputs.last());
    }
    bool pass = false;
    // A stored index that is not whole is no choice of the form and fails, as the
    // unrated choice 0 does.
    const double index = inputs.first();
    const int whole = index == std::floor(index) ? int(index) : 0;
    auto choice = [&](int limit, bool ok) {
        result.value = index;
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
    const bool measured =
        judged.depthCheckBox.isEmpty() || values.value(judged.depthCheckBox).toBool();
    result.verdict = !measured ? Result::NotJudged : pass ? Result::Pass : Result::Fail;
    return result;
}

} // namespace

const QVector<JudgedResult> &Judgement::results()
{
    static const QVector<JudgedResult> table = buildTable();
    return table;
}

QVector<Result> judge(const QJsonObject &values)
{
    const double frequency = orZero(numberOf(values, Judgement::frequencyInput));
    QVector<Result> results;
    for (const JudgedResult &judged : Judgement::results())
        results << judgeOne(judged, values, frequency);
    return results;
}

int failedCount(const QVector<Result> &results)
{
    int failed = 0;
    for (const Result &result : results)
        failed += result.verdict == Result::Fail ? 1 : 0;
    return failed;
}
