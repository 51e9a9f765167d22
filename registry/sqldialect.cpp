#include "registry/sqldialect.h"

#include "core/logging.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

// SQLite's result codes (extended ones included) have at most four digits; the
// server's are five-character SQLSTATEs.
const int sqlStateLength = 5;

bool isSqlState(const QString &code)
{
    return code.size() == sqlStateLength;
}

} // namespace

bool SqlDialect::onServer(const QSqlDatabase &connection)
{
    return connection.driverName() == QLatin1String("QPSQL");
}

QString SqlDialect::beginWrite()
{
    return onServer() ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE");
}

QString SqlDialect::greatest()
{
    return onServer() ? QStringLiteral("GREATEST") : QStringLiteral("MAX");
}

QString SqlDialect::same(const QString &left, const QString &right)
{
    return left + (onServer() ? QStringLiteral(" IS NOT DISTINCT FROM ") : QStringLiteral(" IS ")) +
           right;
}

QString SqlDialect::lockingRead()
{
    return onServer() ? QStringLiteral(" FOR UPDATE") : QString();
}

QString SqlDialect::returningKey()
{
    return onServer() ? QStringLiteral(" RETURNING ID_key") : QString();
}

qint64 SqlDialect::insertedKey(QSqlQuery &query)
{
    if (!onServer())
        return query.lastInsertId().toLongLong();
    return query.next() ? query.value(0).toLongLong() : -1;
}

QString SqlDialect::schema(const QString &statement)
{
    if (!onServer())
        return statement;
    QString made = statement;
    made.replace(QRegularExpression(QStringLiteral("INTEGER\\s+PRIMARY\\s+KEY(\\s+AUTOINCREMENT)?"),
                                    QRegularExpression::CaseInsensitiveOption),
                 QStringLiteral("BIGSERIAL PRIMARY KEY"));
    made.replace(QRegularExpression(QStringLiteral("\\bINTEGER\\b"),
                                    QRegularExpression::CaseInsensitiveOption),
                 QStringLiteral("BIGINT"));
    made.replace(
        QRegularExpression(QStringLiteral("\\bREAL\\b"), QRegularExpression::CaseInsensitiveOption),
        QStringLiteral("DOUBLE PRECISION"));
    return made;
}

bool SqlDialect::hasTable(const QString &name)
{
    // a server's connection is never opened here: it is opened once the server answers
    const QSqlDatabase connection =
        onServer() ? QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false)
                   : QSqlDatabase::database();
    return connection.tables().contains(name, Qt::CaseInsensitive);
}

qint64 SqlDialect::now()
{
    if (onServer()) {
        QSqlQuery query;
        if (query.exec(QStringLiteral("SELECT CAST(EXTRACT(EPOCH FROM clock_timestamp()) AS "
                                      "BIGINT)")) &&
            query.next())
            return query.value(0).toLongLong();
        qCWarning(zetuStore) << "cannot read the server's clock:" << query.lastError().text();
    }
    return QDateTime::currentSecsSinceEpoch();
}

bool SqlDialect::isConnectionLost(const QSqlError &error)
{
    const QString code = error.nativeErrorCode();
    if (isSqlState(code)) // connection exceptions; the server shutting down or starting
        return code.startsWith(QLatin1String("08")) || code.startsWith(QLatin1String("57P"));
    // a broken connection fails before the server can give a state, and one the driver
    // has closed fails with no error at all
    return code.isEmpty() && onServer();
}

bool SqlDialect::isRefused(const QSqlError &error)
{
    return error.nativeErrorCode() == QLatin1String("42501"); // insufficient privilege
}

bool SqlDialect::isPassing(const QSqlError &error)
{
    const QString code = error.nativeErrorCode();
    if (isSqlState(code)) {
        // serialization failure, deadlock, lock not available, statement cancelled
        // (the statement timeout), and the connection's own troubles
        static const QStringList passing = {QStringLiteral("40001"), QStringLiteral("40P01"),
                                            QStringLiteral("55P03"), QStringLiteral("57014")};
        return passing.contains(code) || isConnectionLost(error);
    }
    if (isConnectionLost(error))
        return true;
    bool ok = false;
    const int primary = code.toInt(&ok) & 0xff; // the primary code of an extended one
    // SQLITE_BUSY, SQLITE_LOCKED, SQLITE_FULL
    return ok && (primary == 5 || primary == 6 || primary == 13);
}
