#include "history/inspectionstore.h"

#include "history/reviewstore.h"
#include "history/tolerancestore.h"
#include "history/transducerstore.h"

#include "core/dateformats.h"
#include "core/inspection.h"
#include "core/logging.h"
#include "registry/database.h"
#include "registry/equipmentfields.h"
#include "registry/sqldialect.h"
#include "registry/storeerror.h"
#include "registry/teamschema.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLockFile>
#include <QSaveFile>
#include <QScopeGuard>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUuid>
#include <QVariant>
#include <limits>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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
// PRAGMA user_version of a file whose table `inspection` has the columns above.
const int previousVersion = 2;
// Then each inspection's transducer (table `transducer`) and date.
const QVector<Column> transducerColumns = {
    {QStringLiteral("Transducer"), QStringLiteral("INTEGER")},
    {QStringLiteral("Inspected"), QStringLiteral("VARCHAR(10)")}};
const int transducerVersion = 3;
// Then the tolerance sets, baselines and their audit trail, in tables of their own.
const int toleranceVersion = 4;
// Then the reviews of reported inspections.
const int schemaVersion = 5;

const QStringList scannerColumns = {QStringLiteral("Institution"), QStringLiteral("Place"),
                                    QStringLiteral("ID"), QStringLiteral("Model"),
                                    QStringLiteral("Manufacturer")};

// Whether a row still belongs to the scanner of its key (rows of the earlier version
// keep no record).
const QString belongs = EquipmentFields::belongsClause(QStringLiteral("inspection"));

// Values over the limit are cut there and left unread: parsing them would hold the
// window. (Their length is not asked for: counting it reads them through once more.)
const QString columns =
    QStringLiteral("ID_key, CASE WHEN ") + belongs +
    QStringLiteral(" THEN Equipment ELSE -1 END, Started, Changed, Technician, State, Report, "
                   "substr(Inputs, 1, %1), Revision, Institution, Place, ID, Model, "
                   "Manufacturer, Owner, Heartbeat, Transducer")
        .arg(InspectionStore::valuesLimit + 1);
enum { OwnerField = 14, HeartbeatField, TransducerField };

// What a write sets, in the order of the bound values.
const QStringList written = {
    QStringLiteral("Equipment"),  QStringLiteral("Started"),     QStringLiteral("Changed"),
    QStringLiteral("Technician"), QStringLiteral("State"),       QStringLiteral("Report"),
    QStringLiteral("Inputs"),     QStringLiteral("Revision"),    QStringLiteral("Owner"),
    QStringLiteral("Heartbeat"),  QStringLiteral("Institution"), QStringLiteral("Place"),
    QStringLiteral("ID"),         QStringLiteral("Model"),       QStringLiteral("Manufacturer"),
    QStringLiteral("Transducer"), QStringLiteral("Inspected")};

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

const auto run = runBound;

using Transaction = StoreTransaction;

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
    const QString values = query.value(7).toString();
    inspection.tooLong = values.size() > InspectionStore::valuesLimit;
    const QJsonDocument document =
        QJsonDocument::fromJson(inspection.tooLong ? QByteArray() : values.toUtf8());
    inspection.values = document.object();
    inspection.unreadable = !document.isObject();
    inspection.revision = query.value(8).toLongLong();
    if (!query.value(11).isNull()) {
        for (int field = 9; field < 14; ++field)
            inspection.scanner << query.value(field).toString();
    }
    inspection.transducerKey =
        query.value(TransducerField).isNull() ? -1 : query.value(TransducerField).toLongLong();
    return inspection;
}

// What `inspection` is in the open file: absent, the earlier version's table, this
// version's, or something else.
enum class Found { Absent, Earlier, Previous, Transducers, Tolerances, Current, Foreign };

