#include "core/tolerance.h"

#include "core/dateformats.h"
#include "core/evaluator.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <cmath>

namespace {

const double none = std::numeric_limits<double>::quiet_NaN();

// Kept by name, never by number: the names outlive any reordering.
const char *const ruleNames[ruleCount] = {
    "rating",       "deadZone",       "axialResolution", "lateralResolution",
    "verticalMean", "horizontalMean", "aspectRatio",     "area",
    "penetration"};
const char *const kindNames[ToleranceRule::kindCount] = {"range", "change", "deviation"};

template <int N> int indexOf(const char *const (&names)[N], const QString &name)
{
    for (int i = 0; i < N; ++i) {
        if (name == QLatin1String(names[i]))
            return i;
    }
    return -1;
}

// A number kept in JSON: NaN (no bound) is kept as null.
QJsonValue number(double value)
{
    return std::isnan(value) ? QJsonValue() : QJsonValue(value);
}
double number(const QJsonValue &value)
{
    return value.isDouble() ? value.toDouble() : none;
}

QString decimal(const QLocale &locale, double value)
{
    return locale.toString(value, 'g', 6);
}

bool isChoice(Rule result)
{
    JudgedResult judged;
    judged.rule = result;
    return judged.isChoice();
}

ToleranceRule range(Rule result)
{
    ToleranceRule rule;
    rule.result = result;
    return rule;
}

ToleranceRule change(Rule result, double millimetres)
{
    ToleranceRule rule;
    rule.result = result;
    rule.kind = ToleranceRule::Change;
    rule.amount = millimetres;
    return rule;
}

ToleranceRule deviation(Rule result, double percent, double millimetres)
{
    ToleranceRule rule;
    rule.result = result;
    rule.kind = ToleranceRule::Deviation;
    rule.nominal = 10;
    rule.amount = percent;
    rule.units = millimetres;
    return rule;
}

const QString resultKey = QStringLiteral("result");
const QString kindKey = QStringLiteral("kind");
const QString lowerKey = QStringLiteral("lower");
const QString upperKey = QStringLiteral("upper");
const QString amountKey = QStringLiteral("amount");
const QString percentKey = QStringLiteral("percent");
const QString nominalKey = QStringLiteral("nominal");
const QString unitsKey = QStringLiteral("units");
const QString idKey = QStringLiteral("id");
const QString versionKey = QStringLiteral("version");
const QString nameKey = QStringLiteral("name");
const QString builtInKey = QStringLiteral("builtIn");
const QString rulesKey = QStringLiteral("rules");
const QString inspectionKey = QStringLiteral("inspection");
const QString dateKey = QStringLiteral("date");
const QString valuesKey = QStringLiteral("values");

} // namespace

QVector<ToleranceRule::Kind> ToleranceRule::kindsFor(Rule result)
{
    switch (result) {
    case Rule::AxialResolution:
    case Rule::LateralResolution:
        return {Range, Change};
    case Rule::VerticalMean:
    case Rule::HorizontalMean:
        return {Range, Change, Deviation};
    case Rule::Penetration:
        return {Change};
    default:
        return {Range};
    }
}

double ToleranceRule::allowance(double reference) const
{
    switch (kind) {
    case Range:
        break;
    case Change:
        return percent ? std::fabs(reference) * amount / 100 : amount;
    case Deviation:
        return std::max(std::fabs(nominal) * amount / 100, units);
    }
    return none;
}

bool ToleranceRule::operator==(const ToleranceRule &other) const
{
    return toJson() == other.toJson();
}

