#include "history/inspectionstore.h"

#include "core/logging.h"
#include "registry/storeerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLockFile>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>
#include <limits>

namespace {

struct Column
{
    QString name;
    QString type;
};

// The table as the earlier version made it, then the columns this version adds.
const QVector<Column> earlierColumns = {
    {QStringLiteral("ID_key"), QStringLiteral("INTEGER")},
    {QStringLiteral("Equipment"), QStringLiteral("INTEGER")},
    {QStringLiteral("Started"), QStringLiteral("VARCHAR(30)")},
    {QStringLiteral("Changed"), QStringLiteral("VARCHAR(30)")},
    {QStringLiteral("Technician"), QStringLiteral("VARCHAR(80)")},
    {QStringLiteral("State"), QStringLiteral("INTEGER")},
    {QStringLiteral("Report"), QStringLiteral("VARCHAR(260)")},
    {QStringLiteral("Inputs"), QStringLiteral("TEXT")}};
const QVector<Column> addedColumns = {
    {QStringLiteral("Revision"), QStringLiteral("INTEGER")},
    {QStringLiteral("Owner"), QStringLiteral("VARCHAR(40)")},
    {QStringLiteral("Heartbeat"), QStringLiteral("INTEGER")},
    {QStringLiteral("Institution"), QStringLiteral("VARCHAR(80)")},
    {QStringLiteral("Place"), QStringLiteral("VARCHAR(80)")},
    {QStringLiteral("ID"), QStringLiteral("VARCHAR(80)")},
    {QStringLiteral("Model"), QStringLiteral("VARCHAR(40)")},
    {QStringLiteral("Manufacturer"), QStringLiteral("VARCHAR(80)")}};
// PRAGMA user_version of a file whose table `inspection` has all the columns above.
const int schemaVersion = 2;

const QStringList scannerColumns = {QStringLiteral("Institution"), QStringLiteral("Place"),
                                    QStringLiteral("ID"), QStringLiteral("Model"),
                                    QStringLiteral("Manufacturer")};

// Whether a row still belongs to the scanner of its key: the scanner is registered
// and holds the record kept with the row (rows of the earlier version keep none).
const QString belongs = QStringLiteral(
    "EXISTS (SELECT 1 FROM usequip u WHERE u.ID_key = inspection.Equipment AND "
    "(inspection.ID IS NULL OR (IFNULL(u.Institution, '') = inspection.Institution AND "
    "IFNULL(u.Place, '') = inspection.Place AND IFNULL(u.ID, '') = inspection.ID AND "
    "IFNULL(u.Model, '') = inspection.Model AND "
    "IFNULL(u.Manufacturer, '') = inspection.Manufacturer)))");

const QString columns =
    QStringLiteral("ID_key, CASE WHEN ") + belongs +
    QStringLiteral(" THEN Equipment ELSE -1 END, Started, Changed, Technician, State, Report, "
                   "Inputs, Revision, Institution, Place, ID, Model, Manufacturer, Owner, "
                   "Heartbeat");
enum { OwnerField = 14, HeartbeatField };

// What a write sets, in the order of the bound values.
const QStringList written = {
    QStringLiteral("Equipment"),  QStringLiteral("Started"),     QStringLiteral("Changed"),
    QStringLiteral("Technician"), QStringLiteral("State"),       QStringLiteral("Report"),
    QStringLiteral("Inputs"),     QStringLiteral("Revision"),    QStringLiteral("Owner"),
    QStringLiteral("Heartbeat"),  QStringLiteral("Institution"), QStringLiteral("Place"),
    QStringLiteral("ID"),         QStringLiteral("Model"),       QStringLiteral("Manufacturer")};

QString timeText(const QDateTime &time)
{
    return time.toString(Qt::ISODateWithMs);
}

QString nonNull(const QString &text)
{
    return text.isNull() ? QString::fromLatin1("") : text;
}

InspectionStore::Outcome failed(const QSqlQuery &query, const char *what)
{
    qCWarning(zetuStore) << what << query.lastError().text();
    return isPassingStoreError(query.lastError()) ? InspectionStore::Busy : InspectionStore::Failed;
}

// Prepares, binds and runs one statement; false with the statement's own error, also
// when it could not even be prepared (the schema of a locked file cannot be read).
bool run(QSqlQuery &query, const QString &sql, const QVariantList &values = {})
{
    if (!query.prepare(sql))
        return false;
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec();
}

// One write transaction on the default connection, rolled back unless committed.
// BEGIN IMMEDIATE takes the write lock first, so only it waits for another writer.
class Transaction
{
public:
    bool begin() { return open = query.exec(QStringLiteral("BEGIN IMMEDIATE")); }
    bool commit() { return !(open = !query.exec(QStringLiteral("COMMIT"))); }
    ~Transaction()
    {
        if (open && !query.exec(QStringLiteral("ROLLBACK")))
            qCWarning(zetuStore) << "cannot roll back a write:" << query.lastError().text();
    }
    QSqlQuery query;

private:
    bool open = false;
};

// One row in the order of `columns`. Values that are not a JSON object (a damaged
// row) leave `values` empty and say so.
StoredInspection fromRow(const QSqlQuery &query)
{
    StoredInspection inspection;
    inspection.id = query.value(0).toLongLong();
    inspection.equipmentKey = query.value(1).toInt();
    inspection.started = QDateTime::fromString(query.value(2).toString(), Qt::ISODateWithMs);
    inspection.changed = QDateTime::fromString(query.value(3).toString(), Qt::ISODateWithMs);
    inspection.technician = query.value(4).toString();
    inspection.state = query.value(5).toInt() == StoredInspection::Reported
                           ? StoredInspection::Reported
                           : StoredInspection::Draft;
    inspection.pdfPath = query.value(6).toString();
    const QJsonDocument document = QJsonDocument::fromJson(query.value(7).toByteArray());
    inspection.values = document.object();
    inspection.unreadable = !document.isObject();
    inspection.revision = query.value(8).toLongLong();
    if (!query.value(11).isNull()) {
        for (int field = 9; field < 14; ++field)
            inspection.scanner << query.value(field).toString();
    }
    return inspection;
}

// What `inspection` is in the open file: absent, the earlier version's table, this
// version's, or something else.
enum class Found { Absent, Earlier, Current, Foreign };

InspectionStore::Outcome look(Found *found)
{
    QSqlQuery query;
    if (!query.exec(QStringLiteral("SELECT type FROM sqlite_master "
                                   "WHERE lower(name) = 'inspection'")))
        return failed(query, "cannot read the schema of zetu.db:");
    const QString type = query.next() ? query.value(0).toString() : QString();
    query.finish();
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return failed(query, "cannot read the schema version of zetu.db:");
    const int version = query.value(0).toInt();
    query.finish();
    QVector<Column> present;
    if (!query.exec(QStringLiteral("PRAGMA table_info(inspection)")))
        return failed(query, "cannot read the columns of table inspection:");
    while (query.next())
        present.append({query.value(1).toString(), query.value(2).toString()});
    const auto same = [&present](const QVector<Column> &wanted) {
        return std::equal(present.begin(), present.end(), wanted.begin(), wanted.end(),
                          [](const Column &a, const Column &b) {
                              return a.name == b.name &&
                                     a.type.compare(b.type, Qt::CaseInsensitive) == 0;
                          });
    };
    if (version > schemaVersion || (!type.isEmpty() && type != QLatin1String("table")))
        *found = Found::Foreign;
    else if (type.isEmpty())
        *found = Found::Absent;
    else if (version == 0 && same(earlierColumns))
        *found = Found::Earlier;
    else if (version == schemaVersion && same(earlierColumns + addedColumns))
        *found = Found::Current;
    else
        *found = Found::Foreign;
    if (*found == Found::Foreign)
        qCWarning(zetuStore) << "zetu.db has a" << (type.isEmpty() ? "schema" : type)
                             << "named inspection that this version did not make (version"
                             << version << "with" << present.size() << "columns); left as it is";
    return InspectionStore::Done;
}

QString definitions(const QVector<Column> &wanted)
{
    QStringList parts;
    for (const Column &column : wanted)
        parts << column.name + QLatin1Char(' ') + column.type +
                     (column.name == QLatin1String("ID_key") ? QStringLiteral(" primary key")
                                                             : QString());
    return parts.join(QStringLiteral(", "));
}

} // namespace

