#include "history/databasecopy.h"

#include "core/logging.h"
#include "history/inspectionstore.h"
#include "registry/equipmentfields.h"
#include "registry/storeerror.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace {

// The files SQLite keeps beside a database while it is used or after a crash.
const char *const companions[] = {"-journal", "-wal", "-shm"};

DatabaseCopy::Outcome done()
{
    return {DatabaseCopy::Outcome::Done, QString()};
}

DatabaseCopy::Outcome failure(const QString &reason, const char *what)
{
    qCWarning(zetuStore) << what << reason;
    return {DatabaseCopy::Outcome::Failed, reason};
}

DatabaseCopy::Outcome failure(const QSqlError &error, const char *what)
{
    qCWarning(zetuStore) << what << error.text();
    return {isPassingStoreError(error) ? DatabaseCopy::Outcome::Busy
                                       : DatabaseCopy::Outcome::Failed,
            error.text()};
}

// A connection of its own on `file`, read-only, removed when it goes out of scope.
class Connection
{
public:
    explicit Connection(const QString &file)
        : name(QStringLiteral("zetu-copy-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1")
                                 .arg(DatabaseCopy::busyWaitMs));
        opened = QFileInfo(file).isFile() && db.open();
        error = opened ? QSqlError() : db.lastError();
    }
    ~Connection()
    {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    QSqlDatabase db() const { return QSqlDatabase::database(name, false); }

    const QString name;
    bool opened = false;
    QSqlError error;
};

bool hasColumns(const QSqlDatabase &db, const QString &table, const QStringList &wanted,
                QSqlError *error)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table))) {
        *error = query.lastError();
        return false;
    }
    QStringList present;
    while (query.next())
        present << query.value(1).toString();
    for (const QString &column : wanted) {
        if (!present.contains(column, Qt::CaseInsensitive))
            return false;
    }
    return true;
}

bool moveWithCompanions(const QString &from, const QString &to, QString *why = nullptr)
{
    QFile file(from);
    if (!file.rename(to)) {
        if (why)
            *why = file.errorString();
        return false;
    }
    for (const char *suffix : companions) {
        if (QFile::exists(from + QLatin1String(suffix)) &&
            !QFile::rename(from + QLatin1String(suffix), to + QLatin1String(suffix)))
            qCWarning(zetuStore) << "cannot move" << from + QLatin1String(suffix);
    }
    return true;
}

} // namespace

DatabaseCopy::Outcome DatabaseCopy::backup(const QString &source, const QString &target)
{
    const QFileInfo targetInfo(target);
    const QString part = targetInfo.absoluteDir().filePath(
        QStringLiteral(".%1.%2.part")
            .arg(targetInfo.fileName(), QUuid::createUuid().toString(QUuid::Id128).left(8)));
    auto leftOver = qScopeGuard([&part] { QFile::remove(part); }); // unless it became the backup
    {
        Connection connection(source);
        if (!connection.opened)
            return failure(connection.error.isValid() ? connection.error.text()
                                                      : QStringLiteral("no such file"),
                           "cannot open zetu.db for a backup:");
        QSqlQuery query(connection.db());
        query.prepare(QStringLiteral("VACUUM INTO ?"));
        query.addBindValue(part);
        if (!query.exec())
            return failure(query.lastError(), "cannot write a backup of zetu.db:");
    }
    QFile replaced(target);
    if (replaced.exists() && !replaced.remove())
        return failure(replaced.errorString(), "cannot replace the backup file:");
    QFile written(part);
    if (!written.rename(target))
        return failure(written.errorString(), "cannot name the backup file:");
    leftOver.dismiss();
    return done();
}

DatabaseCopy::Outcome DatabaseCopy::check(const QString &file)
{
    Connection connection(file);
    if (!connection.opened)
        return failure(connection.error.isValid() ? connection.error.text()
                                                  : QStringLiteral("no such file"),
                       "cannot open a backup copy:");
    QSqlQuery query(connection.db());
    if (!query.exec(QStringLiteral("PRAGMA integrity_check")))
        return failure(query.lastError(), "cannot check a backup copy:");
    QStringList problems;
    while (query.next())
        problems << query.value(0).toString();
    if (problems != QStringList{QStringLiteral("ok")})
        return failure(problems.join(QLatin1Char(' ')), "a backup copy is damaged:");
    query.finish();
    QSqlError error;
    if (!hasColumns(connection.db(), QStringLiteral("usequip"),
                    QStringList{EquipmentFields::key} + EquipmentFields::record, &error))
        return error.isValid() ? failure(error, "cannot read a backup copy:")
                               : failure(QCoreApplication::translate(
                                             "DatabaseCopy", "não tem a tabela de equipamentos"),
                                         "a backup copy lacks the registry:");
    switch (InspectionStore::knownSchema(connection.db())) {
    case InspectionStore::Done:
        return done();
    case InspectionStore::Busy:
        return {Outcome::Busy, QStringLiteral("database is locked")};
    case InspectionStore::Failed:
        break;
    }
    return failure(
        QCoreApplication::translate("DatabaseCopy", "guarda inspeções de outra versão do programa"),
        "a backup copy holds inspections of another version:");
}

QString DatabaseCopy::stagedName(const QString &database)
{
    return database + QStringLiteral(".restore");
}

DatabaseCopy::Outcome DatabaseCopy::stage(const QString &copy, const QString &database)
{
    const QString staged = stagedName(database);
    const QString part = staged + QStringLiteral(".part");
    QFile::remove(part);
    QFile source(copy);
    if (!source.copy(part))
        return failure(source.errorString(), "cannot copy a backup copy beside zetu.db:");
    Outcome checked = check(part);
    if (checked.kind == Outcome::Done) {
        QFile::remove(staged);
        QFile moved(part);
        if (!moved.rename(staged))
            checked = failure(moved.errorString(), "cannot name the copy to restore:");
    }
    QFile::remove(part);
    return checked;
}

QString DatabaseCopy::applyStaged(const QString &database, bool *applied, QString *problem)
{
    *applied = false;
    const QString staged = stagedName(database);
    if (!QFileInfo(staged).isFile())
        return QString();
    const QFileInfo info(database);
    QString aside;
    if (info.exists()) {
        aside = info.absoluteDir().filePath(
            QStringLiteral("%1-%2.db")
                .arg(info.completeBaseName(),
                     QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"))));
        if (!moveWithCompanions(database, aside, problem)) {
            qCWarning(zetuStore) << "cannot keep zetu.db aside for the restore:" << *problem;
            return QString();
        }
    }
    QFile copy(staged);
    if (!copy.rename(database)) {
        *problem = copy.errorString();
        qCWarning(zetuStore) << "cannot put the restored copy in place:" << *problem;
        if (!aside.isEmpty())
            moveWithCompanions(aside, database);
        return QString();
    }
    *applied = true;
    return aside;
}
