#include "history/servercopy.h"

#include "core/logging.h"
#include "registry/storeerror.h"
#include "registry/teamschema.h"

#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

namespace {

// The schema versions of the files whose tables this copy knows: the review of
// finished inspections came with the later.
const int firstFileVersion = 4;
const int fileVersion = 5;

// How a table's rows are told apart, whatever their keys: the columns that say what a
// row is, and the columns that hold another table's key.
struct Table
{
    QString name;
    QStringList identity;
    QHash<QString, QString> references; // column -> the table whose key it holds
};

const QStringList scanner = {QStringLiteral("Institution"), QStringLiteral("Place"),
                             QStringLiteral("ID"), QStringLiteral("Model"),
                             QStringLiteral("Manufacturer")};

const QVector<Table> layout = {
    {QStringLiteral("usequip"), scanner, {}},
    {QStringLiteral("transducer"),
     QStringList{QStringLiteral("Equipment"), QStringLiteral("TransducerModel"),
                 QStringLiteral("Serial")} +
         scanner,
     {{QStringLiteral("Equipment"), QStringLiteral("usequip")}}},
    {QStringLiteral("toleranceset"),
     {QStringLiteral("Name"), QStringLiteral("Version"), QStringLiteral("Rules")},
     {}},
    // the same start and revision of the same scanner's transducer, with the same values:
    // a row kept apart after a conflict has the start of the row it was copied from
    {QStringLiteral("inspection"),
     {QStringLiteral("Started"), QStringLiteral("Revision"), QStringLiteral("Institution"),
      QStringLiteral("ID"), QStringLiteral("Transducer"), QStringLiteral("Inputs")},
     {{QStringLiteral("Equipment"), QStringLiteral("usequip")},
      {QStringLiteral("Transducer"), QStringLiteral("transducer")}}},
    {QStringLiteral("tolerancechoice"),
     {QStringLiteral("Equipment"), QStringLiteral("ToleranceSet"), QStringLiteral("Chosen")},
     {{QStringLiteral("Equipment"), QStringLiteral("usequip")},
      {QStringLiteral("ToleranceSet"), QStringLiteral("toleranceset")}}},
    {QStringLiteral("baseline"),
     {QStringLiteral("Transducer"), QStringLiteral("Inspection"), QStringLiteral("Chosen")},
     {{QStringLiteral("Transducer"), QStringLiteral("transducer")},
      {QStringLiteral("Inspection"), QStringLiteral("inspection")}}},
    {QStringLiteral("audit"),
     {QStringLiteral("At"), QStringLiteral("Who"), QStringLiteral("Action"),
      QStringLiteral("Subject")},
     {}},
    // keyed by its inspection and revision, not by a key of its own
    {QStringLiteral("review"),
     {QStringLiteral("Inspection"), QStringLiteral("Revision")},
     {{QStringLiteral("Inspection"), QStringLiteral("inspection")}}}};

bool keyless(const Table &table)
{
    return table.name == QLatin1String("review");
}

// The columns a copy leaves out: the claim of a copy of the program on the laptop.
const QStringList unclaimed = {QStringLiteral("Owner"), QStringLiteral("Heartbeat")};

// A named connection of its own, removed when it goes out of scope.
class Connection
{
public:
    explicit Connection(const QString &driver)
        : name(QStringLiteral("zetu-send-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
    {
        QSqlDatabase::addDatabase(driver, name);
    }
    ~Connection()
    {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    QSqlDatabase db() const { return QSqlDatabase::database(name, false); }

private:
    QString name;
};

ServerCopy::Outcome failure(const QSqlError &error, const char *what)
{
    qCWarning(zetuStore) << what << error.text();
    ServerCopy::Outcome outcome;
    outcome.kind =
        isPassingStoreError(error) ? ServerCopy::Outcome::Busy : ServerCopy::Outcome::Failed;
    outcome.reason = error.text();
    return outcome;
}

class Sender
{
public:
    Sender(const QSqlDatabase &file, const QSqlDatabase &server)
        : file(file)
        , server(server)
    {
    }
    // Sends one table; false with the failed statement's error in `error`.
    bool send(const Table &table, ServerCopy::Outcome *outcome);
    QSqlError error;

private:
    QVariant mapped(const Table &table, const QString &column, const QVariant &value) const;
    qint64 setKey(qint64 key, bool found, qint64 serverKey);

    QSqlDatabase file;
    QSqlDatabase server;
    QHash<QString, QHash<qint64, qint64>> keys; // table -> the file's key -> the server's
    qint64 nextSetKey = -1;
};

QVariant Sender::mapped(const Table &table, const QString &column, const QVariant &value) const
{
    const auto reference = table.references.constFind(column);
    if (reference == table.references.constEnd())
        return value;
    if (value.isNull())
        return value;
    // a key of a row the file no longer has: the row belongs to none
    const auto found = keys.value(*reference).constFind(value.toLongLong());
    return found == keys.value(*reference).constEnd() ? QVariant(QVariant::LongLong)
                                                      : QVariant(*found);
}

// Every version of a set keeps one key; a set the server does not have takes the next
// free key there.
qint64 Sender::setKey(qint64 key, bool found, qint64 serverKey)
{
    QHash<qint64, qint64> &sets = keys[QStringLiteral("toleranceset")];
    if (found)
        return sets[key] = serverKey;
    if (sets.contains(key))
        return sets.value(key);
    if (nextSetKey < 0) {
        QSqlQuery query(server);
        nextSetKey = query.exec(QStringLiteral("SELECT COALESCE(MAX(ID_key), 0) + 1 FROM "
                                               "toleranceset")) &&
                             query.next()
                         ? query.value(0).toLongLong()
                         : 1;
    }
    return sets[key] = nextSetKey++;
}

bool Sender::send(const Table &table, ServerCopy::Outcome *outcome)
{
    QSqlQuery rows(file);
    rows.setForwardOnly(true);
    if (!rows.exec(QStringLiteral("SELECT * FROM %1 ORDER BY %2")
                       .arg(table.name, keyless(table) ? table.identity.join(QStringLiteral(", "))
                                                       : QStringLiteral("ID_key")))) {
        error = rows.lastError();
        return false;
    }
    const bool sets = table.name == QLatin1String("toleranceset");
    QStringList columns, marks, matches;
    const QSqlRecord record = rows.record();
    for (int i = 0; i < record.count(); ++i) {
        const QString column = record.fieldName(i);
        if ((column.compare(QLatin1String("ID_key"), Qt::CaseInsensitive) == 0 && !sets) ||
            unclaimed.contains(column, Qt::CaseInsensitive))
            continue;
        columns << column;
        marks << QStringLiteral("?");
    }
    for (const QString &column : table.identity)
        matches << column + QStringLiteral(" IS NOT DISTINCT FROM ?");
    QSqlQuery look(server), insert(server);
    const bool prepared =
        look.prepare(
            QStringLiteral("SELECT %1 FROM %2 WHERE ")
                .arg(keyless(table) ? QStringLiteral("1") : QStringLiteral("ID_key"), table.name) +
            matches.join(QStringLiteral(" AND "))) &&
        insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                           .arg(table.name, columns.join(QStringLiteral(", ")),
                                marks.join(QStringLiteral(", "))) +
                       (sets || keyless(table) ? QString() : QStringLiteral(" RETURNING ID_key")));
    if (!prepared) {
        error = look.lastError().isValid() ? look.lastError() : insert.lastError();
        return false;
    }
    while (rows.next()) {
        for (const QString &column : table.identity)
            look.addBindValue(mapped(table, column, rows.value(column)));
        if (!look.exec()) {
            error = look.lastError();
            return false;
        }
        const bool found = look.next();
        const qint64 serverKey = found ? look.value(0).toLongLong() : -1;
        look.finish();
        const qint64 key = rows.value(QStringLiteral("ID_key")).toLongLong();
        if (sets)
            setKey(key, found, serverKey);
        if (found) {
            if (!sets && !keyless(table))
                keys[table.name][key] = serverKey;
            ++outcome->skipped[table.name];
            continue;
        }
        for (const QString &column : columns)
            insert.addBindValue(
                sets && column.compare(QLatin1String("ID_key"), Qt::CaseInsensitive) == 0
                    ? QVariant(keys[table.name].value(key))
                    : mapped(table, column, rows.value(column)));
        if (!insert.exec()) {
            error = insert.lastError();
            return false;
        }
        if (!sets && !keyless(table) && insert.next())
            keys[table.name][key] = insert.value(0).toLongLong();
        insert.finish();
        ++outcome->added[table.name];
    }
    return true;
}

} // namespace

const QStringList ServerCopy::tables = [] {
    QStringList names;
    for (const Table &table : layout)
        names << table.name;
    return names;
}();

int ServerCopy::Outcome::addedTotal() const
{
    int total = 0;
    for (const int count : added)
        total += count;
    return total;
}

ServerCopy::Outcome ServerCopy::send(const QString &fileName, const ServerSettings &settings)
{
    Connection local(QStringLiteral("QSQLITE"));
    QSqlDatabase file = local.db();
    file.setDatabaseName(fileName);
    file.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=3000"));
    if (!QFileInfo(fileName).isFile() || !file.open())
        return failure(file.lastError(), "cannot open the file to send:");
    QSqlQuery version(file);
    if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next())
        return failure(version.lastError(), "cannot read the file to send:");
    const int kept = version.value(0).toInt();
    if (kept < firstFileVersion || kept > fileVersion) {
        Outcome outcome;
        outcome.reason = QStringLiteral("schema version %1, not %2 to %3")
                             .arg(kept)
                             .arg(firstFileVersion)
                             .arg(fileVersion);
        qCWarning(zetuStore) << "the file to send has" << outcome.reason;
        return outcome;
    }
    Connection remote(QStringLiteral("QPSQL"));
    QSqlDatabase server = remote.db();
    settings.apply(server, 0); // one long transaction: no statement timeout
    if (!server.open())
        return failure(server.lastError(), "cannot reach the team's server:");
    Outcome outcome;
    Sender sender(file, server);
    QSqlQuery query(server);
    // one copy at a time, and none while a client makes the schema
    if (!query.exec(QStringLiteral("BEGIN")) ||
        !query.exec(QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(TeamSchema::lockKey)))
        return failure(query.lastError(), "cannot send the file:");
    for (const Table &table : layout) {
        if (keyless(table) && kept < fileVersion)
            continue; // a file of the version before reviews
        if (!sender.send(table, &outcome)) {
            query.exec(QStringLiteral("ROLLBACK"));
            return failure(sender.error, "cannot send the file:");
        }
    }
    if (!query.exec(QStringLiteral("COMMIT")))
        return failure(query.lastError(), "cannot send the file:");
    outcome.kind = Outcome::Done;
    qCInfo(zetuStore) << "sent" << fileName << "to the team's server: added" << outcome.added
                      << "already there" << outcome.skipped;
    return outcome;
}