InspectionStore::Outcome InspectionStore::prepare(bool *foreign)
{
    if (foreign)
        *foreign = false;
    Found found;
    Outcome outcome = look(&found);
    if (outcome != Done || found == Found::Current)
        return outcome;
    Transaction transaction;
    if (!transaction.begin())
        return failed(transaction.query, "cannot prepare table inspection:");
    if ((outcome = look(&found)) != Done || found == Found::Current) // another copy did it
        return outcome;
    if (found == Found::Foreign) {
        if (foreign)
            *foreign = true;
        return Failed;
    }
    QStringList statements;
    if (found == Found::Absent) {
        statements << QStringLiteral("CREATE TABLE inspection (") +
                          definitions(earlierColumns + addedColumns) + QLatin1Char(')');
    } else {
        // The earlier version's rows: each keeps its scanner's record as it is now;
        // those whose scanner has gone belong to none, so that no later one gets them.
        for (const Column &column : addedColumns)
            statements << QStringLiteral("ALTER TABLE inspection ADD COLUMN ") +
                              definitions({column});
        statements << QStringLiteral("UPDATE inspection SET Revision = 0")
                   << QStringLiteral("UPDATE inspection SET (") + scannerColumns.join(", ") +
                          QStringLiteral(") = (SELECT IFNULL(u.Institution, ''), "
                                         "IFNULL(u.Place, ''), IFNULL(u.ID, ''), "
                                         "IFNULL(u.Model, ''), IFNULL(u.Manufacturer, '') "
                                         "FROM usequip u WHERE u.ID_key = inspection.Equipment)")
                   << QStringLiteral("UPDATE inspection SET Equipment = NULL WHERE ID IS NULL");
    }
    statements << QStringLiteral(
                      "CREATE INDEX IF NOT EXISTS inspection_equipment ON inspection (Equipment)")
               << QStringLiteral("PRAGMA user_version = %1").arg(schemaVersion);
    for (const QString &statement : statements) {
        if (!transaction.query.exec(statement))
            return failed(transaction.query, "cannot prepare table inspection:");
    }
    if (!transaction.commit())
        return failed(transaction.query, "cannot prepare table inspection:");
    return Done;
}

