#ifndef WIZARDFILL_H
#define WIZARDFILL_H

#include <QtSql>
#include <QtWidgets>

// Helpers that put the wizard's inputs into a state every step accepts, through the
// widgets' object names, and that prepare an equipment registry before the window
// opens it.
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

inline void setIndex(QWidget *window, const char *name, int index)
{
    if (auto *box = window->findChild<QComboBox *>(QLatin1String(name)))
        box->setCurrentIndex(index);
}

inline void setText(QWidget *window, const char *name, const QString &text)
{
    if (auto *edit = window->findChild<QLineEdit *>(QLatin1String(name)))
        edit->setText(text);
}

// Selects the first row of the equipment list (rows come from seedEquipment).
inline void selectEquipment(QWidget *window)
{
    if (auto *view = window->findChild<QTableView *>(QStringLiteral("tableView")))
        view->selectRow(0);
}

// Gives every input that a step checks an acceptable value: the first equipment row
// (seed the registry with seedEquipment before the window opens) and steps 2 to 8.
inline void makeStepsValid(QWidget *window)
{
    selectEquipment(window);
    for (const char *name :
         {"comboBox3cabo", "comboBox3Monitor", "comboBox3Controles", "comboBox3botoes",
          "comboBox3FiltPoeira", "comboBox3Transtud", "comboBox2_05db_ZM", "comboBox2_05db_RA",
          "comboBox2_05db_RL", "comboBox2_07db_ZM", "comboBox2_07db_RA", "comboBox2_07db_RL"})
        setIndex(window, name, 1);
    setIndex(window, "comboBox4ImgUnifor", 1);
    setText(window, "lineEdit4Transdutor", QStringLiteral("Convexo"));
    const QList<QDoubleSpinBox *> boxes = window->findChildren<QDoubleSpinBox *>(
        QRegularExpression(QStringLiteral("^s[57][AH](A|L|Ar)[2468]$")));
    for (QDoubleSpinBox *box : boxes)
        box->setValue(3.0);
    setText(window, "lineTecResp", QStringLiteral("Maria Souza"));
}

} // namespace WizardFill

#endif // WIZARDFILL_H
