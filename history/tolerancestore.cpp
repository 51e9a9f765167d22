#include "history/tolerancestore.h"

#include "core/dateformats.h"
#include "core/logging.h"
#include "registry/equipmentfields.h"
#include "registry/sqldialect.h"
#include "registry/storeerror.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlDatabase>
#include <QVariant>

namespace {

using ToleranceStore::Outcome;

QString lastFailureText;

// The texts' context in the catalogue (lupdate reads Texts::tr as this context).
class Texts
{
    Q_DECLARE_TR_FUNCTIONS(ToleranceStore)
};

Outcome failed(const QSqlQuery &query, const char *what)
{
    qCWarning(zetuStore) << what << query.lastError().text();
    lastFailureText = SqlDialect::isRefused(query.lastError())
                          ? Texts::tr("o servidor da equipe não permite esta alteração ao "
                                      "seu usuário (só um físico pode fazê-la)")
                          : query.lastError().text();
    return isPassingStoreError(query.lastError()) ? InspectionStore::Busy : InspectionStore::Failed;
}

bool run(QSqlQuery &query, const QString &sql, const QVariantList &values = QVariantList())
{
    return runBound(query, sql, values);
}

QString timeText(const QDateTime &time)
{
    return time.toString(Qt::ISODateWithMs);
}

QString rulesText(const ToleranceSet &set)
{
    QJsonArray rules;
    for (const ToleranceRule &rule : set.rules)
        rules.append(rule.toJson());
    return QString::fromUtf8(QJsonDocument(rules).toJson(QJsonDocument::Compact));
}

// A set from its row: ID_key, Version, Name, BuiltIn, Rules. A row whose rules cannot
// be read gives false.
bool fromRow(const QSqlQuery &query, ToleranceSet *set)
{
    const QJsonDocument rules = QJsonDocument::fromJson(query.value(4).toString().toUtf8());
    QJsonObject object{{QStringLiteral("id"), query.value(0).toLongLong()},
                       {QStringLiteral("version"), query.value(1).toInt()},
                       {QStringLiteral("name"), query.value(2).toString()},
                       {QStringLiteral("builtIn"), query.value(3).toInt() != 0},
                       {QStringLiteral("rules"), rules.array()}};
    if (!rules.isArray() || !ToleranceSet::fromJson(object, set)) {
        qCWarning(zetuStore) << "tolerance set" << query.value(0).toLongLong() << "version"
                             << query.value(1).toInt() << "cannot be read";
        return false;
    }
    return true;
}

const QString setColumns = QStringLiteral("ID_key, Version, Name, BuiltIn, Rules");

bool audit(QSqlQuery &query, ToleranceStore::AuditEntry::Action action, const QString &subject,
           const QString &detail, const ToleranceStore::Signed &by)
{
    return run(query,
               QStringLiteral("INSERT INTO audit (At, Who, Action, Subject, Detail, Reason) "
                              "VALUES (?, ?, ?, ?, ?, ?)"),
               {timeText(QDateTime::currentDateTime()), by.who.trimmed(), int(action), subject,
                detail, by.why.trimmed()});
}

QString versionText(const ToleranceSet &set)
{
    return QStringLiteral("%1 (v%2)").arg(set.name, QString::number(set.version));
}

bool signedFully(const ToleranceStore::Signed &by)
{
    if (by.who.trimmed().isEmpty() || by.why.trimmed().isEmpty()) {
        qCWarning(zetuStore) << "a change of tolerances needs a name and a reason";
        return false;
    }
    return true;
}

// Whether every rule of the set is one a set read back would accept: a set with bounds
// the wrong way round or a negative tolerance is never kept.
bool soundRules(const ToleranceSet &set)
{
    ToleranceSet check = set;
    check.id = std::max<qint64>(check.id, 1);
    check.version = std::max(check.version, 1);
    if (ToleranceSet::fromJson(check.toJson(), &check))
        return true;
    qCWarning(zetuStore) << "tolerance set" << set.name << "has a rule no set can have; not kept";
    return false;
}

// The transducer in words for the audit trail.
QString transducerText(QSqlQuery &query, qint64 key)
{
    if (!run(query,
             QStringLiteral("SELECT ID, TransducerModel, Serial FROM transducer WHERE ID_key = ?"),
             {key}) ||
        !query.next())
        return QString();
    QStringList parts{query.value(0).toString(), query.value(1).toString()};
    if (!query.value(2).toString().isEmpty())
        parts << query.value(2).toString();
    query.finish();
    return parts.join(QStringLiteral(" / "));
}

} // namespace

