#ifndef DATABASECOPY_H
#define DATABASECOPY_H

#include <QString>

// Backup copies of zetu.db: taken while the program runs, checked, and put in place of
// the file at the next start. Every function opens a connection of its own and closes it
// again, so it may run on any thread; none waits longer than `busyWaitMs` for a lock
// that another program or copy holds.
namespace DatabaseCopy {

const int busyWaitMs = 3000;

struct Outcome
{
    enum Kind { Done, Busy, Failed };
    Kind kind = Failed;
    QString reason; // what failed, as SQLite or the file system says it
};

// Writes the database `source` as it is at one moment (VACUUM INTO, which readers and
// writers of the file go on using meanwhile) to `target`, replacing it. The copy is made
// under a hidden name beside `target` and takes its name only once it is complete.
Outcome backup(const QString &source, const QString &target);

// Whether `file` is a database this version can use: it opens, SQLite's integrity
// check finds nothing, table `usequip` has its columns and table `inspection`, when it
// is there, is one that this version or the earlier one made.
Outcome check(const QString &file);

// The name beside `database` under which a checked copy waits for the next start.
QString stagedName(const QString &database);
// Copies `copy` to stagedName(database) and checks what was copied; nothing is left
// there when the check fails.
Outcome stage(const QString &copy, const QString &database);

// At start, before the database is opened: a staged copy takes the place of `database`,
// which is kept beside it under a dated name ("zetu-2025-03-07-101500.db"), with its
// journal when it has one. Returns that name (empty when there was no database);
// *applied tells whether a staged copy was put in place, *problem why it could not be
// (the files are then as they were, and the next start tries again).
QString applyStaged(const QString &database, bool *applied, QString *problem);

} // namespace DatabaseCopy

#endif // DATABASECOPY_H
