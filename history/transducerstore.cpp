#include "history/transducerstore.h"

#include "core/dateformats.h"
#include "core/logging.h"
#include "registry/equipmentfields.h"
#include "registry/sqldialect.h"
#include "registry/storeerror.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

const QString belongs = EquipmentFields::belongsClause(QStringLiteral("t"));

// The latest reported inspection's date of transducer t.
const QString lastInspected =
    QStringLiteral("(SELECT MAX(i.Inspected) FROM inspection i WHERE i.Transducer = t.ID_key "
                   "AND i.State = 1)");

TransducerStore::Outcome failed(const QSqlQuery &query, const char *what)
{
    qCWarning(zetuStore) << what << query.lastError().text();
    return isPassingStoreError(query.lastError()) ? InspectionStore::Busy : InspectionStore::Failed;
}

const auto run = runBound;

// Before zetu.db's tables are made ready (or in a file that cannot take them) there
// are no transducers: said once at debug level, not as a failure.
bool tableThere()
{
    const bool there = SqlDialect::hasTable(QStringLiteral("transducer"));
    if (!there)
        qCDebug(zetuStore) << "zetu.db has no table transducer yet";
    return there;
}

QString nonNull(const QString &text)
{
    return text.isNull() ? QString::fromLatin1("") : text;
}

// The type an earlier version's typed text names, by the words a technician uses.
QString typeFromText(const QString &column)
{
    const QVector<QPair<Transducer::Type, QStringList>> words = {
        {Transducer::Linear, {QStringLiteral("linear")}},
        {Transducer::Convex, {QStringLiteral("conve")}},
        {Transducer::Sector,
         {QStringLiteral("setor"), QStringLiteral("sector"), QStringLiteral("phased")}},
        {Transducer::Endocavitary,
         {QStringLiteral("endo"), QStringLiteral("intracav"), QStringLiteral("transvag")}}};
    QString cases;
    for (const auto &type : words) {
        QStringList likes;
        for (const QString &word : type.second)
            likes << QStringLiteral("%1 LIKE '%%2%'").arg(column, word);
        cases += QStringLiteral(" WHEN %1 THEN %2")
                     .arg(likes.join(QStringLiteral(" OR ")))
                     .arg(type.first);
    }
    return QStringLiteral("CASE%1 ELSE %2 END").arg(cases).arg(Transducer::Other);
}

} // namespace

QStringList TransducerStore::createStatements()
{
    return {
        QStringLiteral("CREATE TABLE IF NOT EXISTS transducer (ID_key INTEGER PRIMARY KEY "
                       "AUTOINCREMENT, Equipment "
                       "INTEGER, Institution VARCHAR(80), Place VARCHAR(80), ID VARCHAR(80), Model "
                       "VARCHAR(40), Manufacturer VARCHAR(80), TransducerModel VARCHAR(80), Serial "
                       "VARCHAR(80), Type INTEGER, Frequency REAL, IntervalMonths INTEGER, Retired "
                       "INTEGER)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS transducer_equipment ON transducer (Equipment)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS inspection_transducer ON inspection "
                       "(Transducer, State, Inspected)")};
}

