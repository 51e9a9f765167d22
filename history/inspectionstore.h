#ifndef INSPECTIONSTORE_H
#define INSPECTIONSTORE_H

#include "history/storedinspection.h"

#include <QSqlDatabase>
#include <QVector>

// Reads and writes table `inspection` of zetu.db on the default connection. Every
// write is one transaction that changes nothing when it fails. A file locked by
// another program or copy, or a full disk, gives Busy: the caller tries again later.
//
// Each row carries a revision, counted up by every write, and a claim: the copy of the
// program that has the inspection open (its owner token) and a heartbeat that the copy
// changes at every renewal. No two computers' clocks are compared: a claim is free
// again once this copy has seen its heartbeat unchanged for `staleClaimSeconds` by its
// own clock (a copy that crashed), and at once when its copy ran on this computer and
// has stopped.
namespace InspectionStore {

enum Outcome { Done, Busy, Failed };

const int staleClaimSeconds = 300;
// Stored values longer than this (in characters) are not read: such a row is
// unreadable and StoredInspection::tooLong.
const int valuesLimit = 1000000;

// What a real write finds in the open zetu.db, rolled back at once: the file locked by
// another program (Busy: try later), the file or its folder refused by the file system
// or SQLite, or a file that is damaged or no database. `reason` says why.
enum class FileState { Writable, Busy, ReadOnly, Damaged };
FileState checkFile(QString *reason);

// This running copy's owner token. A lock file in the temporary folder holds it while
// the copy runs, so that other copies on this computer can tell when it has stopped.
QString ownToken();

// Makes table `inspection` ready: creates it, or upgrades the table of the earlier
// version (without revision, claim and scanner record) in place. Failed, with
// *foreign set, when something named `inspection` that this version did not make
// is there (a view, other columns, a later version's schema): it is left untouched.
Outcome prepare(bool *foreign = nullptr);
// The same on a team's server, whose schema version is kept in table zetu_schema.
Outcome prepareServer(bool *foreign = nullptr);
// Done when the file open on `connection` has no table `inspection`, or one that this
// version or the earlier one made; Failed when it holds something else by that name.
Outcome knownSchema(const QSqlDatabase &connection);

// Inserts the inspection when its id is -1 (and sets the id) or updates its row,
// claiming it for `owner` (empty: no claim); a reported one marked forReview is filed
// for review in the same transaction (and the mark cleared). Values are kept as given. When the row
// has been changed by someone else since it was read, it is left as it is and the
// inspection is written as a new row of its own, with *copied set. A row deleted
// meanwhile is written anew. An inspection whose scanner has gone (deleted, or its key
// taken by another scanner) is written detached from any scanner: equipmentKey -1.
Outcome save(StoredInspection &inspection, const QString &owner = QString(),
             bool *copied = nullptr);
// The inspections of one scanner, newest first.
QVector<StoredInspection> forEquipment(int equipmentKey, Outcome *outcome = nullptr);
// Every inspection, newest first, each with its scanner's record (as kept with it, else
// as registered), also those whose scanner has gone.
QVector<StoredInspection> all(Outcome *outcome = nullptr);
// The reported inspections that wait for review, of every scanner, each with its
// scanner's record.
QVector<StoredInspection> awaitingReview(Outcome *outcome = nullptr);
// The most recently changed draft that no running copy holds, claimed for `owner` in
// the transaction that chooses it; false if none. Its equipmentKey is -1 when its
// scanner has gone, its `scanner` names it as it was.
bool latestDraft(StoredInspection *draft, const QString &owner, Outcome *outcome = nullptr);
// Renews (or takes, when free or stale) the claim of `owner` on a row: Failed when
// another running copy holds it. A row that is not there is Done.
Outcome claim(qint64 id, const QString &owner);
// Lets go of the claim of `owner` on a row, or on every row when `id` is -1.
void release(qint64 id, const QString &owner);
// How long a heartbeat must be seen unchanged before its claim is free.
void setStaleClaimTime(int milliseconds);
// Done only when the row was there and is gone (with its reviews).
Outcome remove(qint64 id);
// Deletes a scanner from `usequip` with its inspections and their reviews, in one
// transaction.
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
// zetu.db until the next start writes them: appended to what the file holds. Copies
// closing together take turns (a lock file "<fileName>.lock"); a file that is not a
// list of inspections is set aside first. False, logged, when it cannot be written.
bool keepForRecovery(const QString &fileName, const StoredInspection &inspection);
// What the file holds; `readable` false when it exists but is no list of inspections
// or no regular file (a FIFO is never waited on).
QVector<StoredInspection> readRecovery(const QString &fileName, bool *readable = nullptr);
// Rewrites the file with what is still to be written; removes it when nothing is.
bool replaceRecovery(const QString &fileName, const QVector<StoredInspection> &left);
// Renames a file that cannot be read, so that it is kept, to a name of its own beside
// it; returns that name, empty when it could not be renamed.
QString setAside(const QString &fileName);
// Writes what the file holds into zetu.db and removes what was written: Busy while
// zetu.db refuses it or another copy has the file. *written counts what went in; a file
// that cannot be read is set aside under *aside and nothing of it is written.
Outcome importRecovery(const QString &fileName, int *written, QString *aside);
// A file of the user's data folder that keeps the values of this copy when zetu.db
// cannot keep them (read-only, damaged): named once per copy.
QString personalRecoveryFile();

} // namespace InspectionStore

#endif // INSPECTIONSTORE_H
