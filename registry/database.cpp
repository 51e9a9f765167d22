#include "registry/database.h"

#include "core/logging.h"
#include "registry/storeerror.h"

#include "registry/sqldialect.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QThread>
#include <QUuid>
#include <QVariant>
#include <memory>

namespace {

DataBase::State failure(const QSqlError &error, const char *what)
{
    qCWarning(zetuStore) << what << error.text();
    return isPassingStoreError(error) ? DataBase::Busy : DataBase::Unusable;
}

// The time libpq may take to reach the server, in seconds (its smallest useful value);
// the connection is first tried away from the window (ServerWatch) when it was lost.
const int connectTimeoutSeconds = 2;
// A lock held by another client is waited for this long, then the write is Busy.
const int lockTimeoutMs = 200;
// Data sent and not acknowledged for this long: the network is down.
const int tcpUserTimeoutMs = 900;

bool isPasswordRefused(const QSqlError &error)
{
    return (error.databaseText() + error.driverText())
        .contains(QLatin1String("password authentication failed"));
}

bool asksForPassword(const QSqlError &error)
{
    return isPasswordRefused(error) || (error.databaseText() + error.driverText())
                                           .contains(QLatin1String("no password supplied"));
}

// A password refused this many times: the program starts without the server.
const int passwordTries = 3;

} // namespace

ServerSettings ServerSettings::read(const QString &iniFile)
{
    ServerSettings settings;
    QSettings ini(iniFile, QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("Database"));
    settings.set = ini.value(QStringLiteral("Driver")).toString() == QLatin1String("QPSQL");
    settings.host = ini.value(QStringLiteral("Host")).toString().trimmed();
    settings.port = ini.value(QStringLiteral("Port"), settings.port).toInt();
    settings.name = ini.value(QStringLiteral("Name")).toString().trimmed();
    settings.user = ini.value(QStringLiteral("User")).toString().trimmed();
    settings.sslMode = ini.value(QStringLiteral("SslMode")).toString().trimmed().toLower();
    settings.service = ini.value(QStringLiteral("Service")).toString().trimmed();
    if (ini.contains(QStringLiteral("Password")))
        qCWarning(zetuStore) << "the password in zetu.ini is not read: use ~/.pgpass";
    return settings;
}

QString ServerSettings::describe() const
{
    const QString where = service.isEmpty()
                              ? QStringLiteral("%1:%2/%3").arg(host).arg(port).arg(name)
                              : QStringLiteral("service=%1").arg(service);
    return user.isEmpty() ? where : user + QLatin1Char('@') + where;
}

