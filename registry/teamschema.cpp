#include "registry/teamschema.h"

#include "core/logging.h"
#include "teamschemasql.h"

#include <QSqlError>
#include <QSqlQuery>

QString TeamSchema::script()
{
    return QString::fromUtf8(teamSql);
}

QStringList TeamSchema::statements(const QString &script)
{
    QStringList statements;
    QString statement;
    for (const QString &line : script.split(QLatin1Char('\n'))) {
        const QString text = line.trimmed();
        if (text.isEmpty() || text.startsWith(QLatin1String("--")))
            continue;
        statement += (statement.isEmpty() ? QString() : QStringLiteral(" ")) + text;
        if (text.endsWith(QLatin1Char(';'))) {
            statement.chop(1);
            statements << statement;
            statement.clear();
        }
    }
    if (!statement.isEmpty())
        statements << statement;
    return statements;
}

bool TeamSchema::keepRights()
{
    QSqlQuery query;
    if (query.exec(QStringLiteral("SELECT MAX(version) FROM zetu_rights")) && query.next() &&
        query.value(0).toInt() >= rightsVersion)
        return true;
    query.finish();
    if (!query.exec(QStringLiteral("SELECT pg_has_role(current_user, (SELECT relowner FROM "
                                   "pg_class WHERE relname = 'zetu_schema' AND relkind = 'r'), "
                                   "'MEMBER')")) ||
        !query.next() || !query.value(0).toBool()) {
        qCInfo(zetuStore) << "the team's rights are of an earlier version: the owner of the "
                             "database brings them up to date at their next start";
        return false;
    }
    query.finish();
    if (!query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS zetu_rights (version INTEGER)")) ||
        grantRights() > 0 ||
        !query.exec(
            QStringLiteral("INSERT INTO zetu_rights (version) VALUES (%1)").arg(rightsVersion))) {
        qCWarning(zetuStore) << "the team's rights are not up to date:" << query.lastError().text();
        return false;
    }
    qCInfo(zetuStore) << "the team's rights are now of version" << rightsVersion;
    return true;
}

int TeamSchema::grantRights()
{
    int failures = 0;
    QSqlQuery query;
    for (const QString &statement : statements(script())) {
        if (!query.exec(statement)) {
            qCWarning(zetuStore) << "the team's server refused" << statement.left(60)
                                 << query.lastError().text();
            ++failures;
        }
    }
    return failures;
}
