#ifndef INSPECTIONSTORE_H
#define INSPECTIONSTORE_H

#include "history/storedinspection.h"

#include <QVector>

// Reads and writes table `inspection` of zetu.db on the default connection. Every
// write is one transaction that changes nothing when it fails. A file locked by
// another program or copy, or a full disk, gives Busy: the caller tries again later.
//
// Each row carries a revision, counted up by every write, and a claim: the copy of the
// program that has the inspection open (its owner token) and when it last said so.
// A claim not renewed for `staleClaimSeconds` (a copy that crashed) is free again, and
// at once when its copy ran on this computer and has stopped.
namespace InspectionStore {

enum Outcome { Done, Busy, Failed };

const int staleClaimSeconds = 300;

// This running copy's owner token. A lock file in the temporary folder holds it while
// the copy runs, so that other copies on this computer can tell when it has stopped.
QString ownToken();

// Makes table `inspection` ready: creates it, or upgrades the table of the earlier
// version (without revision, claim and scanner record) in place. Failed, with
// *foreign set, when something named `inspection` that this version did not make
// is there (a view, other columns, a later version's schema): it is left untouched.
Outcome prepare(bool *foreign = nullptr);

// Inserts the inspection when its id is -1 (and sets the id) or updates its row,
// claiming it for `owner` (empty: no claim). Values are kept as given. When the row
// has been changed by someone else since it was read, it is left as it is and the
// inspection is written as a new row of its own, with *copied set. A row deleted
// meanwhile is written anew. An inspection whose scanner has gone (deleted, or its key
// taken by another scanner) is written detached from any scanner: equipmentKey -1.
Outcome save(StoredInspection &inspection, const QString &owner = QString(),
             bool *copied = nullptr);
// The inspections of one scanner, newest first.
QVector<StoredInspection> forEquipment(int equipmentKey, Outcome *outcome = nullptr);
// The most recently changed draft that no running copy holds; false if none. Its
// equipmentKey is -1 when its scanner has gone, its `scanner` names it as it was.
bool latestDraft(StoredInspection *draft, Outcome *outcome = nullptr);
// Renews (or takes, when free or stale) the claim of `owner` on a row; false when
// another running copy holds it or the file is busy.
bool claim(qint64 id, const QString &owner);
// Done only when the row was there and is gone.
Outcome remove(qint64 id);
// Deletes a scanner from `usequip` with its inspections, in one transaction.
Outcome removeEquipment(int equipmentKey);
// Moves the scanner record kept with a scanner's inspections from `before` to `after`,
// when the record itself was edited.
Outcome renameEquipment(int equipmentKey, const QStringList &before, const QStringList &after);
// The scanner's record by key (Institution, Place, ID, Model, Manufacturer); empty
// when it is not registered.
QStringList equipmentRecord(int equipmentKey);
// The ID (column `ID` of `usequip`) of a scanner; empty when it is not registered.
QString equipmentId(int equipmentKey);

// Values that could not be written before the program closed, kept in a file beside
// zetu.db until the next start writes them: appended to what the file holds.
bool keepForRecovery(const QString &fileName, const StoredInspection &inspection);
// What the file holds; `readable` false when it exists but is no list of inspections.
QVector<StoredInspection> readRecovery(const QString &fileName, bool *readable = nullptr);
// Rewrites the file with what is still to be written; removes it when nothing is.
bool replaceRecovery(const QString &fileName, const QVector<StoredInspection> &left);

} // namespace InspectionStore

#endif // INSPECTIONSTORE_H
