#ifndef WIZARDFILL_H
#define WIZARDFILL_H

#include "history/transducerstore.h"
#include "wizard/inspectionfields.h"
#include "wizard/mainwindow.h"

#include <QtSql>
#include <QtWidgets>

// Helpers that prepare an equipment registry before the window opens it and put the
// wizard's inputs into a state every step accepts.
namespace WizardFill {

struct Equipment
{
    QString institution, place, id, model, manufacturer;
};

// Creates zetu.db in the working directory with the registry table and the rows given,
// on a connection of its own that is removed again.
inline void seedEquipment(const QList<Equipment> &rows)
{
    const QString name = QStringLiteral("seed");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(QStringLiteral("zetu.db"));
        db.open();
        QSqlQuery query(db);
        query.exec(QStringLiteral(
            "CREATE TABLE IF NOT EXISTS usequip (ID_key INTEGER primary key, Institution "
            "VARCHAR(80), Place VARCHAR(80), ID VARCHAR(80), Model VARCHAR(40), Manufacturer "
            "VARCHAR(80))"));
        for (const Equipment &row : rows) {
            query.prepare(QStringLiteral("INSERT INTO usequip (Institution, Place, ID, Model, "
                                         "Manufacturer) VALUES (?, ?, ?, ?, ?)"));
            query.addBindValue(row.institution);
            query.addBindValue(row.place);
            query.addBindValue(row.id);
            query.addBindValue(row.model);
            query.addBindValue(row.manufacturer);
            query.exec();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

// Gives the scanner of `equipmentKey` a transducer, on the window's connection (the
// tables made first), and returns its key.
inline qint64 addTransducer(int equipmentKey, const QString &model = QStringLiteral("C5-1"))
{
    InspectionStore::prepare();
    Transducer transducer;
    transducer.equipmentKey = equipmentKey;
    transducer.model = model;
    transducer.type = Transducer::Convex;
    TransducerStore::save(transducer, InspectionStore::equipmentRecord(equipmentKey));
    return transducer.key;
}

// Selects the first row of the equipment list (rows come from seedEquipment).
inline void selectEquipment(QWidget *window)
{
    window->findChild<QTableView *>(QStringLiteral("tableView"))->selectRow(0);
}

// Gives every input that a step checks an acceptable value: the first equipment row
// (seed the registry with seedEquipment before the window opens), a transducer of each
// scanner listed, and steps 2 to 8 (built first).
inline void makeStepsValid(MainWindow *window)
{
    window->buildSteps();
    selectEquipment(window);
    // every scanner listed has a transducer to inspect
    const QAbstractItemModel *list =
        window->findChild<QTableView *>(QStringLiteral("tableView"))->model();
    for (int row = 0; row < list->rowCount(); ++row) {
        const int key = list->index(row, 0).data().toInt();
        if (TransducerStore::forEquipment(key).isEmpty())
            addTransducer(key);
    }
    Inspection values(QJsonObject{{"comboBox4ImgUnifor", 1},
                                  {"lineEdit4Transdutor", "Convexo"},
                                  {"lineTecResp", "Maria Souza"}});
    for (QWidget *input :
         window->findChildren<QComboBox *>(QRegularExpression(QStringLiteral("^comboBox(3|2_0)"))))
        values.set(input->objectName(), 1);
    for (const MeasuringField &field : Inspection::measuringFields())
        values.set(field.name, field.kind <= MeasuringField::MaxPenetration ? 10.0 : 3.0);
    InspectionFields(window).write(values);
}

} // namespace WizardFill

#endif // WIZARDFILL_H