InspectionStore::Outcome look(Found *found,
                              const QSqlDatabase &connection = QSqlDatabase::database())
{
    QSqlQuery query(connection);
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
    else if (version == previousVersion && same(earlierColumns + addedColumns))
        *found = Found::Previous;
    else if (version == transducerVersion &&
             same(earlierColumns + addedColumns + transducerColumns))
        *found = Found::Transducers;
    else if (version == toleranceVersion && same(earlierColumns + addedColumns + transducerColumns))
        *found = Found::Tolerances;
    else if (version == schemaVersion && same(earlierColumns + addedColumns + transducerColumns))
        *found = Found::Current;
    else
        *found = Found::Foreign;
    if (*found == Found::Foreign)
        qCWarning(zetuStore) << "zetu.db has a" << (type.isEmpty() ? "schema" : type)
                             << "named inspection that this version did not make (version"
                             << version << "with" << present.size() << "columns); left as it is";
    return InspectionStore::Done;
}

// A heartbeat (the bound value: now) that always differs from the one before.
QString nextHeartbeat()
{
    return SqlDialect::greatest() + QStringLiteral("(?, COALESCE(Heartbeat, 0) + 1)");
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

InspectionStore::Outcome InspectionStore::knownSchema(const QSqlDatabase &connection)
{
    Found found;
    const Outcome outcome = look(&found, connection);
    return outcome == Done && found == Found::Foreign ? Failed : outcome;
}

InspectionStore::Outcome InspectionStore::prepare(bool *foreign)
{
    if (foreign)
        *foreign = false;
    if (SqlDialect::onServer())
        return prepareServer(foreign);
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
                          definitions(earlierColumns + addedColumns + transducerColumns) +
                          QLatin1Char(')')
                   << TransducerStore::createStatements();
    } else if (found == Found::Earlier) {
        // The earlier version's rows: each keeps its scanner's record as it is now;
        // those whose scanner has gone belong to none, so that no later one gets them.
        for (const Column &column : addedColumns)
            statements << QStringLiteral("ALTER TABLE inspection ADD COLUMN ") +
                              definitions({column});
        statements << QStringLiteral("UPDATE inspection SET Revision = 0")
                   << QStringLiteral("UPDATE inspection SET (") + scannerColumns.join(", ") +
                          QStringLiteral(") = (SELECT COALESCE(u.Institution, ''), "
                                         "COALESCE(u.Place, ''), COALESCE(u.ID, ''), "
                                         "COALESCE(u.Model, ''), COALESCE(u.Manufacturer, '') "
                                         "FROM usequip u WHERE u.ID_key = inspection.Equipment)")
                   << QStringLiteral("UPDATE inspection SET Equipment = NULL WHERE ID IS NULL");
    }
    if (found != Found::Absent && found != Found::Transducers && found != Found::Tolerances) {
        // Each inspection of the earlier versions goes under a transducer of its scanner
        // named by the transducer's type as it was typed; nothing is judged again.
        for (const Column &column : transducerColumns)
            statements << QStringLiteral("ALTER TABLE inspection ADD COLUMN ") +
                              definitions({column});
        statements << TransducerStore::createStatements() << TransducerStore::placementStatements();
    }
    // Every inspection made so far keeps the original rules: it names no set. Those
    // reported so far were filed before reviews were kept: none awaits review.
    statements << ToleranceStore::createStatements() << ReviewStore::createStatements()
               << QStringLiteral(
                      "CREATE INDEX IF NOT EXISTS inspection_equipment ON inspection (Equipment)")
               << QStringLiteral("PRAGMA user_version = %1").arg(schemaVersion);
    for (const QString &statement : statements) {
        if (!transaction.query.exec(statement))
            return failed(transaction.query, "cannot prepare table inspection:");
    }
    if (!ToleranceStore::keepBuiltInSets(transaction.query) || !transaction.commit())
        return failed(transaction.query, "cannot prepare table inspection:");
    return Done;
}

