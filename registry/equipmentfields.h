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

// The SQL condition that a row of `table` (with the scanner's key in column Equipment
// and the scanner's record in the record's columns) still belongs to the scanner of its
// key: the scanner is registered and holds the record kept with the row. Rows that keep
// no record (written before records were kept) belong to the scanner of their key.
inline QString belongsClause(const QString &table)
{
    return QStringLiteral("EXISTS (SELECT 1 FROM usequip u WHERE u.ID_key = %1.Equipment AND "
                          "(%1.ID IS NULL OR (COALESCE(u.Institution, '') = %1.Institution AND "
                          "COALESCE(u.Place, '') = %1.Place AND COALESCE(u.ID, '') = %1.ID AND "
                          "COALESCE(u.Model, '') = %1.Model AND "
                          "COALESCE(u.Manufacturer, '') = %1.Manufacturer)))")
        .arg(table);
}

} // namespace EquipmentFields

#endif // EQUIPMENTFIELDS_H
