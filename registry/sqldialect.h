#ifndef SQLDIALECT_H
#define SQLDIALECT_H

#include <QSqlDatabase>
#include <QString>

class QSqlError;
class QSqlQuery;

// What differs between the two engines the stores run on: SQLite's zetu.db, and a
// team's PostgreSQL server (Qt's QPSQL driver). The statements are the same wherever
// both engines take them; these give the few words that differ.
namespace SqlDialect {

// Whether `connection` (the default one when not given) is on a PostgreSQL server.
bool onServer(const QSqlDatabase &connection =
                  QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false));
// Begins a write transaction: SQLite takes the write lock at once.
QString beginWrite();
// The larger of two values: MAX(a, b) on SQLite, GREATEST(a, b) on the server.
QString greatest();
// Compares two values with NULL equal to NULL.
QString same(const QString &left, const QString &right);
// Locks the rows a SELECT reads until the transaction ends, so that no other client
// changes them between the read and the write (SQLite's write lock covers the file).
QString lockingRead();
// Appended to an INSERT that makes a row with a key: the server returns the key.
QString returningKey();
// The key of the row the last INSERT (with returningKey()) made.
qint64 insertedKey(QSqlQuery &query);
// A CREATE statement written for SQLite, with the server's types: keys made by the
// server, 64-bit integers, double-precision numbers.
QString schema(const QString &statement);
// Whether table `name` is there on the default connection.
bool hasTable(const QString &name);
// Now, in seconds since the epoch, by the clock of the server when on one (so that
// every client's claim is timed by the same clock), else this computer's.
qint64 now();

// Whether a failed statement met a condition that passes by itself: the file locked or
// full (SQLite), or a server that is busy (a serialization failure, a deadlock, a lock
// or statement timeout), restarting, or out of reach.
bool isPassing(const QSqlError &error);
// Whether the server refused the statement to the connected user (no right to it).
bool isRefused(const QSqlError &error);
// Whether the error says the server cannot be reached (the connection broken or
// refused); the store's connection is then reopened once the server answers again.
bool isConnectionLost(const QSqlError &error);

} // namespace SqlDialect

#endif // SQLDIALECT_H