QStringList TransducerStore::placementStatements()
{
    const QString valid = QStringLiteral("json_valid(Inputs)");
    const QString text = QStringLiteral("CASE WHEN %1 THEN trim(CAST(json_extract(Inputs, "
                                        "'$.lineEdit4Transdutor') AS TEXT)) END")
                             .arg(valid);
    const QString frequency = QStringLiteral("CASE WHEN %1 THEN CAST(json_extract(Inputs, "
                                             "'$.doubleSpinBox4Freq') AS REAL) END")
                                  .arg(valid);
    const QString record = EquipmentFields::record.join(QStringLiteral(", "));
    QStringList matches;
    for (const QString &column : EquipmentFields::record)
        matches << QStringLiteral("t.%1 IS p.%1").arg(column);
    const QString same = QStringLiteral("t.Equipment = p.Equipment AND t.TransducerModel = p.Text "
                                        "AND ") +
                         matches.join(QStringLiteral(" AND "));
    return {
        QStringLiteral("UPDATE inspection SET Inspected = IFNULL(CASE WHEN %1 THEN CASE WHEN "
                       "json_type(Inputs, '$.calendarWidget') = 'text' THEN json_extract(Inputs, "
                       "'$.calendarWidget') END END, substr(Started, 1, 10))")
            .arg(valid),
        QStringLiteral("CREATE TEMP TABLE zetu_placed AS SELECT ID_key AS Row, Equipment, %1, %2 "
                       "AS Text, IFNULL(%3, 0) AS Frequency, Started FROM inspection WHERE "
                       "Equipment IS NOT NULL AND %4")
            .arg(record, text, frequency, EquipmentFields::belongsClause("inspection")),
        QStringLiteral("DELETE FROM temp.zetu_placed WHERE Text IS NULL OR Text = ''"),
        QStringLiteral("INSERT INTO transducer (Equipment, %1, TransducerModel, Serial, Type, "
                       "Frequency, IntervalMonths, Retired) SELECT Equipment, %1, Text, '', %2, "
                       "(SELECT q.Frequency FROM temp.zetu_placed q WHERE q.Equipment = "
                       "p.Equipment AND q.Text = p.Text ORDER BY q.Started DESC, q.Row DESC "
                       "LIMIT 1), %3, 0 FROM temp.zetu_placed p GROUP BY Equipment, %1, Text "
                       "ORDER BY MIN(Row)")
            .arg(record, typeFromText(QStringLiteral("Text")))
            .arg(Transducer::defaultIntervalMonths),
        QStringLiteral("UPDATE inspection SET Transducer = (SELECT t.ID_key FROM temp.zetu_placed "
                       "p JOIN transducer t ON %1 WHERE p.Row = inspection.ID_key) WHERE ID_key "
                       "IN (SELECT Row FROM temp.zetu_placed)")
            .arg(same),
        QStringLiteral("DROP TABLE temp.zetu_placed")};
}

QVector<Transducer> TransducerStore::forEquipment(int equipmentKey, Outcome *outcome)
{
    QVector<Transducer> transducers;
    if (!tableThere()) {
        if (outcome)
            *outcome = InspectionStore::Failed;
        return transducers;
    }
    QSqlQuery query;
    const bool read = run(
        query,
        QStringLiteral("SELECT t.ID_key, t.TransducerModel, t.Serial, t.Type, t.Frequency, "
                       "t.IntervalMonths, t.Retired, ") +
            lastInspected +
            QStringLiteral(", (SELECT COUNT(*) FROM inspection i WHERE i.Transducer = t.ID_key) "
                           "FROM transducer t WHERE t.Equipment = ? AND ") +
            belongs + QStringLiteral(" ORDER BY t.ID_key"),
        {equipmentKey});
    if (outcome)
        *outcome = read ? InspectionStore::Done : failed(query, "cannot read the transducers:");
    while (read && query.next()) {
        Transducer transducer;
        transducer.key = query.value(0).toLongLong();
        transducer.equipmentKey = equipmentKey;
        transducer.model = query.value(1).toString();
        transducer.serial = query.value(2).toString();
        const int type = query.value(3).toInt();
        transducer.type =
            type >= 0 && type < Transducer::typeCount ? Transducer::Type(type) : Transducer::Other;
        transducer.frequency = query.value(4).toDouble();
        transducer.intervalMonths =
            query.value(5).toInt() > 0 ? query.value(5).toInt() : Transducer::defaultIntervalMonths;
        transducer.retired = query.value(6).toInt() != 0;
        transducer.lastInspected = QDate::fromString(query.value(7).toString(), Qt::ISODate);
        transducer.inspections = query.value(8).toInt();
        transducers.append(transducer);
    }
    return transducers;
}

TransducerStore::Outcome TransducerStore::save(Transducer &transducer, const QStringList &record)
{
    QSqlQuery query;
    QVariantList values = {nonNull(transducer.model), nonNull(transducer.serial),
                           int(transducer.type), transducer.frequency, transducer.intervalMonths};
    if (transducer.key >= 0) {
        if (!run(query,
                 QStringLiteral("UPDATE transducer SET TransducerModel = ?, Serial = ?, Type = ?, "
                                "Frequency = ?, IntervalMonths = ? WHERE ID_key = ?"),
                 values << transducer.key))
            return failed(query, "cannot change a transducer:");
        return InspectionStore::Done;
    }
    if (record.size() != EquipmentFields::record.size()) {
        qCWarning(zetuStore) << "a transducer of an unregistered scanner is not kept";
        return InspectionStore::Failed;
    }
    values << transducer.equipmentKey;
    for (const QString &field : record)
        values << nonNull(field);
    if (!run(query,
             QStringLiteral("INSERT INTO transducer (TransducerModel, Serial, Type, Frequency, "
                            "IntervalMonths, Retired, Equipment, %1) VALUES (?, ?, ?, ?, ?, 0, ?, "
                            "?, ?, ?, ?, ?)")
                     .arg(EquipmentFields::record.join(QStringLiteral(", "))) +
                 SqlDialect::returningKey(),
             values))
        return failed(query, "cannot add a transducer:");
    transducer.key = SqlDialect::insertedKey(query);
    return InspectionStore::Done;
}