InspectionStore::Outcome InspectionStore::save(StoredInspection &inspection, const QString &owner,
                                               bool *copied)
{
    Transaction transaction;
    QSqlQuery &query = transaction.query;
    if (!transaction.begin())
        return failed(query, "cannot write the inspection:");

    // The scanner still holds the record the inspection was made of, or it has gone.
    QStringList scanner = inspection.scanner;
    const QStringList record = equipmentRecord(inspection.equipmentKey);
    if (scanner.isEmpty())
        scanner = record;
    const bool attached = !record.isEmpty() && record == scanner;

    bool insert = inspection.id < 0;
    bool conflict = false;
    if (!insert) {
        if (!run(query, QStringLiteral("SELECT Revision FROM inspection WHERE ID_key = ?"),
                 {inspection.id}))
            return failed(query, "cannot write the inspection:");
        // A row deleted meanwhile (from the history of another window) is written
        // anew; one changed by another copy is left to it.
        conflict = query.next() && query.value(0).toLongLong() != inspection.revision;
        insert = !query.isValid() || conflict;
        query.finish();
    }
    const qint64 revision = insert ? 0 : inspection.revision + 1;
    QStringList assignments, marks;
    for (const QString &column : written) {
        assignments << column + QStringLiteral(" = ?");
        marks << QStringLiteral("?");
    }
    const QString sql = insert
                            ? QStringLiteral("INSERT INTO inspection (") + written.join(", ") +
                                  QStringLiteral(") VALUES (") + marks.join(", ") + QLatin1Char(')')
                            : QStringLiteral("UPDATE inspection SET ") + assignments.join(", ") +
                                  QStringLiteral(" WHERE ID_key = ?");
    QVariantList values = {
        attached ? QVariant(inspection.equipmentKey) : QVariant(QVariant::Int),
        timeText(inspection.started),
        timeText(inspection.changed),
        inspection.technician,
        int(inspection.state),
        inspection.pdfPath,
        QString::fromUtf8(QJsonDocument(inspection.values).toJson(QJsonDocument::Compact)),
        revision,
        owner.isEmpty() ? QVariant(QVariant::String) : QVariant(owner),
        owner.isEmpty() ? QVariant(QVariant::LongLong)
                        : QVariant(QDateTime::currentSecsSinceEpoch())};
    for (int field = 0; field < scannerColumns.size(); ++field)
        values << (scanner.isEmpty() ? QVariant(QVariant::String)
                                     : QVariant(nonNull(scanner.value(field))));
    if (!insert)
        values << inspection.id;
    if (!run(query, sql, values))
        return failed(query, "cannot write the inspection:");
    const qint64 id = insert ? query.lastInsertId().toLongLong() : inspection.id;
    if (!transaction.commit())
        return failed(query, "cannot write the inspection:");
    inspection.id = id;
    inspection.revision = revision;
    inspection.scanner = scanner;
    if (!attached)
        inspection.equipmentKey = -1;
    if (copied)
        *copied = conflict;
    return Done;
}

