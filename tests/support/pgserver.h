#ifndef PGSERVER_H
#define PGSERVER_H

#include "registry/database.h"

#include <QtCore>
#include <QtSql>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

// A real PostgreSQL for a suite: a cluster made with Debian's initdb in a temporary
// folder, run by pg_ctl on a Unix socket in that folder, stopped when the suite ends,
// also when a case failed. As root, initdb and the server run as `nobody` (setpriv),
// since PostgreSQL refuses root. The superuser is `zetu_admin`, trusted on the socket,
// so no password is asked for; `passwordUser` must give a password on the socket. With
// TLS the server also listens on 127.0.0.1 at a free port, with a certificate for
// `localhost` from a throwaway CA (caFile(); otherCaFile() is one it never used).
class PgServer
{
public:
    enum Transport { SocketOnly, WithTls };
    inline static const QString passwordUser = "zetu_pw";

    ~PgServer() { stop(); }

    // Makes and starts the cluster; false with skipReason set when the binaries are
    // missing, with failure set when they are there and fail. TLS asked for without the
    // openssl command: the socket alone, tlsSkipReason set.
    bool start(Transport transport = SocketOnly)
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
        QFile hba(data() + "/pg_hba.conf");
        if (!hba.open(QIODevice::ReadOnly))
            return fail("cannot read pg_hba.conf");
        const QByteArray trusted = hba.readAll();
        hba.close();
        if (!hba.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            hba.write("local all " + passwordUser.toUtf8() + " scram-sha-256\n" + trusted) < 0)
            return fail("cannot write pg_hba.conf");
        hba.close();
        if (transport == WithTls && !makeCertificates())
            return false;
        return up();
    }
    // Starts a stopped cluster again.
    bool up()
    {
        const QString tcp =
            tlsPort ? QString("-c listen_addresses=127.0.0.1 -c ssl=on -c ssl_cert_file=%1 "
                              "-c ssl_key_file=%2")
                          .arg(dir.filePath("server.crt"), dir.filePath("server.key"))
                    : QString("-c listen_addresses=''");
        return run("pg_ctl", {"-D", data(), "-w", "-t", "20", "-l", dir.filePath("log"), "-o",
                              QString("-k %1 -p %2 %3 -c fsync=off -c full_page_writes=off")
                                  .arg(dir.path())
                                  .arg(port)
                                  .arg(tcp),
                              "start"});
    }
    QString caFile() const { return dir.filePath("ca.crt"); }
    QString otherCaFile() const { return dir.filePath("other.crt"); }
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
    QString tlsSkipReason;
    QString failure;
    int port = 5432; // also names the socket file
    int tlsPort = 0; // the TCP port with TLS; 0 without

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
    static int freePort()
    {
        const int s = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        int port = 0;
        if (s >= 0 && ::bind(s, reinterpret_cast<sockaddr *>(&address), size) == 0 &&
            ::getsockname(s, reinterpret_cast<sockaddr *>(&address), &size) == 0)
            port = ntohs(address.sin_port);
        if (s >= 0)
            ::close(s);
        return port;
    }
    // The CA, the server's key and certificate for localhost, and a CA that signed nothing.
    bool makeCertificates()
    {
        if (QStandardPaths::findExecutable("openssl").isEmpty()) {
            tlsSkipReason = "the openssl command is missing: no certificates for the TLS cases";
            return true;
        }
        const QStringList key = {"-newkey", "ec",    "-pkeyopt", "ec_paramgen_curve:prime256v1",
                                 "-nodes",  "-days", "2"};
        const QString server = dir.filePath("server.key");
        if (!run("openssl", QStringList{"req", "-x509", "-subj", "/CN=ZETU test CA", "-keyout",
                                        "ca.key", "-out", "ca.crt"} +
                                key) ||
            !run("openssl", QStringList{"req", "-x509", "-subj", "/CN=ZETU other CA", "-keyout",
                                        "other.key", "-out", "other.crt"} +
                                key) ||
            !run("openssl", QStringList{"req", "-x509", "-subj", "/CN=localhost", "-addext",
                                        "subjectAltName=DNS:localhost", "-CA", "ca.crt", "-CAkey",
                                        "ca.key", "-keyout", server, "-out", "server.crt"} +
                                key) ||
            !QFile::setPermissions(server, QFile::ReadOwner | QFile::WriteOwner) ||
            (asRoot() &&
             ::chown(QFile::encodeName(server).constData(), nobodyId(), nobodyGroup()) != 0))
            return false;
        port = tlsPort = freePort();
        return tlsPort > 0 || fail("no free TCP port");
    }
    bool run(const QString &tool, const QStringList &arguments)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.setWorkingDirectory(dir.path());
        QStringList command = QStringList{tool == "openssl" ? tool : bin + "/" + tool} + arguments;
        if (asRoot() && tool != "openssl")
            command = QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups"} + command;
        process.start(asRoot() && tool != "openssl" ? "setpriv" : command.takeFirst(), command);
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
