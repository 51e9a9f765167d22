#ifndef TRANSDUCERSTORE_H
#define TRANSDUCERSTORE_H

#include "core/transducer.h"
#include "history/inspectionstore.h"

#include <QHash>
#include <QVector>

// Reads and writes table `transducer` of zetu.db on the default connection: the
// transducers of each scanner. A row keeps its scanner's key and record, as inspections
// do, so that a scanner that reuses a deleted scanner's key never gets its transducers;
// transducer keys are never reused. Inspections name their transducer by key.
namespace TransducerStore {

using InspectionStore::Outcome;

// The statements that make the table, in a file that lacks it.
QStringList createStatements();
// The statements that place the inspections of an earlier version, which name their
// transducer by a typed text only: each scanner gets one transducer per distinct text
// (its model), of the type the text names, and each of its inspections that has the
// text is placed under it; the date of each inspection is kept in column Inspected.
QStringList placementStatements();

// The transducers of a scanner, the retired ones included, in the order they were
// added, with their latest reported inspection's date and count of inspections.
QVector<Transducer> forEquipment(int equipmentKey, Outcome *outcome = nullptr);
// Keeps a new transducer of the scanner with `record` (and sets its key), or the
// changes of one already kept.
Outcome save(Transducer &transducer, const QStringList &record);
// Deletes a transducer that no inspection names, in one transaction with the check;
// retires one that has inspections (*retired set), which keeps its history.
Outcome remove(qint64 key, bool *retired = nullptr);

// What step 1's list shows of each scanner: the earliest next date of its transducers
// in use (invalid: one was never inspected), how many of them are overdue.
struct ScannerDue
{
    QDate next;
    bool due = false; // has a transducer in use
    int overdue = 0;
};
QHash<int, ScannerDue> dueByScanner(const QDate &today, Outcome *outcome = nullptr);
// An SQL expression of a usequip row (columns unqualified: a correlated subquery) that
// orders scanners by their earliest next date, never-inspected transducers first and
// scanners without a transducer in use last.
QString nextDateOrder();

} // namespace TransducerStore

#endif // TRANSDUCERSTORE_H
