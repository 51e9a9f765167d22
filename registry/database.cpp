#include "registry/database.h"

#include <QFile>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

DataBase::DataBase() = default;

DataBase::~DataBase() = default;

void DataBase::openDataBase(const QString &fileName)
{
    db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(fileName);
    if (!QFile::exists(fileName)) {
        createTable();
        return;
    }
    if (!db.open())
        return;
    // A file without the registry table (an empty file, say) gets it; a file that
    // is not an SQLite database fails the lookup and is left as it is.
    QSqlQuery lookup(db);
    lookup.prepare(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name = ?"));
    lookup.addBindValue(QStringLiteral("usequip"));
    if (lookup.exec() && !lookup.next())
        createTable();
}

void DataBase::createTable()
{
    if (!db.open())
        return;
    query = QSqlQuery(db);
    const QStringList columns = {
        QStringLiteral("ID_key INTEGER primary key"), QStringLiteral("Institution VARCHAR(80)"),
        QStringLiteral("Place VARCHAR(80)"),          QStringLiteral("ID VARCHAR(80)"),
        QStringLiteral("Model VARCHAR(40)"),          QStringLiteral("Manufacturer VARCHAR(80)")};
    query.exec(QStringLiteral("CREATE TABLE usequip (") + columns.join(QStringLiteral(", ")) +
               QStringLiteral(")"));
}

void DataBase::closeDataBase()
{
    db.close();
}

bool DataBase::createInspectionTable()
{
    if (!db.isOpen())
        return false;
    QSqlQuery create(db);
    const QStringList columns = {
        QStringLiteral("ID_key INTEGER primary key"), QStringLiteral("Equipment INTEGER"),
        QStringLiteral("Started VARCHAR(30)"),        QStringLiteral("Changed VARCHAR(30)"),
        QStringLiteral("Technician VARCHAR(80)"),     QStringLiteral("State INTEGER"),
        QStringLiteral("Report VARCHAR(260)"),        QStringLiteral("Inputs TEXT")};
    return create.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS inspection (") +
                       columns.join(QStringLiteral(", ")) + QStringLiteral(")")) &&
           create.exec(QStringLiteral(
               "CREATE INDEX IF NOT EXISTS inspection_equipment ON inspection (Equipment)"));
}

bool DataBase::isWritable()
{
    if (!db.isOpen())
        return false;
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    probe.exec(QStringLiteral("ROLLBACK"));
    return true;
}