QString ToleranceStore::lastFailure()
{
    return lastFailureText;
}

QStringList ToleranceStore::createStatements()
{
    QStringList statements = {
        QStringLiteral("CREATE TABLE IF NOT EXISTS toleranceset (ID_key INTEGER, Version INTEGER, "
                       "Name VARCHAR(80), BuiltIn INTEGER, Rules TEXT, Created VARCHAR(30), "
                       "PRIMARY KEY (ID_key, Version))"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS tolerancechoice (ID_key INTEGER PRIMARY KEY "
                       "AUTOINCREMENT, Equipment INTEGER, Institution VARCHAR(80), Place "
                       "VARCHAR(80), ID VARCHAR(80), Model VARCHAR(40), Manufacturer VARCHAR(80), "
                       "ToleranceSet INTEGER, Chosen VARCHAR(30))"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS baseline (ID_key INTEGER PRIMARY KEY "
                       "AUTOINCREMENT, Transducer INTEGER, Inspection INTEGER, Chosen "
                       "VARCHAR(30), Who VARCHAR(80), Reason TEXT)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS audit (ID_key INTEGER PRIMARY KEY "
                       "AUTOINCREMENT, At VARCHAR(30), Who VARCHAR(80), Action INTEGER, Subject "
                       "TEXT, Detail TEXT, Reason TEXT)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS baseline_transducer ON baseline (Transducer)"),
        QStringLiteral(
            "CREATE INDEX IF NOT EXISTS tolerancechoice_equipment ON tolerancechoice (Equipment)")};
    return statements;
}

// The built-in sets, as this version judges them; never changed afterwards. Each is
// added when missing, its values bound.
bool ToleranceStore::keepBuiltInSets(QSqlQuery &query)
{
    for (const ToleranceSet &set : {ToleranceSet::original(), ToleranceSet::tg128()}) {
        if (!run(query,
                 QStringLiteral("INSERT INTO toleranceset (%1, Created) SELECT CAST(? AS "
                                "INTEGER), CAST(? AS INTEGER), CAST(? AS VARCHAR(80)), 1, CAST(? "
                                "AS TEXT), '' WHERE NOT EXISTS (SELECT 1 FROM toleranceset WHERE "
                                "ID_key = ? AND Version = ?)")
                     .arg(setColumns),
                 {set.id, set.version, set.name, rulesText(set), set.id, set.version}))
            return false;
    }
    return true;
}

QVector<ToleranceSet> ToleranceStore::sets(Outcome *outcome)
{
    QVector<ToleranceSet> sets;
    QSqlQuery query;
    const bool read =
        run(query, QStringLiteral("SELECT %1 FROM toleranceset s WHERE Version = (SELECT "
                                  "MAX(Version) FROM toleranceset v WHERE v.ID_key = s.ID_key) "
                                  "ORDER BY BuiltIn DESC, ID_key = %2 DESC, Name, ID_key")
                       .arg(setColumns)
                       .arg(ToleranceSet::OriginalId));
    if (outcome)
        *outcome = read ? InspectionStore::Done : failed(query, "cannot read the tolerance sets:");
    while (read && query.next()) {
        ToleranceSet set;
        if (fromRow(query, &set))
            sets << set;
    }
    if (!read)
        sets << ToleranceSet::original();
    return sets;
}

bool ToleranceStore::set(qint64 id, int version, ToleranceSet *set)
{
    QSqlQuery query;
    if (!run(query,
             QStringLiteral("SELECT %1 FROM toleranceset WHERE ID_key = ? AND Version = ?")
                 .arg(setColumns),
             {id, version})) {
        failed(query, "cannot read a tolerance set:");
        return false;
    }
    return query.next() && fromRow(query, set);
}

Outcome ToleranceStore::addSet(ToleranceSet &copy, const QString &copiedFrom, const Signed &by)
{
    if (!signedFully(by) || copy.name.trimmed().isEmpty() || !soundRules(copy))
        return InspectionStore::Failed;
    StoreTransaction transaction;
    QSqlQuery &query = transaction.query;
    if (!transaction.begin() ||
        !run(query, QStringLiteral("SELECT MAX(ID_key) FROM toleranceset")) || !query.next())
        return failed(query, "cannot add a tolerance set:");
    ToleranceSet kept = copy;
    kept.id = std::max<qint64>(query.value(0).toLongLong(), ToleranceSet::Tg128Id) + 1;
    kept.version = 1;
    kept.builtIn = false;
    kept.name = copy.name.trimmed();
    query.finish();
    if (!run(query,
             QStringLiteral("INSERT INTO toleranceset (%1, Created) VALUES (?, ?, ?, 0, ?, ?)")
                 .arg(setColumns),
             {kept.id, kept.version, kept.name, rulesText(kept),
              timeText(QDateTime::currentDateTime())}) ||
        !audit(query, AuditEntry::SetAdded, kept.name, copiedFrom, by) || !transaction.commit())
        return failed(query, "cannot add a tolerance set:");
    copy = kept;
    return InspectionStore::Done;
}

Outcome ToleranceStore::changeSet(ToleranceSet &set, const Signed &by)
{
    if (!signedFully(by) || set.builtIn || set.name.trimmed().isEmpty() || !soundRules(set))
        return InspectionStore::Failed;
    StoreTransaction transaction;
    QSqlQuery &query = transaction.query;
    if (!transaction.begin() ||
        !run(query,
             QStringLiteral("SELECT MAX(Version), MAX(BuiltIn) FROM toleranceset WHERE "
                            "ID_key = ?"),
             {set.id}) ||
        !query.next())
        return failed(query, "cannot change a tolerance set:");
    if (query.value(0).toInt() != set.version || query.value(1).toInt() != 0) {
        qCWarning(zetuStore) << "tolerance set" << set.id << "is at version"
                             << query.value(0).toInt() << "not" << set.version << "or built in";
        return InspectionStore::Failed;
    }
    query.finish();
    ToleranceSet kept = set;
    kept.version = set.version + 1;
    kept.name = set.name.trimmed();
    if (!run(query,
             QStringLiteral("INSERT INTO toleranceset (%1, Created) VALUES (?, ?, ?, 0, ?, ?)")
                 .arg(setColumns),
             {kept.id, kept.version, kept.name, rulesText(kept),
              timeText(QDateTime::currentDateTime())}) ||
        !audit(query, AuditEntry::SetChanged, kept.name, versionText(kept), by) ||
        !transaction.commit())
        return failed(query, "cannot change a tolerance set:");
    set = kept;
    return InspectionStore::Done;
}

qint64 ToleranceStore::chosenSet(int equipmentKey, Outcome *outcome)
{
    if (outcome)
        *outcome = InspectionStore::Done;
    QSqlQuery query;
    const bool read = run(query,
                          QStringLiteral("SELECT ToleranceSet FROM tolerancechoice t WHERE "
                                         "Equipment = ? AND ") +
                              EquipmentFields::belongsClause(QStringLiteral("t")) +
                              QStringLiteral(" ORDER BY ID_key DESC LIMIT 1"),
                          {equipmentKey});
    // a file no version of the tolerances has opened yet chose none
    if (!read && (isPassingStoreError(query.lastError()) ||
                  SqlDialect::hasTable(QStringLiteral("tolerancechoice")))) {
        const Outcome failure = failed(query, "cannot read the scanner's tolerance set:");
        if (outcome)
            *outcome = failure;
    }
    return read && query.next() ? query.value(0).toLongLong() : qint64(ToleranceSet::OriginalId);
}

ToleranceSet ToleranceStore::setForScanner(int equipmentKey, Outcome *outcome)
{
    Outcome chosen = InspectionStore::Done;
    const qint64 id = chosenSet(equipmentKey, &chosen);
    QSqlQuery query;
    const bool read =
        chosen == InspectionStore::Done &&
        run(query,
            QStringLiteral("SELECT %1 FROM toleranceset WHERE ID_key = ? ORDER BY Version DESC "
                           "LIMIT 1")
                .arg(setColumns),
            {id});
    if (outcome)
        *outcome = chosen != InspectionStore::Done ? chosen
                   : read                          ? InspectionStore::Done
                                                   : failed(query, "cannot read a tolerance set:");
    ToleranceSet set = ToleranceSet::original();
    if (read && query.next() && !fromRow(query, &set))
        set = ToleranceSet::original();
    return set;
}

Outcome ToleranceStore::chooseSet(int equipmentKey, const QStringList &record,
                                  const ToleranceSet &set, const Signed &by)
{
    if (!signedFully(by) || record.size() != EquipmentFields::record.size())
        return InspectionStore::Failed;
    StoreTransaction transaction;
    QSqlQuery &query = transaction.query;
    QVariantList values{equipmentKey};
    for (const QString &field : record)
        values << (field.isNull() ? QString::fromLatin1("") : field);
    values << set.id << timeText(QDateTime::currentDateTime());
    if (!transaction.begin() ||
        !run(query,
             QStringLiteral("INSERT INTO tolerancechoice (Equipment, %1, ToleranceSet, Chosen) "
                            "VALUES (?, ?, ?, ?, ?, ?, ?, ?)")
                 .arg(EquipmentFields::record.join(QStringLiteral(", "))),
             values) ||
        !audit(query, AuditEntry::SetChosen, record.value(2), versionText(set), by) ||
        !transaction.commit())
        return failed(query, "cannot choose a tolerance set:");
    return InspectionStore::Done;
}

namespace {

// The first reported inspection of the transducer, by its date.
const QString firstReported =
    QStringLiteral("SELECT ID_key, Inspected FROM inspection WHERE Transducer = ? AND State = 1 "
                   "ORDER BY Inspected, ID_key LIMIT 1");

bool baselineTables()
{
    return SqlDialect::hasTable(QStringLiteral("baseline")) &&
           SqlDialect::hasTable(QStringLiteral("transducer"));
}

} // namespace

QVector<ToleranceStore::BaselineEntry> ToleranceStore::baselines(qint64 transducerKey,
                                                                 Outcome *outcome)
{
    QVector<BaselineEntry> entries;
    if (outcome)
        *outcome = InspectionStore::Done;
    if (!baselineTables())
        return entries;
    QSqlQuery query;
    bool read = run(query, firstReported, {transducerKey});
    if (read && query.next()) {
        BaselineEntry first;
        first.inspectionId = query.value(0).toLongLong();
        first.date = QDate::fromString(query.value(1).toString(), Qt::ISODate);
        entries << first;
    }
    query.finish();
    read = read && run(query,
                       QStringLiteral("SELECT b.Inspection, i.Inspected, b.Chosen, b.Who, "
                                      "b.Reason FROM baseline b JOIN inspection i ON "
                                      "i.ID_key = b.Inspection WHERE b.Transducer = ? "
                                      "ORDER BY b.ID_key"),
                       {transducerKey});
    while (read && query.next()) {
        BaselineEntry entry;
        entry.inspectionId = query.value(0).toLongLong();
        entry.date = QDate::fromString(query.value(1).toString(), Qt::ISODate);
        entry.chosen = QDateTime::fromString(query.value(2).toString(), Qt::ISODateWithMs);
        entry.who = query.value(3).toString();
        entry.why = query.value(4).toString();
        entries << entry;
    }
    if (!read) {
        const Outcome failure = failed(query, "cannot read the baselines:");
        if (outcome)
            *outcome = failure;
    }
    return entries;
}

qint64 ToleranceStore::baselineInspection(qint64 transducerKey, Outcome *outcome)
{
    const QVector<BaselineEntry> entries = baselines(transducerKey, outcome);
    return entries.isEmpty() ? -1 : entries.last().inspectionId;
}

Baseline ToleranceStore::baselineFor(qint64 transducerKey, qint64 inspectionId, Outcome *outcome)
{
    if (outcome)
        *outcome = InspectionStore::Done;
    const qint64 id = transducerKey < 0 ? -1 : baselineInspection(transducerKey, outcome);
    if (id < 0 || id == inspectionId)
        return Baseline();
    QSqlQuery query;
    if (!run(query, QStringLiteral("SELECT Inputs FROM inspection WHERE ID_key = ?"), {id})) {
        const Outcome failure = failed(query, "cannot read the baseline inspection:");
        if (outcome)
            *outcome = failure;
        return Baseline();
    }
    if (!query.next())
        return Baseline(); // deleted meanwhile
    const QJsonObject values = QJsonDocument::fromJson(query.value(0).toString().toUtf8()).object();
    return Baseline::of(id, Inspection(values));
}

Outcome ToleranceStore::chooseBaseline(qint64 transducerKey, qint64 inspectionId, const Signed &by)
{
    if (!signedFully(by))
        return InspectionStore::Failed;
    StoreTransaction transaction;
    QSqlQuery &query = transaction.query;
    if (!transaction.begin() ||
        !run(query,
             QStringLiteral("SELECT Inspected FROM inspection WHERE ID_key = ? AND Transducer = "
                            "? AND State = 1"),
             {inspectionId, transducerKey}))
        return failed(query, "cannot choose a baseline:");
    if (!query.next()) {
        qCWarning(zetuStore) << "inspection" << inspectionId
                             << "is no reported inspection of transducer" << transducerKey;
        return InspectionStore::Failed;
    }
    const QDate date = QDate::fromString(query.value(0).toString(), Qt::ISODate);
    query.finish();
    const QString transducer = transducerText(query, transducerKey);
    if (!run(query,
             QStringLiteral("INSERT INTO baseline (Transducer, Inspection, Chosen, Who, Reason) "
                            "VALUES (?, ?, ?, ?, ?)"),
             {transducerKey, inspectionId, timeText(QDateTime::currentDateTime()), by.who.trimmed(),
              by.why.trimmed()}) ||
        !audit(query, AuditEntry::BaselineChosen, transducer, date.toString(Qt::ISODate), by) ||
        !transaction.commit())
        return failed(query, "cannot choose a baseline:");
    return InspectionStore::Done;
}

QString ToleranceStore::AuditEntry::describe() const
{
    switch (action) {
    case BaselineChosen:
        return Texts::tr("Linha de base de %1: inspeção de %2")
            .arg(subject, QDate::fromString(detail, Qt::ISODate).toString(DateFormats::shown));
    case SetAdded:
        return Texts::tr("Conjunto \"%1\" criado a partir de \"%2\"").arg(subject, detail);
    case SetChanged:
        return Texts::tr("Conjunto alterado: %1").arg(detail);
    case SetChosen:
        return Texts::tr("Equipamento %1 julgado pelo conjunto %2").arg(subject, detail);
    }
    return QString();
}

QVector<ToleranceStore::AuditEntry> ToleranceStore::auditTrail(Outcome *outcome)
{
    QVector<AuditEntry> entries;
    if (outcome)
        *outcome = InspectionStore::Done;
    // A file of an earlier version has no trail; one that is busy says so (the list of
    // tables it cannot read would look empty).
    QSqlQuery query;
    bool read = true;
    if (SqlDialect::onServer()) {
        if (!SqlDialect::hasTable(QStringLiteral("audit")))
            return entries;
    } else {
        read = run(query, QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = "
                                         "'table' AND name = 'audit'")) &&
               query.next();
        if (read && query.value(0).toInt() == 0)
            return entries;
    }
    read = read && run(query, QStringLiteral("SELECT At, Who, Action, Subject, Detail, Reason "
                                             "FROM audit ORDER BY ID_key DESC"));
    if (!read) {
        const Outcome failure = failed(query, "cannot read the audit trail:");
        if (outcome)
            *outcome = failure;
    }
    while (read && query.next()) {
        AuditEntry entry;
        entry.at = QDateTime::fromString(query.value(0).toString(), Qt::ISODateWithMs);
        entry.who = query.value(1).toString();
        const int action = query.value(2).toInt();
        entry.action = action >= 0 && action <= AuditEntry::SetChosen ? AuditEntry::Action(action)
                                                                      : AuditEntry::SetChanged;
        entry.subject = query.value(3).toString();
        entry.detail = query.value(4).toString();
        entry.why = query.value(5).toString();
        entries << entry;
    }
    return entries;
}
