#ifndef INSPECTION_H
#define INSPECTION_H

#include <QDate>
#include <QJsonObject>
#include <QLocale>
#include <QStringList>
#include <QVector>

enum class Attenuation { Db05 = 0, Db07 = 1 }; // the report's columns "0.5 dB", "0.7 dB"
enum class MassType { Hyperechoic = 0, Anechoic = 1 };

// The names of an inspection's fields: the keys its values are stored under, which
// every version keeps.
namespace Field {
// the responsible technician's name; the inspection's date, "yyyy-MM-dd"
inline const QString technician = QStringLiteral("lineTecResp");
inline const QString date = QStringLiteral("calendarWidget");
// the transducer in words (as typed, in earlier versions) and its frequency in MHz
inline const QString transducer = QStringLiteral("lineEdit4Transdutor");
// the inspected transducer as it was when inspected (Transducer::toJson)
inline const QString transducerRecord = QStringLiteral("transducerRecord");
inline const QString frequency = QStringLiteral("doubleSpinBox4Freq");
// the rating of the uniformity image and why the image is not uniform
inline const QString uniformity = QStringLiteral("comboBox4ImgUnifor");
inline const QString explanation = QStringLiteral("plainTextEdit4");
// the files of the photographs, the step shown when the inspection was last kept, the
// facts of the signed report
inline const QString photographs = QStringLiteral("photos");
inline const QString step = QStringLiteral("step");
inline const QString signature = QStringLiteral("signature");
QString focalZone(Attenuation attenuation);
QString maxPenetration(Attenuation attenuation);
} // namespace Field

// A box in which the technician types a measured value. Until a value is typed it holds
// none, and an inspection does not store it.
struct MeasuringField
{
    enum Kind { Vertical, Horizontal, FocalZone, MaxPenetration, Height, Width, Area };

    QString name;
    int step; // the wizard's page index: 4 vertical, 5 horizontal, 6 masses
    Kind kind;
    Attenuation attenuation;
    QString pair; // Vertical, Horizontal: the targets measured between, "2-3"
    int cm = 0;   // Horizontal: the row's depth, 3 or 9; masses: the target's depth
    MassType massType = MassType::Anechoic;
    QString depthCheckBox; // masses: unchecked, the box needs no value

    // The box in words, in the language of the installed catalogue: "distância
    // vertical 2-3 a 0,5 dB".
    QString describe(const QLocale &locale) const;
};

// One inspection: every value by its field name, measured or not, as the wizard keeps
// it and zetu.db stores it. A value the technician did not enter is absent.
class Inspection
{
public:
    Inspection() = default;
    explicit Inspection(const QJsonObject &values)
        : stored(values)
    {
    }

    const QJsonObject &values() const { return stored; }

    bool has(const QString &field) const { return stored.contains(field); }
    // A number, NaN when the field holds none (not measured, or not a number).
    double number(const QString &field) const;
    bool isMeasured(const QString &field) const;
    // A choice's index, -1 when it holds none.
    double choice(const QString &field) const;
    bool isChecked(const QString &field) const { return stored.value(field).toBool(); }
    QString text(const QString &field) const { return stored.value(field).toString(); }

    void set(const QString &field, const QJsonValue &value) { stored.insert(field, value); }
    void remove(const QString &field) { stored.remove(field); }

    QString technician() const { return text(Field::technician); }
    // The date chosen in the wizard; invalid when none was kept.
    QDate date() const;
    void setDate(const QDate &date);
    QJsonObject photographs() const { return stored.value(Field::photographs).toObject(); }

    // The measuring fields of step `step`, in the order the step shows them, that need
    // a value and hold none; a mass target whose depth is switched off needs none.
    QVector<const MeasuringField *> unmeasured(int step) const;

    // Every measuring field: the vertical distances, focal zone and maximum penetration
    // of both attenuations, the horizontal distances, then the mass targets' boxes.
    static const QVector<MeasuringField> &measuringFields();
    // The texts of a choice's items by index, in the language of the installed
    // catalogue (the wizard's own texts); empty for a field that is no choice.
    static QStringList choiceTexts(const QString &field);

private:
    QJsonObject stored;
};

#endif // INSPECTION_H
