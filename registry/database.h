#ifndef DATABASE_H
#define DATABASE_H

#include <QSqlDatabase>
#include <QSqlQuery>

// Owns the program's one database connection, Qt's default connection, on the
// SQLite file of the equipment registry. A statement waits at most `busyTimeoutMs`
// for a lock that another program or copy holds, so the window never waits long.
class DataBase
{
public:
    enum State { Ready, Busy, Unusable };
    static const int busyTimeoutMs = 200;

    DataBase();
    virtual ~DataBase();

    // A file that is not empty but lacks SQLite's header is never written: SQLite would
    // take a very short one for an empty database and write over it.
    void openDataBase(const QString &fileName);
    // Whether `fileName` is a regular file with something in it but no SQLite header.
    static bool isForeignFile(const QString &fileName);
    void createTable();
    // Makes sure table `usequip` is there, creating it in a file that lacks it; Busy
    // while the file is locked (try again later).
    State prepareRegistry();
    // Whether the open file can be written: a write transaction is begun and rolled
    // back, so nothing is changed. A file locked by another writer is Busy, which is
    // writable as soon as the lock ends.
    State writability();
    void closeDataBase();

private:
    QSqlDatabase db;
    QSqlQuery query;
    State registry = Busy; // table `usequip` as last looked at
};

#endif // DATABASE_H
