#ifndef STOREERROR_H
#define STOREERROR_H

#include <QSqlError>

// Whether a failed statement on zetu.db met a condition that passes by itself: the
// file locked by another program or another copy (SQLITE_BUSY, SQLITE_LOCKED) or a
// full disk (SQLITE_FULL). Such a write is tried again later; any other failure is
// the file's own (read-only, not a database, damaged).
inline bool isPassingStoreError(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff; // primary of an extended code
    return ok && (code == 5 || code == 6 || code == 13);
}

#endif // STOREERROR_H
