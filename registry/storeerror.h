#ifndef STOREERROR_H
#define STOREERROR_H

#include "core/logging.h"
#include "registry/sqldialect.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariantList>

// Whether a failed statement on zetu.db met a condition that passes by itself: the
// file locked by another program or another copy (SQLITE_BUSY, SQLITE_LOCKED) or a
// full disk (SQLITE_FULL). Such a write is tried again later; any other failure is
// the file's own (read-only, not a database, damaged).
// On a team's server the same holds for a busy or unreachable server (SqlDialect).
inline bool isPassingStoreError(const QSqlError &error)
{
    return SqlDialect::isPassing(error);
}

// Prepares, binds and runs one statement on zetu.db; false with the statement's own
// error, also when it could not even be prepared (the schema of a locked file cannot be
// read).
inline bool runBound(QSqlQuery &query, const QString &sql,
                     const QVariantList &values = QVariantList())
{
    if (!query.prepare(sql))
        return false;
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec();
}

// One write transaction on the default connection, rolled back unless committed.
// On SQLite BEGIN IMMEDIATE takes the write lock first, so only it waits for another
// writer; on a server the rows read to be written are locked as they are read.
class StoreTransaction
{
public:
    bool begin() { return open = query.exec(SqlDialect::beginWrite()); }
    bool commit() { return !(open = !query.exec(QStringLiteral("COMMIT"))); }
    ~StoreTransaction()
    {
        if (open && !query.exec(QStringLiteral("ROLLBACK")))
            qCWarning(zetuStore) << "cannot roll back a write:" << query.lastError().text();
    }
    QSqlQuery query;

private:
    bool open = false;
};

#endif // STOREERROR_H