// On a team's server the schema's version is kept in table zetu_schema. The first client
// makes every table (others wait for it: an advisory lock), then the roles and rights
// and the change notices, as far as its user may.
InspectionStore::Outcome InspectionStore::prepareServer(bool *foreign)
{
    // a user who may not make tables reads the version of a schema made by its owner
    const bool made = SqlDialect::hasTable(QStringLiteral("zetu_schema"));
    Transaction transaction;
    QSqlQuery &query = transaction.query;
    if (!transaction.begin() ||
        !query.exec(QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(TeamSchema::lockKey)) ||
        (!made &&
         !query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS zetu_schema (version INTEGER)"))) ||
        !query.exec(QStringLiteral("SELECT MAX(version) FROM zetu_schema")) || !query.next())
        return failed(query, "cannot read the schema of the team's server:");
    const QVariant version = query.value(0);
    query.finish();
    if (!version.isNull() && version.toInt() == schemaVersion) {
        transaction.commit();
        TeamSchema::keepRights(); // a later version's rights, on a server made before
        return Done;
    }
    if (!version.isNull()) { // a later version's schema: left to it
        qCWarning(zetuStore) << "the team's server has schema version" << version.toInt();
        if (foreign)
            *foreign = true;
        return Failed;
    }
    QStringList statements = {QStringLiteral("CREATE TABLE IF NOT EXISTS inspection (") +
                              definitions(earlierColumns + addedColumns + transducerColumns) +
                              QLatin1Char(')')};
    statements << TransducerStore::createStatements() << ToleranceStore::createStatements()
               << ReviewStore::createStatements()
               << QStringLiteral(
                      "CREATE INDEX IF NOT EXISTS inspection_equipment ON inspection (Equipment)")
               << QStringLiteral("CREATE INDEX IF NOT EXISTS inspection_started ON inspection "
                                 "(Started, ID_key)");
    for (const QString &statement : statements) {
        if (!query.exec(SqlDialect::schema(statement)))
            return failed(query, "cannot make the schema of the team's server:");
    }
    if (!ToleranceStore::keepBuiltInSets(query) ||
        !run(query, QStringLiteral("INSERT INTO zetu_schema (version) VALUES (?)"),
             {schemaVersion}) ||
        !transaction.commit())
        return failed(query, "cannot make the schema of the team's server:");
    TeamSchema::keepRights();
    return Done;
}

namespace {

// The state a failed statement shows of the file: SQLITE_CORRUPT and SQLITE_NOTADB
// are the file's own damage.
InspectionStore::FileState fileState(const QSqlError &error, QString *reason)
{
    *reason = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    qCWarning(zetuStore) << "zetu.db cannot be written:" << *reason;
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return isPassingStoreError(error) ? InspectionStore::FileState::Busy
           : code == 11 || code == 26 ? InspectionStore::FileState::Damaged
                                      : InspectionStore::FileState::ReadOnly;
}

} // namespace

// The schema is read (a damaged file or no database fails there), the file system is
// asked about the file and its folder (where the journal goes), and then something is
// really written: a file that only takes the write lock passes the first two.
InspectionStore::FileState InspectionStore::checkFile(QString *reason)
{
    const QSqlDatabase db =
        QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false);
    if (SqlDialect::onServer(db)) {
        QSqlQuery probe(db);
        if (db.isOpen() && probe.exec(QStringLiteral("SELECT 1")))
            return FileState::Writable;
        *reason = probe.lastError().text();
        return isPassingStoreError(probe.lastError()) || !db.isOpen() ? FileState::Busy
                                                                      : FileState::ReadOnly;
    }
    if (DataBase::isForeignFile(db.databaseName())) {
        *reason = QStringLiteral("no SQLite header");
        qCWarning(zetuStore) << "zetu.db cannot be written:" << *reason;
        return FileState::Damaged;
    }
    if (!db.isOpen())
        return fileState(db.lastError(), reason);
    // A lock held by another program is not waited for: Busy says enough, and the file
    // is looked at again when a write fails for good.
    QSqlQuery wait;
    wait.exec(QStringLiteral("PRAGMA busy_timeout = 0"));
    const auto restore = qScopeGuard([&wait] {
        wait.exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(DataBase::busyTimeoutMs));
    });
    Transaction transaction;
    if (!transaction.query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
        return fileState(transaction.query.lastError(), reason);
    transaction.query.finish();
#ifdef Q_OS_UNIX
    const QFileInfo file(db.databaseName());
    for (const QString &path : {file.absoluteFilePath(), file.absolutePath()}) {
        if (::access(QFile::encodeName(path).constData(), W_OK) != 0) {
            *reason = qt_error_string(errno);
            qCWarning(zetuStore) << path << "cannot be written:" << *reason;
            return FileState::ReadOnly;
        }
    }
#endif
    if (!transaction.begin() ||
        !transaction.query.exec(QStringLiteral("CREATE TABLE zetu_write_check (x)")))
        return fileState(transaction.query.lastError(), reason);
    return FileState::Writable; // and rolled back
}

