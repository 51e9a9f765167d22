#include "core/transducer.h"

#include "core/dateformats.h"

#include <QCoreApplication>

namespace {

const QString modelKey = QStringLiteral("model");
const QString serialKey = QStringLiteral("serial");
const QString typeKey = QStringLiteral("type");
const QString frequencyKey = QStringLiteral("frequency");
const QString intervalKey = QStringLiteral("interval");
const QString keyKey = QStringLiteral("key");

QString tr(const char *text)
{
    return QCoreApplication::translate("Transducer", text);
}

} // namespace

QStringList Transducer::typeNames()
{
    return {tr("Linear"), tr("Convexo"), tr("Setorial"), tr("Endocavitário"), tr("Outro")};
}

QString Transducer::describe(const QLocale &locale) const
{
    QStringList parts;
    if (!model.trimmed().isEmpty())
        parts << model.trimmed();
    if (!serial.trimmed().isEmpty())
        parts << tr("nº de série %1").arg(serial.trimmed());
    parts << typeNames().value(type);
    if (frequency > 0)
        parts << tr("%1 MHz").arg(locale.toString(frequency, 'g', 4));
    return parts.join(QStringLiteral(", "));
}

QJsonObject Transducer::toJson() const
{
    return {{keyKey, key},        {modelKey, model},         {serialKey, serial},
            {typeKey, int(type)}, {frequencyKey, frequency}, {intervalKey, intervalMonths}};
}

Transducer Transducer::fromJson(const QJsonObject &object)
{
    Transducer transducer;
    transducer.key = qint64(object.value(keyKey).toDouble(-1));
    transducer.model = object.value(modelKey).toString();
    transducer.serial = object.value(serialKey).toString();
    const int type = object.value(typeKey).toInt(Other);
    transducer.type = type >= 0 && type < typeCount ? Type(type) : Other;
    transducer.frequency = object.value(frequencyKey).toDouble();
    transducer.intervalMonths = object.value(intervalKey).toInt(defaultIntervalMonths);
    return transducer;
}

QDate Due::next(const QDate &last, int months)
{
    return last.isValid() ? last.addMonths(months) : QDate();
}

Due::State Due::state(const QDate &next, const QDate &today)
{
    if (!next.isValid() || next < today)
        return Overdue;
    return today.daysTo(next) <= soonDays ? Soon : Current;
}

QString Due::stateText(State state)
{
    switch (state) {
    case Overdue:
        return tr("vencida");
    case Soon:
        return tr("em breve");
    case Current:
        break;
    }
    return QString();
}

QString Due::describe(const QDate &next, State state)
{
    const QString date =
        next.isValid() ? next.toString(DateFormats::shown) : tr("nunca inspecionado");
    return state == Current ? date : QStringLiteral("%1 (%2)").arg(date, stateText(state));
}
