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
    // Creates table `inspection` (the stored inspections) and its index on the
    // scanner's key when they are missing; false when the file cannot take them.
    bool createInspectionTable();
    // Whether the open file can be written: a write transaction is begun and
    // rolled back, so nothing is changed.
    bool isWritable();
    void closeDataBase();

private:
    QSqlDatabase db;
    QSqlQuery query;
};

#endif // DATABASE_H
