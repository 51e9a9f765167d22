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
