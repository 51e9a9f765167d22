#include "core/inspection.h"

#include "core/dateformats.h"

#include <QCoreApplication>
#include <QJsonValue>

#include <cmath>
#include <limits>

namespace {

const char *db(Attenuation attenuation)
{
    return attenuation == Attenuation::Db05 ? "05" : "07";
}

MeasuringField field(const QString &name, int step, MeasuringField::Kind kind,
                     Attenuation attenuation, const QString &pair = QString(), int cm = 0)
{
    MeasuringField field;
    field.name = name;
    field.step = step;
    field.kind = kind;
    field.attenuation = attenuation;
    field.pair = pair;
    field.cm = cm;
    return field;
}

QVector<MeasuringField> buildFields()
{
    QVector<MeasuringField> fields;
    const Attenuation both[] = {Attenuation::Db05, Attenuation::Db07};
    for (Attenuation attenuation : both) {
        for (int first = 1; first <= 9; ++first) {
            // The 0.5 dB pair 2-3 is doubleSpinBox5_05_30.
            const QString suffix = attenuation == Attenuation::Db05 && first == 2
                                       ? QStringLiteral("30")
                                       : QStringLiteral("%1%2").arg(first).arg(first + 1);
            fields.append(field(QStringLiteral("doubleSpinBox5_%1_%2").arg(db(attenuation), suffix),
                                4, MeasuringField::Vertical, attenuation,
                                QStringLiteral("%1-%2").arg(first).arg(first + 1)));
        }
        fields.append(
            field(Field::focalZone(attenuation), 4, MeasuringField::FocalZone, attenuation));
        fields.append(field(Field::maxPenetration(attenuation), 4, MeasuringField::MaxPenetration,
                            attenuation));
    }
    for (int cm : {3, 9}) {
        for (Attenuation attenuation : both) {
            for (int first = 1; first <= 3; ++first) {
                fields.append(field(QStringLiteral("doubleSpinBox6_%1cm_%2_%3%4")
                                        .arg(cm)
                                        .arg(db(attenuation))
                                        .arg(first)
                                        .arg(first + 1),
                                    5, MeasuringField::Horizontal, attenuation,
                                    QStringLiteral("%1-%2").arg(first).arg(first + 1), cm));
            }
        }
    }
    // s<5|7><A|H><A|L|Ar><cm>; the depth check boxes carry a suffix per group.
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
    const struct
    {
        MeasuringField::Kind kind;
        const char *letter;
    } sizes[] = {
        {MeasuringField::Height, "A"}, {MeasuringField::Width, "L"}, {MeasuringField::Area, "Ar"}};
    for (const auto &group : groups) {
        for (int cm = 2; cm <= 8; cm += 2) {
            for (const auto &size : sizes) {
                MeasuringField mass = field(QLatin1String(group.boxes) +
                                                QLatin1String(size.letter) + QString::number(cm),
                                            6, size.kind, group.attenuation, QString(), cm);
                mass.massType = group.type;
                mass.depthCheckBox = QStringLiteral("checkBox%1cm%2")
                                         .arg(cm)
                                         .arg(QLatin1String(group.checkBoxSuffix));
                fields.append(mass);
            }
        }
    }
    return fields;
}

} // namespace

QString Field::focalZone(Attenuation attenuation)
{
    return QStringLiteral("doubleSpinBox5_%1_ZF").arg(db(attenuation));
}

QString Field::maxPenetration(Attenuation attenuation)
{
    return QStringLiteral("doubleSpinBox5_%1_MPV").arg(db(attenuation));
}

QString MeasuringField::describe(const QLocale &locale) const
{
    const QString dB = locale.toString(attenuation == Attenuation::Db05 ? 0.5 : 0.7, 'f', 1);
    switch (kind) {
    case Vertical:
        return QCoreApplication::translate("Inspection", "distância vertical %1 a %2 dB")
            .arg(pair, dB);
    case Horizontal:
        return QCoreApplication::translate("Inspection", "distância horizontal %1 a %2 cm, %3 dB")
            .arg(pair)
            .arg(cm)
            .arg(dB);
    case FocalZone:
        return QCoreApplication::translate("Inspection", "zona focal a %1 dB").arg(dB);
    case MaxPenetration:
        return QCoreApplication::translate("Inspection", "penetração máxima a %1 dB").arg(dB);
    default:
        break;
    }
    const char *const what[] = {QT_TRANSLATE_NOOP("Inspection", "altura"),
                                QT_TRANSLATE_NOOP("Inspection", "largura"),
                                QT_TRANSLATE_NOOP("Inspection", "área")};
    const QString type = massType == MassType::Anechoic
                             ? QCoreApplication::translate("Inspection", "anecoica")
                             : QCoreApplication::translate("Inspection", "hiperecoica");
    return QCoreApplication::translate("Inspection", "%1 da massa %2 a %3 cm, %4 dB")
        .arg(QCoreApplication::translate("Inspection", what[kind - Height]), type)
        .arg(cm)
        .arg(dB);
}

double Inspection::number(const QString &field) const
{
    const QJsonValue value = stored.value(field);
    return value.isDouble() ? value.toDouble() : std::numeric_limits<double>::quiet_NaN();
}

bool Inspection::isMeasured(const QString &field) const
{
    return !std::isnan(number(field));
}

double Inspection::choice(const QString &field) const
{
    return stored.value(field).isDouble() ? stored.value(field).toDouble() : -1;
}

QDate Inspection::date() const
{
    return QDate::fromString(text(Field::date), DateFormats::stored);
}

void Inspection::setDate(const QDate &date)
{
    stored.insert(Field::date, date.toString(DateFormats::stored));
}

QVector<const MeasuringField *> Inspection::unmeasured(int step) const
{
    QVector<const MeasuringField *> missing;
    for (const MeasuringField &field : measuringFields()) {
        const bool needed = field.depthCheckBox.isEmpty() || isChecked(field.depthCheckBox);
        if (field.step == step && needed && !isMeasured(field.name))
            missing.append(&field);
    }
    return missing;
}

const QVector<MeasuringField> &Inspection::measuringFields()
{
    static const QVector<MeasuringField> fields = buildFields();
    return fields;
}

QStringList Inspection::choiceTexts(const QString &field)
{
    // The items as the wizard's form lists them, translated in its context.
    static const char *const ratings[] = {"----------------", "Ótimo", "Bom",
                                          "Regular",          "Ruim",  "Péssimo"};
    static const char *const otherRatings[] = {"----------------", "Otimo", "Bom",
                                               "Regular",          "Ruim",  "Péssimo"};
    static const char *const uniformity[] = {
        "----------------------------", "Imagem uniforme",
        "Apresenta poucas inomogeneidades sem que comprometa o diagnóstico",
        "Apresenta grandes inomogeneidades"};
    static const char *const millimetres[] = {"----------", "1mm", "2mm", "3mm", "4mm", "5mm"};
    static const char *const axial[] = {"----------", "<0.5mm", "1mm", "2mm", "3mm", "4mm", "5mm"};
    auto list = [](const auto &texts) {
        QStringList items;
        for (const char *text : texts)
            items << QCoreApplication::translate("MainWindow", text);
        return items;
    };
    if (field == QLatin1String("comboBox3cabo"))
        return list(ratings);
    if (field.startsWith(QLatin1String("comboBox3")))
        return list(otherRatings);
    if (field == Field::uniformity)
        return list(uniformity);
    if (field.startsWith(QLatin1String("comboBox2_")))
        return field.endsWith(QLatin1String("RA")) ? list(axial) : list(millimetres);
    return QStringList();
}
