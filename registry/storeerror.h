#ifndef STOREERROR_H
#define STOREERROR_H

#include <QSqlError>
#include <QSqlQuery>
#include <QVariantList>

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

// Prepares, binds and runs one statement on zetu.db; false with the statement's own
// error, also when it could not even be prepared (the schema of a locked file cannot be
// read).
inline bool runBound(QSqlQuery &query, const QString &sql, const QVariantList &values = {})
{
    if (!query.prepare(sql))
        return false;
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec();
}

#endif // STOREERROR_H
