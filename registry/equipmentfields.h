#ifndef EQUIPMENTFIELDS_H
#define EQUIPMENTFIELDS_H

#include <QStringList>

// The fields of table `usequip`, by name: code reaches a column through the model's
// fieldIndex(), never by its number.
namespace EquipmentFields {

inline const QString key = QStringLiteral("ID_key");
inline const QString institution = QStringLiteral("Institution");
inline const QString place = QStringLiteral("Place");
inline const QString id = QStringLiteral("ID");
inline const QString model = QStringLiteral("Model");
inline const QString manufacturer = QStringLiteral("Manufacturer");

// A scanner's record as it is shown and kept with its inspections.
inline const QStringList record = {institution, place, id, model, manufacturer};

} // namespace EquipmentFields

#endif // EQUIPMENTFIELDS_H