bool ServerSettings::isLocal() const
{
    if (host.isEmpty() || host.startsWith(QLatin1Char('/')) ||
        host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    return host.startsWith(QLatin1String("127.")) || host == QLatin1String("::1");
}

QString ServerSettings::effectiveSslMode() const
{
    static const QStringList checked = {QStringLiteral("require"), QStringLiteral("verify-ca"),
                                        QStringLiteral("verify-full")};
    if (isLocal())
        return sslMode.isEmpty() ? QStringLiteral("prefer") : sslMode;
    if (sslMode.isEmpty() || checked.contains(sslMode))
        return sslMode.isEmpty() ? QStringLiteral("verify-full") : sslMode;
    qCWarning(zetuStore) << "SslMode" << sslMode << "is not taken for the remote host" << host
                         << "- verify-full is used";
    return QStringLiteral("verify-full");
}

QString ServerSettings::connectOptions(int statementMs) const
{
    QStringList options = {QStringLiteral("connect_timeout=%1").arg(connectTimeoutSeconds),
                           QStringLiteral("sslmode=%1").arg(effectiveSslMode()),
                           QStringLiteral("application_name=ZETU"),
                           QStringLiteral("keepalives=1"),
                           QStringLiteral("keepalives_idle=5"),
                           QStringLiteral("keepalives_interval=1"),
                           QStringLiteral("keepalives_count=2"),
                           QStringLiteral("tcp_user_timeout=%1").arg(tcpUserTimeoutMs),
                           QStringLiteral("options='-c statement_timeout=%1 -c lock_timeout=%2 "
                                          "-c client_min_messages=warning'")
                               .arg(statementMs)
                               .arg(lockTimeoutMs)};
    if (!service.isEmpty())
        options << QStringLiteral("service=%1").arg(service);
    return options.join(QLatin1Char(';'));
}

void ServerSettings::apply(QSqlDatabase &db, int statementMs) const
{
    if (!host.isEmpty())
        db.setHostName(host);
    db.setPort(port);
    db.setDatabaseName(name);
    db.setUserName(user);
    db.setPassword(password);
    db.setConnectOptions(connectOptions(statementMs));
}

DataBase::DataBase() = default;

DataBase::~DataBase() = default;

void DataBase::openDataBase(const QString &fileName)
{
    db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(fileName);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    if (isForeignFile(fileName)) { // opened by the list's model at most: read-only then
        qCWarning(zetuStore) << fileName << "is no SQLite database: never written";
        db.setConnectOptions(
            QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
        registry = Unusable;
        return;
    }
    if (!QFile::exists(fileName)) {
        createTable();
        registry = db.isOpen() ? Ready : Unusable;
        return;
    }
    // The registry table is looked up (and made, in a file that lacks it) when the list
    // is first read: prepareRegistry.
    if (!db.open())
        registry = failure(db.lastError(), "cannot open zetu.db:");
}

void DataBase::openConfigured(const QString &fileName, const QString &iniFile)
{
    const ServerSettings settings = ServerSettings::read(iniFile);
    if (settings.isSet())
        openServer(settings);
    else
        openDataBase(fileName);
}

bool DataBase::serverAnswers(const ServerSettings &settings, QSqlError *error)
{
    const QString name = QStringLiteral("zetu-trial-") + QUuid::createUuid().toString();
    bool open = false;
    {
        QSqlDatabase trial = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        settings.apply(trial, statementTimeoutMs);
        open = trial.open();
        if (!open && error)
            *error = trial.lastError();
        trial.close();
    }
    QSqlDatabase::removeDatabase(name);
    return open;
}

// The server is first tried on a thread of its own: one that does not answer at once
// (a network that is down) leaves the window to start without it. A server that wants a
// password libpq does not have gets one typed by the user, asked again when refused.
bool DataBase::openServer(const ServerSettings &settings)
{
    server = settings;
    db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"));
    registry = Busy;
    for (int asked = 0;; ++asked) {
        QSqlError error;
        switch (tryServer(server, &error)) {
        case Trial::Open:
            return reopen();
        case Trial::Silent:
            qCWarning(zetuStore) << "the team's server does not answer within" << startWaitMs
                                 << "ms: the program starts without it";
            return false;
        case Trial::Refused:
            failure(error, "cannot reach the team's server:");
            break;
        }
        if (!asksForPassword(error) || !qobject_cast<QApplication *>(qApp))
            return false;
        if (asked == passwordTries) {
            qCWarning(zetuStore) << "the password was refused" << asked
                                 << "times: the program starts without the server";
            server.password.clear();
            return false;
        }
        if (!askPassword(&server, isPasswordRefused(error))) {
            qCInfo(zetuStore) << "no password typed: the program starts without the server";
            return false;
        }
    }
}

DataBase::Trial DataBase::tryServer(const ServerSettings &settings, QSqlError *error)
{
    struct Outcome
    {
        bool open = false;
        QSqlError error;
    };
    auto outcome = std::make_shared<Outcome>();
    QThread *thread = QThread::create(
        [settings, outcome] { outcome->open = serverAnswers(settings, &outcome->error); });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
    if (!thread->wait(startWaitMs))
        return Trial::Silent;
    *error = outcome->error;
    return outcome->open ? Trial::Open : Trial::Refused;
}

bool DataBase::askPassword(ServerSettings *settings, bool refused)
{
    QString label =
        QApplication::translate("DataBase", "Senha de %1 no servidor %2:")
            .arg(settings->user, settings->host.isEmpty() ? settings->service : settings->host);
    if (refused)
        label = QApplication::translate("DataBase", "Senha recusada pelo servidor.") +
                QLatin1Char('\n') + label;
    bool typed = false;
    const QString password =
        QInputDialog::getText(nullptr, QApplication::translate("DataBase", "Servidor da equipe"),
                              label, QLineEdit::Password, QString(), &typed);
    // a refused one is not tried again in the background
    settings->password = typed ? password : QString();
    return typed;
}

bool DataBase::reopen()
{
    db.close();
    server.apply(db, statementTimeoutMs);
    if (db.open())
        return true;
    failure(db.lastError(), "cannot reach the team's server:");
    return false;
}

QString DataBase::teamRole()
{
    if (!SqlDialect::onServer())
        return QString();
    QSqlQuery query;
    if (!query.exec(QStringLiteral(
            "SELECT pg_has_role(current_user, r.oid, 'MEMBER') FROM pg_roles r "
            "WHERE r.rolname = 'zetu_physicist' UNION ALL SELECT r.rolsuper OR "
            "pg_has_role(current_user, 'pg_database_owner', 'MEMBER') FROM pg_roles r WHERE "
            "r.rolname = current_user"))) {
        qCWarning(zetuStore) << "cannot read the team role:" << query.lastError().text();
        return QStringLiteral("technician");
    }
    bool physicist = false;
    while (query.next())
        physicist = physicist || query.value(0).toBool();
    return physicist ? QStringLiteral("physicist") : QStringLiteral("technician");
}

bool DataBase::isForeignFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    QFile file(fileName);
    return info.isFile() && info.size() > 0 && file.open(QIODevice::ReadOnly) &&
           file.read(16) != QByteArray("SQLite format 3", 16);
}

void DataBase::createTable()
{
    if (!db.open()) {
        failure(db.lastError(), "cannot open zetu.db:");
        return;
    }
    query = QSqlQuery(db);
    const QStringList columns = {
        QStringLiteral("ID_key INTEGER primary key"), QStringLiteral("Institution VARCHAR(80)"),
        QStringLiteral("Place VARCHAR(80)"),          QStringLiteral("ID VARCHAR(80)"),
        QStringLiteral("Model VARCHAR(40)"),          QStringLiteral("Manufacturer VARCHAR(80)")};
    // two clients may make it at once on a server
    const QString create = onServer() ? QStringLiteral("CREATE TABLE IF NOT EXISTS usequip (")
                                      : QStringLiteral("CREATE TABLE usequip (");
    if (!query.exec(
            SqlDialect::schema(create + columns.join(QStringLiteral(", ")) + QStringLiteral(")"))))
        qCWarning(zetuStore) << "cannot create table usequip:" << query.lastError().text();
}

// A file without the registry table (an empty file, say) gets it; a file that is
// not an SQLite database fails the lookup and is left as it is.
DataBase::State DataBase::prepareRegistry()
{
    if (registry == Ready || !db.isOpen())
        return registry == Ready ? Ready : onServer() ? Busy : Unusable;
    if (onServer())
        return registry = prepareServerRegistry();
    QSqlQuery lookup(db);
    if (!lookup.exec(QStringLiteral(
            "SELECT name FROM sqlite_master WHERE type = 'table' AND name = 'usequip'")))
        return registry = failure(lookup.lastError(), "cannot read zetu.db:");
    if (!lookup.next()) {
        createTable();
        if (query.lastError().isValid())
            return registry = failure(query.lastError(), "cannot create table usequip:");
    }
    return registry = Ready;
}

// On a server the table is made when it is missing; a server that cannot be reached is
// Busy, one that refuses (no right to make it) Unusable.
DataBase::State DataBase::prepareServerRegistry()
{
    if (SqlDialect::hasTable(QStringLiteral("usequip")))
        return Ready;
    if (db.lastError().isValid() && isPassingStoreError(db.lastError()))
        return failure(db.lastError(), "cannot read the team's server:");
    createTable();
    return query.lastError().isValid() ? failure(query.lastError(), "cannot create usequip:")
                                       : Ready;
}

void DataBase::closeDataBase()
{
    db.close();
}

DataBase::State DataBase::writability()
{
    if (!db.isOpen())
        return onServer() ? Busy : Unusable;
    if (registry == Busy) // locked since the start: another program is writing it
        return Busy;
    if (onServer()) // the server says what may be written, statement by statement
        return Ready;
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return failure(probe.lastError(), "zetu.db cannot be written now:");
    if (!probe.exec(QStringLiteral("ROLLBACK")))
        qCWarning(zetuStore) << "cannot roll back the write probe:" << probe.lastError().text();
    return Ready;
}
