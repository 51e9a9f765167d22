#ifndef DATABASE_H
#define DATABASE_H

#include <QSqlDatabase>
#include <QSqlQuery>

// Owns the program's one database connection, Qt's default connection, on the
// SQLite file of the equipment registry.
class DataBase
{
public:
    DataBase();
    virtual ~DataBase();

    void openDataBase(const QString &fileName);
    void createTable();
    void closeDataBase();

private:
    QSqlDatabase db;
    QSqlQuery query;
};

#endif // DATABASE_H