QVector<StoredInspection> InspectionStore::forEquipment(int equipmentKey, Outcome *outcome)
{
    QVector<StoredInspection> inspections;
    QSqlQuery query;
    if (!run(query,
             QStringLiteral("SELECT ") + columns +
                 QStringLiteral(" FROM inspection WHERE Equipment = ? AND ") + belongs +
                 QStringLiteral(" ORDER BY Started DESC, ID_key DESC"),
             {equipmentKey})) {
        const Outcome failure = failed(query, "cannot read the inspections of a scanner:");
        if (outcome)
            *outcome = failure;
        return inspections;
    }
    while (query.next())
        inspections.append(fromRow(query));
    if (outcome)
        *outcome = Done;
    return inspections;
}

namespace {

QString lockPath(const QString &token)
{
    return QDir::temp().filePath(QStringLiteral("zetu-%1.lock").arg(token));
}

// Whether the copy that holds a claim is known to have stopped: it ran on this
// computer and its lock file is left without its process.
bool holderStopped(const QString &token)
{
    const QString path = lockPath(token);
    if (token.isEmpty() || !QFileInfo::exists(path))
        return false; // on another computer or account: its heartbeat tells
    QLockFile lock(path);
    lock.setStaleLockTime(std::numeric_limits<int>::max()); // stale only when its process is gone
    if (!lock.tryLock(0))
        return false;
    lock.unlock();
    return true;
}

} // namespace

QString InspectionStore::ownToken()
{
    static const QString token = QUuid::createUuid().toString(QUuid::WithoutBraces);
    static QLockFile lock(lockPath(token));
    if (!lock.isLocked() && !lock.tryLock(0))
        qCWarning(zetuStore) << "cannot hold" << lockPath(token) << "error" << lock.error();
    return token;
}

