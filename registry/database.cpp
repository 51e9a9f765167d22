#include "registry/database.h"

#include "core/logging.h"
#include "registry/storeerror.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace {

DataBase::State failure(const QSqlError &error, const char *what)
{
    qCWarning(zetuStore) << what << error.text();
    return isPassingStoreError(error) ? DataBase::Busy : DataBase::Unusable;
}

} // namespace

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
    if (!query.exec(QStringLiteral("CREATE TABLE usequip (") + columns.join(QStringLiteral(", ")) +
                    QStringLiteral(")")))
        qCWarning(zetuStore) << "cannot create table usequip:" << query.lastError().text();
}

// A file without the registry table (an empty file, say) gets it; a file that is
// not an SQLite database fails the lookup and is left as it is.
DataBase::State DataBase::prepareRegistry()
{
    if (registry == Ready || !db.isOpen())
        return registry == Ready ? Ready : Unusable;
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

void DataBase::closeDataBase()
{
    db.close();
}

DataBase::State DataBase::writability()
{
    if (!db.isOpen())
        return Unusable;
    if (registry == Busy) // locked since the start: another program is writing it
        return Busy;
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return failure(probe.lastError(), "zetu.db cannot be written now:");
    if (!probe.exec(QStringLiteral("ROLLBACK")))
        qCWarning(zetuStore) << "cannot roll back the write probe:" << probe.lastError().text();
    return Ready;
}