InspectionStore::Outcome InspectionStore::save(StoredInspection &inspection, const QString &owner,
                                               bool *copied)
{
    Transaction transaction;
    QSqlQuery &query = transaction.query;
    if (!transaction.begin())
        return failed(query, "cannot write the inspection:");
    const QDateTime now = QDateTime::currentDateTime();

    // The scanner still holds the record the inspection was made of, or it has gone.
    QStringList scanner = inspection.scanner;
    const QStringList record = equipmentRecord(inspection.equipmentKey);
    if (scanner.isEmpty())
        scanner = record;
    const bool attached = !record.isEmpty() && record == scanner;

    bool insert = inspection.id < 0;
    bool conflict = false;
    if (!insert) {
        if (!run(query,
                 QStringLiteral("SELECT Revision FROM inspection WHERE ID_key = ?") +
                     SqlDialect::lockingRead(),
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
        // a renewed heartbeat always differs from the one before
        assignments << (column == QLatin1String("Heartbeat")
                            ? QStringLiteral("Heartbeat = ") + nextHeartbeat()
                            : column + QStringLiteral(" = ?"));
        marks << QStringLiteral("?");
    }
    const QString sql = insert ? QStringLiteral("INSERT INTO inspection (") + written.join(", ") +
                                     QStringLiteral(") VALUES (") + marks.join(", ") +
                                     QLatin1Char(')') + SqlDialect::returningKey()
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
        owner.isEmpty() ? QVariant(QVariant::LongLong) : QVariant(SqlDialect::now())};
    for (int field = 0; field < scannerColumns.size(); ++field)
        values << (scanner.isEmpty() ? QVariant(QVariant::String)
                                     : QVariant(nonNull(scanner.value(field))));
    const QDate date = Inspection(inspection.values).date();
    values << (inspection.transducerKey < 0 ? QVariant(QVariant::LongLong)
                                            : QVariant(inspection.transducerKey))
           << (date.isValid() ? date : inspection.started.date()).toString(DateFormats::stored);
    if (!insert)
        values << inspection.id;
    if (!run(query, sql, values))
        return failed(query, "cannot write the inspection:");
    const qint64 id = insert ? SqlDialect::insertedKey(query) : inspection.id;
    query.finish();
    const bool filed = inspection.forReview && inspection.state == StoredInspection::Reported;
    if (filed && !run(query, ReviewStore::fileStatement(), {id, revision, timeText(now)}))
        return failed(query, "cannot file the inspection for review:");
    if (!transaction.commit())
        return failed(query, "cannot write the inspection:");
    inspection.forReview = false;
    inspection.id = id;
    inspection.revision = revision;
    inspection.scanner = scanner;
    if (!attached)
        inspection.equipmentKey = -1;
    if (copied)
        *copied = conflict;
    return Done;
}

namespace {

// The rows a condition selects, the latest started first; the condition's values are
// bound.
QVector<StoredInspection> select(const QString &condition, const QVariantList &values,
                                 InspectionStore::Outcome *outcome)
{
    QVector<StoredInspection> inspections;
    QSqlQuery query;
    if (!run(query,
             QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM inspection WHERE ") +
                 condition + QStringLiteral(" ORDER BY Started DESC, ID_key DESC"),
             values)) {
        const InspectionStore::Outcome failure = failed(query, "cannot read inspections:");
        if (outcome)
            *outcome = failure;
        return inspections;
    }
    while (query.next())
        inspections.append(fromRow(query));
    if (outcome)
        *outcome = InspectionStore::Done;
    return inspections;
}

} // namespace

QVector<StoredInspection> InspectionStore::forEquipment(int equipmentKey, Outcome *outcome)
{
    return select(QStringLiteral("Equipment = ? AND ") + belongs, {equipmentKey}, outcome);
}

namespace {

// Rows kept by the earlier version with their scanner's key only take its record.
QVector<StoredInspection> withScanners(QVector<StoredInspection> inspections)
{
    for (StoredInspection &inspection : inspections) {
        if (inspection.scanner.isEmpty())
            inspection.scanner = InspectionStore::equipmentRecord(inspection.equipmentKey);
    }
    return inspections;
}

} // namespace

QVector<StoredInspection> InspectionStore::all(Outcome *outcome)
{
    return withScanners(select(QStringLiteral("1 = 1"), {}, outcome));
}

QVector<StoredInspection> InspectionStore::awaitingReview(Outcome *outcome)
{
    return withScanners(select(ReviewStore::awaitingCondition(), {}, outcome));
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

// Claims as this copy last saw them, each since when by this copy's own clock.
struct Sighting
{
    QString owner;
    qint64 heartbeat = 0;
    QElapsedTimer since;
};
QHash<qint64, Sighting> sightings;
int staleClaimMs = InspectionStore::staleClaimSeconds * 1000;

// Whether the claim read on row `id` leaves it free for `owner`: unclaimed, its own,
// its copy stopped on this computer, or its heartbeat seen unchanged for long enough.
bool claimFree(qint64 id, const QString &holder, qint64 heartbeat, const QString &owner)
{
    if (holder.isEmpty() || holder == owner || holderStopped(holder))
        return true;
    Sighting &seen = sightings[id];
    if (!seen.since.isValid() || seen.owner != holder || seen.heartbeat != heartbeat) {
        seen.owner = holder;
        seen.heartbeat = heartbeat;
        seen.since.start();
        return false;
    }
    return seen.since.hasExpired(staleClaimMs);
}

// Sets the claim of an owner (the first value) with a heartbeat (the second) that
// always differs from the one before, whatever the clocks.
QString renewal()
{
    return QStringLiteral("Owner = ?, Heartbeat = ") + nextHeartbeat();
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

bool InspectionStore::latestDraft(StoredInspection *draft, const QString &owner, Outcome *outcome)
{
    Transaction transaction;
    QSqlQuery &query = transaction.query;
    bool found = false;
    const bool read =
        transaction.begin() &&
        run(query,
            QStringLiteral("SELECT ") + columns +
                QStringLiteral(" FROM inspection WHERE State = ? AND (ID IS NOT NULL OR ") +
                belongs + QStringLiteral(") ORDER BY Changed DESC, ID_key DESC") +
                SqlDialect::lockingRead(),
            {int(StoredInspection::Draft)});
    while (read && !found && query.next()) {
        if ((found = claimFree(query.value(0).toLongLong(), query.value(OwnerField).toString(),
                               query.value(HeartbeatField).toLongLong(), owner)))
            *draft = fromRow(query);
    }
    query.finish();
    // taken in the transaction that chose it, so that no other copy chooses it too; one
    // that cannot be read is never written (nor rewritten whole, however long it is)
    const bool taken = !found || draft->unreadable ||
                       (run(query,
                            QStringLiteral("UPDATE inspection SET ") + renewal() +
                                QStringLiteral(" WHERE ID_key = ?"),
                            {owner, SqlDialect::now(), draft->id}) &&
                        transaction.commit());
    if (outcome)
        *outcome = read && taken ? Done : failed(query, "cannot read the latest draft:");
    return read && taken && found;
}

InspectionStore::Outcome InspectionStore::claim(qint64 id, const QString &owner)
{
    Transaction transaction;
    QSqlQuery &query = transaction.query;
    if (!transaction.begin() ||
        !run(query,
             QStringLiteral("SELECT Owner, Heartbeat FROM inspection WHERE ID_key = ?") +
                 SqlDialect::lockingRead(),
             {id}))
        return failed(query, "cannot claim the inspection:");
    if (!query.next()) // gone: written anew by the next write
        return Done;
    if (!claimFree(id, query.value(0).toString(), query.value(1).toLongLong(), owner))
        return Failed;
    query.finish();
    if (!run(query,
             QStringLiteral("UPDATE inspection SET ") + renewal() +
                 QStringLiteral(" WHERE ID_key = ?"),
             {owner, SqlDialect::now(), id}) ||
        !transaction.commit())
        return failed(query, "cannot claim the inspection:");
    return Done;
}

void InspectionStore::release(qint64 id, const QString &owner)
{
    QSqlQuery query;
    if (!run(query,
             QStringLiteral("UPDATE inspection SET Owner = NULL, Heartbeat = NULL "
                            "WHERE (ID_key = ? OR ? < 0) AND Owner = ?"),
             {id, id, owner}))
        failed(query, "cannot let go of the inspection:");
}

void InspectionStore::setStaleClaimTime(int milliseconds)
{
    staleClaimMs = milliseconds;
}

InspectionStore::Outcome InspectionStore::remove(qint64 id)
{
    Transaction transaction;
    QSqlQuery &query = transaction.query;
    if (!transaction.begin() ||
        !run(query, QStringLiteral("DELETE FROM review WHERE Inspection = ?"), {id}) ||
        !run(query, QStringLiteral("DELETE FROM inspection WHERE ID_key = ?"), {id}))
        return failed(query, "cannot delete the inspection:");
    if (query.numRowsAffected() != 1) {
        qCWarning(zetuStore) << "inspection" << id << "was not there to delete";
        return Failed;
    }
    return transaction.commit() ? Done : failed(query, "cannot delete the inspection:");
}

InspectionStore::Outcome InspectionStore::removeEquipment(int equipmentKey)
{
    Transaction transaction;
    QSqlQuery &query = transaction.query;
    if (!transaction.begin())
        return failed(query, "cannot delete the scanner:");
    if (!run(query,
             QStringLiteral("DELETE FROM review WHERE Inspection IN (SELECT ID_key FROM "
                            "inspection WHERE Equipment = ? AND ") +
                 belongs + QLatin1Char(')'),
             {equipmentKey}) ||
        !run(query, QStringLiteral("DELETE FROM inspection WHERE Equipment = ? AND ") + belongs,
             {equipmentKey}) ||
        !run(query,
             QStringLiteral("DELETE FROM transducer WHERE Equipment = ? AND ") +
                 EquipmentFields::belongsClause(QStringLiteral("transducer")),
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
        matches << SqlDialect::same(column, QStringLiteral("?"));
    }
    QVariantList values;
    for (const QString &field : after)
        values << nonNull(field);
    values << equipmentKey;
    for (const QString &field : before)
        values << nonNull(field);
    // its inspections and its transducers
    Transaction transaction;
    if (!transaction.begin())
        return failed(transaction.query, "cannot rename the scanner's inspections:");
    for (const char *table : {"inspection", "transducer"}) {
        if (!run(transaction.query,
                 QStringLiteral("UPDATE %1 SET ").arg(QLatin1String(table)) +
                     assignments.join(", ") + QStringLiteral(" WHERE Equipment = ? AND ") +
                     matches.join(" AND "),
                 values))
            return failed(transaction.query, "cannot rename the scanner's inspections:");
    }
    return transaction.commit()
               ? Done
               : failed(transaction.query, "cannot rename the scanner's inspections:");
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
            {QStringLiteral("revision"), inspection.revision},
            {QStringLiteral("transducerKey"), inspection.transducerKey},
            {QStringLiteral("forReview"), inspection.forReview}};
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
    inspection.transducerKey = qint64(object.value(QStringLiteral("transducerKey")).toDouble(-1));
    inspection.forReview = object.value(QStringLiteral("forReview")).toBool();
    return inspection;
}

} // namespace

namespace {

// Opens only a regular file, and never waits: a FIFO of that name is not opened for
// good, nor a folder or a device.
bool openRegular(QFile &file, QString *why)
{
#ifdef Q_OS_UNIX
    const int fd =
        ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat status;
    if (fd == -1 || ::fstat(fd, &status) != 0) {
        *why = qt_error_string(errno);
        if (fd != -1)
            ::close(fd);
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(fd);
        *why = QStringLiteral("not a regular file");
        return false;
    }
    if (file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
#else
    if (!QFileInfo(file.fileName()).isFile()) {
        *why = QStringLiteral("not a regular file");
        return false;
    }
    if (file.open(QIODevice::ReadOnly))
        return true;
#endif
    *why = file.errorString();
    return false;
}

// Copies closing together, or starting, take turns on a recovery file. A copy that
// stopped without letting go (its process gone, or the lock older than a few seconds)
// does not hold it.
class RecoveryLock
{
public:
    RecoveryLock(const QString &fileName, int waitMs)
        : lock(fileName + QStringLiteral(".lock"))
    {
        lock.setStaleLockTime(5000);
        if (!lock.tryLock(waitMs))
            qCWarning(zetuStore) << "cannot take" << fileName + QStringLiteral(".lock") << "error"
                                 << lock.error();
    }
    bool held() const { return lock.isLocked(); }

private:
    QLockFile lock;
};

} // namespace

QVector<StoredInspection> InspectionStore::readRecovery(const QString &fileName, bool *readable)
{
    QVector<StoredInspection> kept;
    QFile file(fileName);
    QString why;
    if (readable)
        *readable = true;
    if (!QFileInfo(fileName).exists() && !QFileInfo(fileName).isSymLink())
        return kept;
    if (!openRegular(file, &why)) {
        qCWarning(zetuStore) << "cannot read" << fileName << why;
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

QString InspectionStore::setAside(const QString &fileName)
{
    const QString aside =
        fileName + QStringLiteral(".unreadable-") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddHHmmsszzz"));
    QFile unreadable(fileName);
    if (!unreadable.rename(aside)) {
        qCWarning(zetuStore) << "cannot set aside" << fileName << unreadable.errorString();
        return QString();
    }
    qCWarning(zetuStore) << "set aside" << fileName << "as" << aside;
    return aside;
}

// A file that cannot be read as a list of inspections may still hold values someone can
// mend: it is set aside under a name of its own, never overwritten.
bool InspectionStore::keepForRecovery(const QString &fileName, const StoredInspection &inspection)
{
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    const RecoveryLock lock(fileName, 900);
    if (!lock.held())
        return false;
    bool readable = true;
    QVector<StoredInspection> kept = readRecovery(fileName, &readable);
    if (!readable && setAside(fileName).isEmpty())
        return false;
    return replaceRecovery(fileName, kept << inspection);
}

InspectionStore::Outcome InspectionStore::importRecovery(const QString &fileName, int *written,
                                                         QString *aside)
{
    *written = 0;
    if (!QFileInfo(fileName).exists() && !QFileInfo(fileName).isSymLink())
        return Done;
    const RecoveryLock lock(fileName, 0); // another copy writes or imports it: later
    if (!lock.held())
        return Busy;
    bool readable = true;
    const QVector<StoredInspection> kept = readRecovery(fileName, &readable);
    if (!readable) {
        *aside = setAside(fileName);
        if (aside->isEmpty()) // left where it is, under its own name
            *aside = fileName;
        return Done;
    }
    Outcome outcome = Done;
    for (StoredInspection one : kept) {
        if ((outcome = save(one)) != Done)
            break;
        ++*written;
    }
    if (*written > 0 && !replaceRecovery(fileName, kept.mid(*written)))
        // the next start writes them again, as inspections of their own
        qCWarning(zetuStore) << *written << "inspections written from" << fileName
                             << "are still in it";
    return outcome == Done ? Done : Busy;
}

QString InspectionStore::personalRecoveryFile()
{
    static const QString name =
        QStringLiteral("zetu-%1-%2.recovery")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")),
                 ownToken().left(8));
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(name);
}
