#include "registry/database.h"

#include <QFile>
#include <QStringList>

DataBase::DataBase() = default;

DataBase::~DataBase() = default;

void DataBase::openDataBase(const QString &fileName)
{
    db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(fileName);
    if (QFile::exists(fileName))
        db.open();
    else
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
