#ifndef DATABASE_H
#define DATABASE_H

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

// Where the team's data lives when `zetu.ini` names a server: group [Database] with
// Driver=QPSQL, Host, Port, Name, User, SslMode and, instead of them, Service (a name of
// libpq's service file). The password never comes from zetu.ini: libpq finds it
// (~/.pgpass, PGPASSFILE, the service file), or the user types it and it stays in memory
// with the settings of the window's connection.
struct ServerSettings
{
    QString host;
    int port = 5432;
    QString name;
    QString user;
    QString sslMode;
    QString service;
    // Typed by the user at the start; never read from zetu.ini nor written anywhere.
    QString password;

    // Read from the INI file `iniFile`; null (isSet() false) without Driver=QPSQL.
    static ServerSettings read(const QString &iniFile);
    bool isSet() const { return set; }
    // A host on this computer: its own socket or loopback address.
    bool isLocal() const;
    // The SSL mode used: as set, verify-full when none is set and the host is not local;
    // a mode that would send the password unchecked to another computer is not taken.
    QString effectiveSslMode() const;
    // libpq's options besides host, port, name and user: timeouts that keep every call
    // short (`statementMs` 0: no statement timeout).
    QString connectOptions(int statementMs) const;
    // Where the data is, as the About box and the log name it: "ana@host:5432/zetu", or
    // the service's name.
    QString describe() const;
    // Binds `db` to the server (not opened).
    void apply(QSqlDatabase &db, int statementMs) const;

private:
    bool set = false;
};

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
    // Opens the team's server that `iniFile` names, else the file `fileName`.
    void openConfigured(const QString &fileName, const QString &iniFile);
    // Opens the team's server; false (logged) when it cannot be reached now. A server that
    // asks for a password that libpq does not have gets the one typed by the user, asked
    // again (a few times) when refused; false when the user cancels.
    bool openServer(const ServerSettings &settings);
    // Whether the server takes a new connection, made and dropped on the calling thread
    // (it may wait for the connection timeout: call it away from the window).
    static bool serverAnswers(const ServerSettings &settings, QSqlError *error = nullptr);
    // How long the start waits for the server to answer.
    static const int startWaitMs = 900;
    // Opens the server's connection again (after it was lost): false while it is gone.
    bool reopen();
    // Whether the program works on a team's server rather than on zetu.db.
    bool onServer() const { return server.isSet(); }
    const ServerSettings &serverSettings() const { return server; }
    QSqlDatabase connection() const { return db; }
    // What the person connected may do on the team's server, read from the server:
    // "physicist" (everything), "technician" (inspections and scanners; tolerance sets,
    // choices and baselines only read), "" on zetu.db, where everything is allowed.
    static QString teamRole();
    // Time every statement on the server may take, so that the window never waits 1 s.
    static const int statementTimeoutMs = 800;
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
    enum class Trial { Open, Refused, Silent };
    // Tries the server on a thread of its own, waiting startWaitMs for its answer.
    static Trial tryServer(const ServerSettings &settings, QSqlError *error);
    // Asks the user for the password, saying that the last one was `refused`; false when
    // the user cancels. The password typed is kept only in memory.
    static bool askPassword(ServerSettings *settings, bool refused);
    State prepareServerRegistry();

    QSqlDatabase db;
    QSqlQuery query;
    ServerSettings server;
    State registry = Busy; // table `usequip` as last looked at
};

#endif // DATABASE_H