QString ToleranceRule::describe(const QLocale &locale) const
{
    switch (kind) {
    case Range:
        if (std::isnan(lower) && std::isnan(upper))
            return ToleranceRule::tr("regra original");
        if (result == Rule::Area)
            return ToleranceRule::tr("entre %1 e %2 vezes a área nominal")
                .arg(decimal(locale, lower), decimal(locale, upper));
        return result == Rule::AspectRatio
                   ? ToleranceRule::tr("entre %1 e %2")
                         .arg(decimal(locale, lower), decimal(locale, upper))
                   : ToleranceRule::tr("entre %1 e %2 mm")
                         .arg(decimal(locale, lower), decimal(locale, upper));
    case Change:
        return percent
                   ? ToleranceRule::tr("até %1 % da linha de base").arg(decimal(locale, amount))
                   : ToleranceRule::tr("até %1 mm da linha de base").arg(decimal(locale, amount));
    case Deviation:
        return ToleranceRule::tr("até %1 % ou %2 mm de %3 mm, o que for maior")
            .arg(decimal(locale, amount), decimal(locale, units), decimal(locale, nominal));
    }
    return QString();
}

QJsonObject ToleranceRule::toJson() const
{
    QJsonObject object{{resultKey, QLatin1String(ruleNames[int(result)])},
                       {kindKey, QLatin1String(kindNames[kind])}};
    switch (kind) {
    case Range:
        object.insert(lowerKey, number(lower));
        object.insert(upperKey, number(upper));
        break;
    case Change:
        object.insert(amountKey, amount);
        object.insert(percentKey, percent);
        break;
    case Deviation:
        object.insert(nominalKey, nominal);
        object.insert(amountKey, amount);
        object.insert(unitsKey, units);
        break;
    }
    return object;
}

bool ToleranceRule::fromJson(const QJsonObject &object, ToleranceRule *rule)
{
    const int result = indexOf(ruleNames, object.value(resultKey).toString());
    const int kind = indexOf(kindNames, object.value(kindKey).toString());
    if (result < 0 || kind < 0 || !kindsFor(Rule(result)).contains(Kind(kind)))
        return false;
    ToleranceRule read;
    read.result = Rule(result);
    read.kind = Kind(kind);
    read.lower = number(object.value(lowerKey));
    read.upper = number(object.value(upperKey));
    read.amount = object.value(amountKey).toDouble(-1);
    read.percent = object.value(percentKey).toBool();
    read.nominal = object.value(nominalKey).toDouble(-1);
    read.units = object.value(unitsKey).toDouble(-1);
    bool sound = true;
    switch (read.kind) {
    case Range:
        // Both bounds or neither; a choice's table has none.
        sound = std::isnan(read.lower) == std::isnan(read.upper) &&
                (std::isnan(read.lower) || (!isChoice(read.result) && read.lower < read.upper));
        break;
    case Change:
        sound = read.amount >= 0;
        break;
    case Deviation:
        sound = read.nominal > 0 && read.amount >= 0 && read.units >= 0;
        break;
    }
    if (sound)
        *rule = read;
    return sound;
}

const ToleranceRule *ToleranceSet::ruleFor(Rule result) const
{
    for (const ToleranceRule &rule : rules) {
        if (rule.result == result)
            return &rule;
    }
    return nullptr;
}

QString ToleranceSet::displayName() const
{
    if (builtIn && id == OriginalId)
        return ToleranceSet::tr("Regras originais");
    return name;
}

ToleranceSet ToleranceSet::original()
{
    ToleranceSet set;
    set.id = OriginalId;
    set.name = QStringLiteral("Regras originais");
    set.builtIn = true;
    for (int result = 0; result < int(Rule::Penetration); ++result)
        set.rules << range(Rule(result));
    return set;
}

ToleranceSet ToleranceSet::tg128()
{
    ToleranceSet set = original();
    set.id = Tg128Id;
    set.name = QStringLiteral("AAPM TG-128");
    for (ToleranceRule &rule : set.rules) {
        if (rule.result == Rule::AxialResolution || rule.result == Rule::LateralResolution)
            rule = change(rule.result, 1);
        else if (rule.result == Rule::VerticalMean)
            rule = deviation(rule.result, 2, 2);
        else if (rule.result == Rule::HorizontalMean)
            rule = deviation(rule.result, 3, 3);
    }
    set.rules << change(Rule::Penetration, 10);
    return set;
}

