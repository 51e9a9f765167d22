#include "history/inspectionstore.h"

#include <QJsonDocument>
#include <QSqlQuery>
#include <QVariant>

namespace {

const QString columns =
    QStringLiteral("ID_key, Equipment, Started, Changed, Technician, State, Report, Inputs");

QString timeText(const QDateTime &time)
{
    return time.toString(Qt::ISODateWithMs);
}

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
    return inspection;
}

} // namespace

bool InspectionStore::save(StoredInspection &inspection)
{
    QSqlQuery query;
    const bool insert = inspection.id < 0;
    query.prepare(insert ? QStringLiteral("INSERT INTO inspection (Equipment, Started, Changed, "
                                          "Technician, State, Report, Inputs) "
                                          "VALUES (?, ?, ?, ?, ?, ?, ?)")
                         : QStringLiteral("UPDATE inspection SET Equipment = ?, Started = ?, "
                                          "Changed = ?, Technician = ?, State = ?, Report = ?, "
                                          "Inputs = ? WHERE ID_key = ?"));
    query.addBindValue(inspection.equipmentKey);
    query.addBindValue(timeText(inspection.started));
    query.addBindValue(timeText(inspection.changed));
    query.addBindValue(inspection.technician);
    query.addBindValue(int(inspection.state));
    query.addBindValue(inspection.pdfPath);
    query.addBindValue(
        QString::fromUtf8(QJsonDocument(inspection.values).toJson(QJsonDocument::Compact)));
    if (!insert)
        query.addBindValue(inspection.id);
    if (!query.exec())
        return false;
    // A row deleted meanwhile (from the history of another window) is written anew.
    if (!insert && query.numRowsAffected() == 0) {
        inspection.id = -1;
        return save(inspection);
    }
    if (insert)
        inspection.id = query.lastInsertId().toLongLong();
    return true;
}

QVector<StoredInspection> InspectionStore::forEquipment(int equipmentKey)
{
    QVector<StoredInspection> inspections;
    QSqlQuery query;
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT ") + columns +
                  QStringLiteral(" FROM inspection WHERE Equipment = ? "
                                 "ORDER BY Started DESC, ID_key DESC"));
    query.addBindValue(equipmentKey);
    if (!query.exec())
        return inspections;
    while (query.next())
        inspections.append(fromRow(query));
    return inspections;
}

bool InspectionStore::latestDraft(StoredInspection *draft)
{
    QSqlQuery query;
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT ") + columns +
                  QStringLiteral(" FROM inspection WHERE State = ? AND Equipment IN "
                                 "(SELECT ID_key FROM usequip) "
                                 "ORDER BY Changed DESC, ID_key DESC LIMIT 1"));
    query.addBindValue(int(StoredInspection::Draft));
    if (!query.exec() || !query.next())
        return false;
    *draft = fromRow(query);
    return true;
}

bool InspectionStore::remove(qint64 id)
{
    QSqlQuery query;
    query.prepare(QStringLiteral("DELETE FROM inspection WHERE ID_key = ?"));
    query.addBindValue(id);
    return query.exec();
}

QString InspectionStore::equipmentId(int equipmentKey)
{
    QSqlQuery query;
    query.prepare(QStringLiteral("SELECT ID FROM usequip WHERE ID_key = ?"));
    query.addBindValue(equipmentKey);
    if (!query.exec() || !query.next())
        return QString();
    return query.value(0).toString();
}