bool InspectionStore::latestDraft(StoredInspection *draft, Outcome *outcome)
{
    QSqlQuery query;
    const bool read =
        run(query,
            QStringLiteral("SELECT ") + columns +
                QStringLiteral(" FROM inspection WHERE State = ? AND (ID IS NOT NULL OR ") +
                belongs + QStringLiteral(") ORDER BY Changed DESC, ID_key DESC"),
            {int(StoredInspection::Draft)});
    if (outcome)
        *outcome = read ? Done : failed(query, "cannot read the latest draft:");
    const qint64 stale = QDateTime::currentSecsSinceEpoch() - staleClaimSeconds;
    while (read && query.next()) {
        const QString holder = query.value(OwnerField).toString();
        if (holder.isEmpty() || holder == ownToken() ||
            query.value(HeartbeatField).toLongLong() < stale || holderStopped(holder)) {
            *draft = fromRow(query);
            return true;
        }
    }
    return false;
}

bool InspectionStore::claim(qint64 id, const QString &owner)
{
    QSqlQuery query;
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    if (run(query,
            QStringLiteral("UPDATE inspection SET Owner = ?, Heartbeat = ? WHERE ID_key = ? AND "
                           "(Owner IS NULL OR Owner = ? OR Heartbeat IS NULL OR Heartbeat < ?)"),
            {owner, now, id, owner, now - staleClaimSeconds}))
        return query.numRowsAffected() == 1;
    failed(query, "cannot claim the inspection:");
    return false;
}

InspectionStore::Outcome InspectionStore::remove(qint64 id)
{
    QSqlQuery query;
    if (!run(query, QStringLiteral("DELETE FROM inspection WHERE ID_key = ?"), {id}))
        return failed(query, "cannot delete the inspection:");
    if (query.numRowsAffected() == 1)
        return Done;
    qCWarning(zetuStore) << "inspection" << id << "was not there to delete";
    return Failed;
}

InspectionStore::Outcome InspectionStore::removeEquipment(int equipmentKey)
{
    Transaction transaction;
    QSqlQuery &query = transaction.query;
    if (!transaction.begin())
        return failed(query, "cannot delete the scanner:");
    if (!run(query, QStringLiteral("DELETE FROM inspection WHERE Equipment = ? AND ") + belongs,
             {equipmentKey}))
        return failed(query, "cannot delete the scanner's inspections:");
    if (!run(query, QStringLiteral("DELETE FROM usequip WHERE ID_key = ?"), {equipmentKey}) ||
        !transaction.commit())
        return failed(query, "cannot delete the scanner:");
    return Done;
}

InspectionStore::Outcome InspectionStore::renameEquipment(int equipmentKey,
                                                          const QStringList &before,
                                                          const QStringList &after)
{
    QStringList assignments, matches;
    for (const QString &column : scannerColumns) {
        assignments << column + QStringLiteral(" = ?");
        matches << column + QStringLiteral(" IS ?");
    }
    QVariantList values;
    for (const QString &field : after)
        values << nonNull(field);
    values << equipmentKey;
    for (const QString &field : before)
        values << nonNull(field);
    QSqlQuery query;
    return run(query,
               QStringLiteral("UPDATE inspection SET ") + assignments.join(", ") +
                   QStringLiteral(" WHERE Equipment = ? AND ") + matches.join(" AND "),
               values)
               ? Done
               : failed(query, "cannot rename the scanner's inspections:");
}

QStringList InspectionStore::equipmentRecord(int equipmentKey)
{
    QSqlQuery query;
    QStringList record;
    if (!run(query,
             QStringLiteral("SELECT ") + scannerColumns.join(", ") +
                 QStringLiteral(" FROM usequip WHERE ID_key = ?"),
             {equipmentKey}))
        failed(query, "cannot read a scanner:");
    else if (query.next()) {
        for (int field = 0; field < scannerColumns.size(); ++field)
            record << nonNull(query.value(field).toString());
    }
    return record;
}

QString InspectionStore::equipmentId(int equipmentKey)
{
    return equipmentRecord(equipmentKey).value(2);
}