TransducerStore::Outcome TransducerStore::remove(qint64 key, bool *retired)
{
    QSqlQuery query;
    if (!query.exec(SqlDialect::beginWrite()))
        return failed(query, "cannot remove a transducer:");
    const bool named =
        run(query, QStringLiteral("SELECT COUNT(*) FROM inspection WHERE Transducer = ?"), {key}) &&
        query.next();
    const bool keep = named && query.value(0).toInt() > 0;
    query.finish();
    const bool done =
        named &&
        run(query,
            keep ? QStringLiteral("UPDATE transducer SET Retired = 1 WHERE ID_key = ?")
                 : QStringLiteral("DELETE FROM transducer WHERE ID_key = ?"),
            {key}) &&
        query.exec(QStringLiteral("COMMIT"));
    if (!done) {
        const Outcome outcome = failed(query, "cannot remove a transducer:");
        QSqlQuery rollback;
        rollback.exec(QStringLiteral("ROLLBACK"));
        return outcome;
    }
    if (retired)
        *retired = keep;
    return InspectionStore::Done;
}

QHash<int, TransducerStore::ScannerDue> TransducerStore::dueByScanner(const QDate &today,
                                                                      Outcome *outcome)
{
    QHash<int, ScannerDue> due;
    if (!tableThere()) {
        if (outcome)
            *outcome = InspectionStore::Failed;
        return due;
    }
    QSqlQuery query;
    query.setForwardOnly(true);
    const bool read =
        query.exec(QStringLiteral("SELECT t.Equipment, t.IntervalMonths, ") + lastInspected +
                   QStringLiteral(" FROM transducer t WHERE t.Retired = 0 AND ") + belongs);
    if (outcome)
        *outcome = read ? InspectionStore::Done : failed(query, "cannot read the due dates:");
    while (read && query.next()) {
        const QDate next =
            Due::next(QDate::fromString(query.value(2).toString(), Qt::ISODate),
                      query.value(1).toInt() > 0 ? query.value(1).toInt()
                                                 : Transducer::defaultIntervalMonths);
        ScannerDue &scanner = due[query.value(0).toInt()];
        if (!scanner.due || (scanner.next.isValid() && (!next.isValid() || next < scanner.next)))
            scanner.next = next;
        scanner.due = true;
        if (Due::state(next, today) == Due::Overdue)
            ++scanner.overdue;
    }
    return due;
}

// The next date in SQL, as Due::next has it: SQLite carries a day the month lacks into
// the next month (31 January + 1 month is 3 March), taken back to the month's end.
QString TransducerStore::nextDateOrder()
{
    const QString last = QStringLiteral("(SELECT MAX(i.Inspected) FROM inspection i WHERE "
                                        "i.Transducer = t.ID_key AND i.State = 1)");
    const QString months = QStringLiteral("'+' || IFNULL(NULLIF(t.IntervalMonths, 0), %1) || "
                                          "' months'")
                               .arg(Transducer::defaultIntervalMonths);
    if (SqlDialect::onServer()) // the server takes a day the month lacks to its end itself
        return QStringLiteral(
                   "COALESCE((SELECT MIN(CASE WHEN %1 IS NULL THEN '0000-00-00' ELSE "
                   "to_char(CAST(%1 AS DATE) + make_interval(months => CAST(COALESCE(NULLIF("
                   "t.IntervalMonths, 0), %2) AS INTEGER)), 'YYYY-MM-DD') END) FROM transducer t "
                   "WHERE t.Equipment = usequip.ID_key AND t.Retired = 0 AND %3), '9999-12-31')")
            .arg(last)
            .arg(Transducer::defaultIntervalMonths)
            .arg(belongs);
    const QString added = QStringLiteral("date(%1, %2)").arg(last, months);
    return QStringLiteral("IFNULL((SELECT MIN(CASE WHEN %1 IS NULL THEN '0000-00-00' WHEN "
                          "strftime('%d', %2) = strftime('%d', %1) THEN %2 ELSE date(%1, %3, "
                          "'start of month', '-1 day') END) FROM transducer t WHERE t.Equipment "
                          "= usequip.ID_key AND t.Retired = 0 AND %4), '9999-12-31')")
        .arg(last, added, months, belongs);
}
