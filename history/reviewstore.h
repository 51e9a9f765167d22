#ifndef REVIEWSTORE_H
#define REVIEWSTORE_H

#include "core/teamrole.h"
#include "history/inspectionstore.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

// The physicist's review of reported inspections, in table `review` on the default
// connection. Each time an inspection's report is saved it is filed for review: a row
// for the inspection's revision at that moment, awaiting. The reviewer approves it or
// returns it to its technician with a note, which changes that row; an inspection
// returned and reported again is filed again under its new revision. The latest row of
// an inspection is its review. Inspections reported before reviews were kept have no
// row: they were filed long ago, and print and list as they always did.
namespace ReviewStore {

struct Review
{
    enum State { None = -1, Awaiting = 0, Approved = 1, Returned = 2 };
    qint64 inspection = -1;
    qint64 revision = 0; // the inspection's revision when it was filed
    State state = None;
    QString who; // the reviewer
    QDateTime at;
    QString note; // why it was returned

    // "Aguardando revisão", "Aprovado por Ana em 02/03/2026", "Devolvido: <note>" (its
    // first line, cut after some sixty characters), in the catalogue's language; empty
    // for None.
    QString describe() const;
};

enum class Outcome {
    Done,
    Busy,     // the store is held by another program: nothing written, try again
    Failed,   // the store refused it (see the log)
    Denied,   // the server does not let the connected user review
    NoName,   // no reviewer named
    SameName, // approved by the name that made the inspection
    NoNote,   // returned without a note
    Changed,  // no longer awaiting this review: reviewed, changed or reported anew meanwhile
};

// The tables of a store that lacks them.
QStringList createStatements();
// Files an inspection for review: binds its key, its revision and the time.
QString fileStatement();
// A condition on table `inspection` that holds for the reported inspections awaiting
// review.
QString awaitingCondition();

// What the person connected may do: Everyone on a file of one's own; on a server, what
// the server's groups give the connected user.
TeamRole connectedRole();

// The latest review of each inspection of scanner `equipmentKey` (-1: of every one), by
// the inspection's key.
QHash<qint64, Review> latest(int equipmentKey = -1, InspectionStore::Outcome *outcome = nullptr);
// The latest review of one inspection; state None when it has none or it cannot be read.
Review latestOf(qint64 inspectionId);

// Approves `pending` (as it was listed), by `who`, unless `who` made the inspection.
Outcome approve(const Review &pending, const QString &who);
// Returns `pending` to its technician by `who`, with `note`.
Outcome giveBack(const Review &pending, const QString &who, const QString &note);

} // namespace ReviewStore

#endif // REVIEWSTORE_H
