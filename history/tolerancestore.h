#ifndef TOLERANCESTORE_H
#define TOLERANCESTORE_H

#include "core/tolerance.h"
#include "history/inspectionstore.h"

#include <QDateTime>
#include <QVector>

class QSqlQuery;

// Reads and writes the tolerance sets, each scanner's choice of set, each transducer's
// baselines and the audit trail of their changes, in zetu.db on the default connection.
// A set is never changed in place: each change is kept as its next version, so that the
// version an inspection was judged with can always be read again. Every change is one
// transaction with its line of the audit trail.
namespace ToleranceStore {

using InspectionStore::Outcome;

// Why the last statement that failed here failed, as zetu.db said it; empty before any.
QString lastFailure();

// The statements that make the tables, in a file that lacks them.
QStringList createStatements();
// Adds the built-in sets that are missing; false with the query's error.
bool keepBuiltInSets(QSqlQuery &query);

// The latest version of every set, the built-in ones first, then by name.
QVector<ToleranceSet> sets(Outcome *outcome = nullptr);
// One version of a set; false when zetu.db does not have it.
bool set(qint64 id, int version, ToleranceSet *set);

// Who made a change and why, as typed.
struct Signed
{
    QString who;
    QString why;
};

// Keeps `copy` (its name and rules) as a new set, version 1, and sets its id.
Outcome addSet(ToleranceSet &copy, const QString &copiedFrom, const Signed &by);
// Keeps the rules and name of a set as its next version (and sets it): Failed for a
// built-in set, and when another copy has kept a later version meanwhile.
Outcome changeSet(ToleranceSet &set, const Signed &by);

// The latest version of the set a scanner is judged with; the original rules when none
// was chosen or the file cannot tell.
ToleranceSet setForScanner(int equipmentKey, Outcome *outcome = nullptr);
// The id of the set chosen for the scanner; ToleranceSet::OriginalId when none, and
// when the file cannot tell (then `outcome` says why).
qint64 chosenSet(int equipmentKey, Outcome *outcome = nullptr);
Outcome chooseSet(int equipmentKey, const QStringList &record, const ToleranceSet &set,
                  const Signed &by);

// A transducer's baselines, oldest first, the one in force last. The first reported
// inspection of a transducer is its baseline until another is chosen (`chosen` invalid).
struct BaselineEntry
{
    qint64 inspectionId = -1;
    QDate date; // the inspection's date
    QDateTime chosen;
    QString who;
    QString why;
};
QVector<BaselineEntry> baselines(qint64 transducerKey, Outcome *outcome = nullptr);
// The inspection that is the transducer's baseline now; -1 when it has none, and when
// the file cannot tell (then `outcome` says why).
qint64 baselineInspection(qint64 transducerKey, Outcome *outcome = nullptr);
// The baseline an inspection of the transducer is judged against: none when there is
// no baseline yet, or when the inspection is the baseline itself.
Baseline baselineFor(qint64 transducerKey, qint64 inspectionId, Outcome *outcome = nullptr);
// Makes a reported inspection of the transducer its baseline: Failed without a reason,
// or when the inspection is no reported inspection of that transducer.
Outcome chooseBaseline(qint64 transducerKey, qint64 inspectionId, const Signed &by);

// One line of the audit trail.
struct AuditEntry
{
    enum Action { BaselineChosen, SetAdded, SetChanged, SetChosen };
    QDateTime at;
    QString who;
    Action action = BaselineChosen;
    QString subject; // the scanner's ID, or the transducer in words
    QString detail;  // the set's name and version, or the baseline inspection's date
    QString why;

    // "Linha de base: inspeção de 10/06/2025", in the language of the catalogue.
    QString describe() const;
};
// Newest first.
QVector<AuditEntry> auditTrail(Outcome *outcome = nullptr);

} // namespace ToleranceStore

#endif // TOLERANCESTORE_H
