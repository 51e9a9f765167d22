#ifndef INSPECTIONSTORE_H
#define INSPECTIONSTORE_H

#include "history/storedinspection.h"

#include <QVector>

// Reads and writes table `inspection` of zetu.db on the default connection, which
// DataBase opens and on which it creates the table. Every operation reports failure
// by its result and changes nothing when it fails.
namespace InspectionStore {

// Inserts the inspection when its id is -1 (and sets the id) or updates its row.
bool save(StoredInspection &inspection);
// The inspections of one scanner, newest first.
QVector<StoredInspection> forEquipment(int equipmentKey);
// The most recently changed draft whose scanner is still registered; false if none.
bool latestDraft(StoredInspection *draft);
bool remove(qint64 id);
// The ID (column `ID` of `usequip`) of a scanner; empty when it is not registered.
QString equipmentId(int equipmentKey);

} // namespace InspectionStore

#endif // INSPECTIONSTORE_H