namespace {

QJsonObject toJson(const StoredInspection &inspection)
{
    return {{QStringLiteral("id"), inspection.id},
            {QStringLiteral("equipmentKey"), inspection.equipmentKey},
            {QStringLiteral("started"), timeText(inspection.started)},
            {QStringLiteral("changed"), timeText(inspection.changed)},
            {QStringLiteral("technician"), inspection.technician},
            {QStringLiteral("state"), int(inspection.state)},
            {QStringLiteral("report"), inspection.pdfPath},
            {QStringLiteral("values"), inspection.values},
            {QStringLiteral("scanner"), QJsonArray::fromStringList(inspection.scanner)},
            {QStringLiteral("revision"), inspection.revision}};
}

StoredInspection fromJson(const QJsonObject &object)
{
    StoredInspection inspection;
    inspection.id = qint64(object.value(QStringLiteral("id")).toDouble(-1));
    inspection.equipmentKey = object.value(QStringLiteral("equipmentKey")).toInt(-1);
    inspection.started = QDateTime::fromString(object.value(QStringLiteral("started")).toString(),
                                               Qt::ISODateWithMs);
    inspection.changed = QDateTime::fromString(object.value(QStringLiteral("changed")).toString(),
                                               Qt::ISODateWithMs);
    inspection.technician = object.value(QStringLiteral("technician")).toString();
    inspection.state = object.value(QStringLiteral("state")).toInt() == StoredInspection::Reported
                           ? StoredInspection::Reported
                           : StoredInspection::Draft;
    inspection.pdfPath = object.value(QStringLiteral("report")).toString();
    inspection.values = object.value(QStringLiteral("values")).toObject();
    for (const QJsonValue field : object.value(QStringLiteral("scanner")).toArray())
        inspection.scanner << field.toString();
    inspection.revision = qint64(object.value(QStringLiteral("revision")).toDouble());
    return inspection;
}

} // namespace

QVector<StoredInspection> InspectionStore::readRecovery(const QString &fileName, bool *readable)
{
    QVector<StoredInspection> kept;
    QFile file(fileName);
    if (readable)
        *readable = true;
    if (!file.exists())
        return kept;
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(zetuStore) << "cannot read" << fileName << file.errorString();
        if (readable)
            *readable = false;
        return kept;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (!document.isArray()) {
        qCWarning(zetuStore) << fileName << "is not a list of inspections:" << error.errorString();
        if (readable)
            *readable = false;
    }
    for (const QJsonValue entry : document.array())
        kept.append(fromJson(entry.toObject()));
    return kept;
}

bool InspectionStore::replaceRecovery(const QString &fileName,
                                      const QVector<StoredInspection> &left)
{
    if (left.isEmpty()) {
        QFile kept(fileName);
        if (!kept.exists() || kept.remove())
            return true;
        qCWarning(zetuStore) << "cannot remove" << fileName << kept.errorString();
        return false;
    }
    QJsonArray entries;
    for (const StoredInspection &inspection : left)
        entries.append(toJson(inspection));
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(entries).toJson()) >= 0 &&
        file.commit())
        return true;
    qCWarning(zetuStore) << "cannot write" << fileName << file.errorString();
    return false;
}

// A file that cannot be read as a list of inspections may still hold values someone can
// mend: it is set aside under a name of its own, never overwritten.
bool InspectionStore::keepForRecovery(const QString &fileName, const StoredInspection &inspection)
{
    bool readable = true;
    QVector<StoredInspection> kept = readRecovery(fileName, &readable);
    if (!readable) {
        QFile unreadable(fileName);
        const QString aside =
            fileName + QStringLiteral(".unreadable-") +
            QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddHHmmsszzz"));
        if (!unreadable.rename(aside)) {
            qCWarning(zetuStore) << "cannot set aside" << fileName << unreadable.errorString();
            return false;
        }
        qCWarning(zetuStore) << "set aside" << fileName << "as" << aside;
    }
    return replaceRecovery(fileName, kept << inspection);
}