QJsonObject ToleranceSet::toJson() const
{
    QJsonArray list;
    for (const ToleranceRule &rule : rules)
        list.append(rule.toJson());
    return {{idKey, id},
            {versionKey, version},
            {nameKey, name},
            {builtInKey, builtIn},
            {rulesKey, list}};
}

bool ToleranceSet::fromJson(const QJsonObject &object, ToleranceSet *set)
{
    ToleranceSet read;
    read.id = qint64(object.value(idKey).toDouble(-1));
    read.version = object.value(versionKey).toInt(0);
    read.name = object.value(nameKey).toString();
    read.builtIn = object.value(builtInKey).toBool();
    bool sound = read.id > 0 && read.version > 0 && object.value(rulesKey).isArray();
    for (const QJsonValue &value : object.value(rulesKey).toArray()) {
        ToleranceRule rule;
        sound =
            sound && ToleranceRule::fromJson(value.toObject(), &rule) && !read.ruleFor(rule.result);
        read.rules << rule;
    }
    *set = sound ? read : original();
    return sound;
}

Baseline Baseline::of(qint64 inspectionId, const Inspection &inspection)
{
    Baseline baseline;
    baseline.inspectionId = inspectionId;
    baseline.date = inspection.date();
    // Judged as a change from itself, every result that can be gives its size.
    ToleranceSet sizes;
    Baseline self;
    for (int result = 0; result < ruleCount; ++result) {
        if (ToleranceRule::kindsFor(Rule(result)).contains(ToleranceRule::Change))
            sizes.rules << change(Rule(result), 0);
    }
    for (const Result &result : judge(inspection, sizes, self)) {
        if (result.verdict != Result::NotJudged && std::isfinite(result.measured))
            baseline.values.insert(result.judged->key(), result.measured);
    }
    return baseline;
}

QJsonObject Baseline::toJson() const
{
    QJsonObject values;
    for (auto value = this->values.cbegin(); value != this->values.cend(); ++value)
        values.insert(value.key(), value.value());
    return {
        {inspectionKey, inspectionId}, {dateKey, date.toString(Qt::ISODate)}, {valuesKey, values}};
}

Baseline Baseline::fromJson(const QJsonObject &object)
{
    Baseline baseline;
    if (object.isEmpty())
        return baseline;
    baseline.inspectionId = qint64(object.value(inspectionKey).toDouble(-1));
    baseline.date = QDate::fromString(object.value(dateKey).toString(), Qt::ISODate);
    const QJsonObject values = object.value(valuesKey).toObject();
    for (auto value = values.begin(); value != values.end(); ++value) {
        if (value.value().isDouble())
            baseline.values.insert(value.key(), value.value().toDouble());
    }
    return baseline;
}

QString referenceText(const Result &result, const QLocale &locale)
{
    if (!result.rule || result.rule->kind == ToleranceRule::Range)
        return QString();
    const bool mean =
        result.judged->rule == Rule::VerticalMean || result.judged->rule == Rule::HorizontalMean;
    auto mm = [&](double value) { return locale.toString(value, 'f', mean ? 3 : 1); };
    if (std::isnan(result.reference) && result.baselineDate.isValid())
        return ToleranceRule::tr("sem linha de base: a de %1 não tem este valor")
            .arg(result.baselineDate.toString(DateFormats::shown));
    if (std::isnan(result.reference))
        return ToleranceRule::tr("sem linha de base: esta inspeção será a linha de base");
    const QString limits =
        ToleranceRule::tr("aprovado de %1 a %2 mm").arg(mm(result.lower), mm(result.upper));
    if (result.rule->kind == ToleranceRule::Deviation)
        return ToleranceRule::tr("nominal %1 mm: %2").arg(mm(result.reference), limits);
    return ToleranceRule::tr("linha de base %1 mm (%2): %3")
        .arg(mm(result.reference), result.baselineDate.toString(DateFormats::shown), limits);
}
