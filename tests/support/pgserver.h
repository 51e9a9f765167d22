#ifndef PGSERVER_H
#define PGSERVER_H

#include "registry/database.h"

#include <QtCore>
#include <QtSql>
#include <unistd.h>

// A real PostgreSQL for a suite: a cluster made with Debian's initdb in a temporary
// folder, run by pg_ctl on a Unix socket in that folder (no TCP port), stopped when the
// suite ends, also when a case failed. As root, initdb and the server run as `nobody`
// (setpriv), since PostgreSQL refuses root. The superuser is `zetu_admin`, trusted on
// the socket, so no password is asked for.
class PgServer
{
public:
    static const int port = 5432; // names the socket file only

    ~PgServer() { stop(); }

    // Makes and starts the cluster; false with skipReason set when the binaries are
    // missing, with failure set when they are there and fail.
    bool start()
    {
        bin = binaries();
        if (bin.isEmpty()) {
            skipReason = "PostgreSQL's initdb and pg_ctl are missing: install Debian's "
                         "postgresql (scripts/install-deps.sh does) to run the server cases";
            return false;
        }
        if (!dir.isValid() || (asRoot() && ::chown(QFile::encodeName(dir.path()).constData(),
                                                   nobodyId(), nobodyGroup()) != 0))
            return fail("cannot make the cluster's folder");
        if (!run("initdb", {"-D", data(), "-A", "trust", "-U", "zetu_admin", "--no-sync", "-E",
                            "UTF8", "--locale=C"}))
            return false;
        return up();
    }
    // Starts a stopped cluster again.
    bool up()
    {
        return run("pg_ctl", {"-D", data(), "-w", "-t", "20", "-l", dir.filePath("log"), "-o",
                              QString("-k %1 -p %2 -c listen_addresses='' -c fsync=off "
                                      "-c full_page_writes=off")
                                  .arg(dir.path())
                                  .arg(port),
                              "start"});
    }
    bool isRunning() const { return running; }
    bool down() { return running && run("pg_ctl", {"-D", data(), "-w", "-m", "fast", "stop"}); }
    void stop()
    {
        if (running)
            run("pg_ctl", {"-D", data(), "-w", "-m", "immediate", "stop"});
    }

    // The settings a zetu.ini of `user` on database `name` gives.
    ServerSettings settings(const QString &user, const QString &name = "zetu") const
    {
        QTemporaryFile ini;
        ini.open();
        QSettings s(ini.fileName(), QSettings::IniFormat);
        writeIni(&s, user, name);
        s.sync();
        return ServerSettings::read(ini.fileName());
    }
    void writeIni(QSettings *s, const QString &user, const QString &name = "zetu") const
    {
        s->setValue("Database/Driver", "QPSQL");
        s->setValue("Database/Host", dir.path());
        s->setValue("Database/Port", port);
        s->setValue("Database/Name", name);
        s->setValue("Database/User", user);
    }
    // Runs statements as the superuser on database `name`; false, with failure set, when
    // one fails.
    bool admin(const QStringList &statements, const QString &name = "postgres")
    {
        bool done = true;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", "zetu-test-admin");
            settings("zetu_admin", name).apply(db, 0);
            done = db.open();
            for (const QString &sql : statements) {
                QSqlQuery query(db);
                if (done && !query.exec(sql)) {
                    failure = sql + ": " + query.lastError().text();
                    done = false;
                }
            }
            if (!db.isOpen())
                failure = db.lastError().text();
            db.close();
        }
        QSqlDatabase::removeDatabase("zetu-test-admin");
        return done;
    }

    QString skipReason;
    QString failure;

private:
    static bool asRoot() { return ::geteuid() == 0; }
    static uid_t nobodyId() { return 65534; }
    static gid_t nobodyGroup() { return 65534; }
    QString data() const { return dir.filePath("data"); }
    static QString binaries()
    {
        QStringList found =
            QDir("/usr/lib/postgresql").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        std::sort(found.begin(), found.end(),
                  [](const QString &a, const QString &b) { return a.toInt() > b.toInt(); });
        for (const QString &version : found) {
            const QString bin = "/usr/lib/postgresql/" + version + "/bin";
            if (QFile::exists(bin + "/initdb") && QFile::exists(bin + "/pg_ctl"))
                return bin;
        }
        return QString();
    }
    bool fail(const QString &why)
    {
        failure = why;
        return false;
    }
    bool run(const QString &tool, const QStringList &arguments)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.setWorkingDirectory(dir.path());
        QStringList command = QStringList{bin + "/" + tool} + arguments;
        if (asRoot())
            command = QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups"} + command;
        process.start(asRoot() ? "setpriv" : command.takeFirst(), command);
        const bool done = process.waitForFinished(30000) &&
                          process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
        if (!done)
            return fail(tool + " failed: " + QString::fromLocal8Bit(process.readAll()));
        if (tool == "pg_ctl")
            running = arguments.last() == "start";
        return true;
    }

    QTemporaryDir dir{QDir::temp().filePath("zetu-pg-XXXXXX")};
    QString bin;
    bool running = false;
};

#endif // PGSERVER_H
