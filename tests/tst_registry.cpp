// The equipment registry: the database file, the list of step 1 and the dialog
// that adds and corrects scanners, driven through the real window and boxes.

#include "app/language.h"
#include "wizard/mainwindow.h"

#include "dialogdriver.h"
#include "wizardfill.h"
#include "workdir.h"

#include <QCoreApplication>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedPointer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTableView>
#include <QTest>
#include <QTranslator>

namespace {

const char *const fieldNames[] = {"lineEditInstit", "lineEditLocal", "lineEditID", "lineEditModelo",
                                  "lineEditFabricante"};

const QString createStatement = QStringLiteral(
    "CREATE TABLE usequip (ID_key INTEGER primary key, Institution VARCHAR(80), Place "
    "VARCHAR(80), ID VARCHAR(80), Model VARCHAR(40), Manufacturer VARCHAR(80))");

using Rows = QList<QStringList>;

// Runs a statement on zetu.db through a connection of the test's own and returns
// every row it yields.
Rows readDb(const QString &statement)
{
    Rows rows;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(QStringLiteral("zetu.db"));
        if (db.open()) {
            QSqlQuery query(db);
            query.exec(statement);
            while (query.next()) {
                QStringList row;
                for (int c = 0; c < query.record().count(); ++c)
                    row << query.value(c).toString();
                rows << row;
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return rows;
}

Rows storedRecords()
{
    return readDb(QStringLiteral(
        "SELECT Institution, Place, ID, Model, Manufacturer FROM usequip ORDER BY ID_key"));
}

void fillForm(QWidget *dialog, const QStringList &fields)
{
    for (int i = 0; i < 5; ++i)
        dialog->findChild<QLineEdit *>(QLatin1String(fieldNames[i]))->setText(fields.at(i));
}

QStringList formFields(QWidget *dialog)
{
    QStringList fields;
    for (const char *name : fieldNames)
        fields << dialog->findChild<QLineEdit *>(QLatin1String(name))->text();
    return fields;
}

void click(QWidget *dialog, const char *button)
{
    QTest::mouseClick(dialog->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
}

const QStringList central{"Hospital Central", "Radiologia", "US-01", "Logiq P5", "GE"};
const QStringList santana{"Hospital Sant'Ana", "Obstetrícia", "A'1", "Acuson", "Siemens"};

} // namespace

class TestRegistry : public QObject
{
    Q_OBJECT

private slots:
    void init() { workDir.reset(new WorkDir); }
    void cleanup()
    {
        window.reset();
        if (translator) {
            QCoreApplication::removeTranslator(translator.data());
            translator.reset();
        }
        workDir.reset();
    }

    void databaseFile_data();
    void databaseFile();
    void headerLabels_data();
    void headerLabels();
    void sortingKeepsKeyHidden();
    void deleteRecord_data();
    void deleteRecord();
    void buttonsWithoutCurrentRow();
    void addRecord_data();
    void addRecord();
    void leavingDropsThePendingRow_data();
    void leavingDropsThePendingRow();
    void editRecord_data();
    void editRecord();
    void refusedWrite_data();
    void refusedWrite();
    void englishDialog();

private:
    void open(bool english = false)
    {
        if (english) {
            translator.reset(new QTranslator);
            QCOMPARE(installCatalogue(*translator, QStringLiteral("en_US")), 1);
        }
        window.reset(new MainWindow(english ? 1 : 0));
        window->show();
        view = window->findChild<QTableView *>(QStringLiteral("tableView"));
        model = qobject_cast<QSqlTableModel *>(view->model());
    }
    void seed() { WizardFill::seedEquipment({toEquipment(central), toEquipment(santana)}); }
    static WizardFill::Equipment toEquipment(const QStringList &f)
    {
        return {f.at(0), f.at(1), f.at(2), f.at(3), f.at(4)};
    }
    QStringList listedInstitutions() const
    {
        QStringList names;
        for (int row = 0; row < model->rowCount(); ++row)
            names << model->index(row, 1).data().toString();
        return names;
    }
    int visibleRows() const
    {
        int count = 0;
        for (int row = 0; row < model->rowCount(); ++row)
            count += view->isRowHidden(row) ? 0 : 1;
        return count;
    }
    // Opens Novo (or Editar), types the fields, presses the dialog's button and
    // answers the box that this may raise; Cancel then ends a dialog left open.
    void typeAndSave(const char *openButton, const QStringList &fields, bool refused,
                     bool *stayedOpen = nullptr, QStringList *kept = nullptr)
    {
        DialogDriver driver;
        driver.then([&](QWidget *dialog) {
            fillForm(dialog, fields);
            click(dialog, "pushButtonAdd");
            if (stayedOpen)
                *stayedOpen = dialog->isVisible();
            if (kept)
                *kept = formFields(dialog);
            if (dialog->isVisible())
                click(dialog, "pushButtonCancel");
        });
        if (refused)
            driver.press(QMessageBox::Ok);
        QTest::mouseClick(window->findChild<QPushButton *>(QLatin1String(openButton)),
                          Qt::LeftButton);
        QVERIFY(driver.waitDone());
        QCOMPARE(driver.unexpectedCount(), 0);
        boxes = driver.seen().mid(1);
    }

    QScopedPointer<WorkDir> workDir;
    QScopedPointer<QTranslator> translator;
    QScopedPointer<MainWindow> window;
    QTableView *view = nullptr;
    QSqlTableModel *model = nullptr;
    QList<SeenDialog> boxes;
};

void TestRegistry::databaseFile_data()
{
    QTest::addColumn<QByteArray>("content"); // "none": no file at start
    QTest::addColumn<bool>("seeded");
    QTest::addColumn<QString>("tableSql");
    QTest::addColumn<int>("listed");

    QTest::newRow("first start") << QByteArray("none") << false << createStatement << 0;
    QTest::newRow("empty file gets the table") << QByteArray() << false << createStatement << 0;
    QTest::newRow("second start keeps rows") << QByteArray("none") << true << QString() << 2;
    QTest::newRow("not a database")
        << QByteArray("these are notes, not a database\n") << false << QString() << 0;
}

void TestRegistry::databaseFile()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, seeded);
    QFETCH(QString, tableSql);
    QFETCH(int, listed);

    if (seeded)
        seed();
    const Rows before = readDb(QStringLiteral("SELECT sql FROM sqlite_master"));
    if (content != "none") {
        QFile file(workDir->file(QStringLiteral("zetu.db")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    for (int start = 0; start < 2; ++start) {
        open();
        QCOMPARE(model->rowCount(), listed);
        window.reset();
    }

    if (content.size() > 0 && content != "none") {
        // a file that is not a database is never touched
        QFile file(workDir->file(QStringLiteral("zetu.db")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
        return;
    }
    const Rows tables = readDb(QStringLiteral("SELECT sql FROM sqlite_master"));
    if (seeded) {
        QCOMPARE(tables, before); // an existing table is never altered
        QCOMPARE(storedRecords(), Rows({central, santana}));
        return;
    }
    QCOMPARE(tables, Rows({{tableSql}}));
    const Rows columns = readDb(QStringLiteral("SELECT name FROM pragma_table_info('usequip')"));
    QCOMPARE(columns,
             Rows({{"ID_key"}, {"Institution"}, {"Place"}, {"ID"}, {"Model"}, {"Manufacturer"}}));
}

void TestRegistry::headerLabels_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("labels");

    QTest::newRow("portuguese") << false
                                << QStringList{"Instituição", "Local", "ID", "Modelo",
                                               "Fabricante"};
    QTest::newRow("english") << true
                             << QStringList{"Institution", "Place", "ID", "Model", "Manufacturer"};
}

void TestRegistry::headerLabels()
{
    QFETCH(bool, english);
    QFETCH(QStringList, labels);
    seed();
    open(english);

    for (int column = 1; column <= 5; ++column)
        QCOMPARE(model->headerData(column, Qt::Horizontal).toString(), labels.at(column - 1));
    QVERIFY(view->isColumnHidden(0));
    QCOMPARE(view->editTriggers(), QAbstractItemView::NoEditTriggers);
    // the first row is current and selected at start
    QCOMPARE(view->currentIndex().row(), 0);
    QVERIFY(view->selectionModel()->isRowSelected(0, QModelIndex()));
}

void TestRegistry::sortingKeepsKeyHidden()
{
    WizardFill::seedEquipment({toEquipment(santana),
                               toEquipment(central),
                               {"Clínica Norte", "Sala 2", "C-9", "Voluson", "GE"}});
    open();
    QCOMPARE(listedInstitutions(),
             QStringList({"Hospital Sant'Ana", "Hospital Central", "Clínica Norte"}));

    QHeaderView *header = view->horizontalHeader();
    const int institution = header->sectionViewportPosition(1) + 5;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(institution, 5));
    QCOMPARE(listedInstitutions(),
             QStringList({"Clínica Norte", "Hospital Central", "Hospital Sant'Ana"}));
    QVERIFY(view->isColumnHidden(0));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(institution, 5));
    QCOMPARE(listedInstitutions(),
             QStringList({"Hospital Sant'Ana", "Hospital Central", "Clínica Norte"}));
    QVERIFY(view->isColumnHidden(0));

    for (int column = 2; column <= 5; ++column) {
        view->sortByColumn(column, Qt::DescendingOrder);
        QVERIFY(view->isColumnHidden(0));
        QCOMPARE(model->rowCount(), 3);
    }
}

void TestRegistry::deleteRecord_data()
{
    QTest::addColumn<bool>("onlyRow");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<Rows>("remaining");

    QTest::newRow("ok") << false << "ok" << Rows({santana});
    QTest::newRow("cancel") << false << "cancel" << Rows({central, santana});
    QTest::newRow("box closed") << false << "close" << Rows({central, santana});
    QTest::newRow("only row") << true << "ok" << Rows();
}

void TestRegistry::deleteRecord()
{
    QFETCH(bool, onlyRow);
    QFETCH(QString, answer);
    QFETCH(Rows, remaining);

    if (onlyRow)
        WizardFill::seedEquipment({toEquipment(central)});
    else
        seed();
    open();

    DialogDriver driver;
    if (answer == "ok")
        driver.press(QMessageBox::Ok);
    else if (answer == "cancel")
        driver.press(QMessageBox::Cancel);
    else
        driver.closeWindow();
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("pushButtonDeleteRecord")),
                      Qt::LeftButton);
    QVERIFY(driver.waitDone());
    QCOMPARE(driver.seen().size(), 1);
    const SeenDialog &box = driver.seen().at(0);
    QCOMPARE(box.text, QStringLiteral("Tem certeza que deseja remover o registro?"));
    QCOMPARE(box.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(box.defaultButton, QMessageBox::Cancel);
    QCOMPARE(box.icon, QMessageBox::NoIcon);

    QCOMPARE(storedRecords(), remaining);
    QCOMPARE(model->rowCount(), remaining.size());
    if (answer == "ok") {
        QVERIFY(!view->currentIndex().isValid());
        QVERIFY(!view->selectionModel()->hasSelection());
    }
}

void TestRegistry::buttonsWithoutCurrentRow()
{
    // an empty list, then a list whose current row has been cleared
    for (bool seeded : {false, true}) {
        if (seeded)
            seed();
        open();
        view->setCurrentIndex(QModelIndex());
        DialogDriver driver;
        for (const char *button : {"pushButtonDeleteRecord", "pushButtonEdit"})
            QTest::mouseClick(window->findChild<QPushButton *>(QLatin1String(button)),
                              Qt::LeftButton);
        QTest::qWait(100);
        QCOMPARE(driver.seen().size(), 0);
        QCOMPARE(storedRecords().size(), seeded ? 2 : 0);
        window.reset();
    }
}

void TestRegistry::addRecord_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("message"); // empty: the record is stored

    const QString blank = QStringLiteral("Todos os campos devem ser preenchidos");
    const QString duplicate =
        QStringLiteral("Não é permitido ID duplicado para a mesma Instituição.");

    QTest::newRow("five fields") << QStringList{"Clínica Norte", "Sala 2", "C-9", "Voluson", "GE"}
                                 << QString();
    QTest::newRow("same ID, other institution")
        << QStringList{"Clínica Norte", "Sala 2", "US-01", "Voluson", "GE"} << QString();
    QTest::newRow("institution differs in case")
        << QStringList{"hospital central", "Sala 2", "US-01", "Voluson", "GE"} << QString();
    QTest::newRow("duplicate") << QStringList{"Hospital Central", "UTI", "US-01", "X", "Y"}
                               << duplicate;
    QTest::newRow("duplicate after trimming")
        << QStringList{"  Hospital Central ", "UTI", "\tUS-01 ", "X", "Y"} << duplicate;
    QTest::newRow("apostrophe duplicate")
        << QStringList{"Hospital Sant'Ana", "UTI", "A'1", "X", "Y"} << duplicate;
    QTest::newRow("blanks only") << QStringList{"Clínica Norte", "   ", "C-9", "Voluson", "GE"}
                                 << blank;
    QTest::newRow("empty manufacturer")
        << QStringList{"Clínica Norte", "Sala", "C-9", "V", ""} << blank;
    QTest::newRow("statement text stored verbatim")
        << QStringList{"Hospital Sant'Ana", "Sala \"B\"; 2", "ID'; DROP TABLE usequip; --",
                       "x' OR '1'='1", "GE; --"}
        << QString();
}

void TestRegistry::addRecord()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    seed();
    open();

    bool stayedOpen = false;
    typeAndSave("pushButtonNewRecord", fields, !message.isEmpty(), &stayedOpen);

    if (message.isEmpty()) {
        QVERIFY(boxes.isEmpty());
        QVERIFY(!stayedOpen);
        QCOMPARE(storedRecords(), Rows({central, santana, fields}));
        QCOMPARE(readDb(QStringLiteral("SELECT max(ID_key) FROM usequip")), Rows({{"3"}}));
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(visibleRows(), 3);
        QCOMPARE(view->currentIndex().row(), 2);
        QVERIFY(view->selectionModel()->isRowSelected(2, QModelIndex()));
    } else {
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.at(0).title, QStringLiteral("Erro"));
        QCOMPARE(boxes.at(0).text, message);
        QCOMPARE(boxes.at(0).icon, QMessageBox::Critical);
        QVERIFY(stayedOpen);
        QCOMPARE(storedRecords(), Rows({central, santana}));
        QCOMPARE(model->rowCount(), 2);
    }
}

void TestRegistry::leavingDropsThePendingRow_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("cancel") << "cancel";
    QTest::newRow("escape") << "escape";
    QTest::newRow("close button") << "close";
}

void TestRegistry::leavingDropsThePendingRow()
{
    QFETCH(QString, way);
    seed();
    open();

    {
        DialogDriver driver;
        driver.then([&](QWidget *dialog) {
            fillForm(dialog, {"Clínica Norte", "Sala 2", "C-9", "Voluson", "GE"});
            if (way == "cancel")
                click(dialog, "pushButtonCancel");
            else if (way == "escape")
                QTest::keyClick(dialog, Qt::Key_Escape);
            else
                dialog->close();
        });
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("pushButtonNewRecord")),
                          Qt::LeftButton);
        QVERIFY(driver.waitDone());
    }
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(visibleRows(), 2);
    QVERIFY(!model->isDirty());

    // the next addition writes exactly its own row
    const QStringList north{"Clínica Norte", "Sala 3", "C-10", "Voluson", "GE"};
    typeAndSave("pushButtonNewRecord", north, false);
    QCOMPARE(storedRecords(), Rows({central, santana, north}));
}

void TestRegistry::editRecord_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("refused");

    QTest::newRow("keeps its own pair")
        << QStringList{"Hospital Central", "UTI", "US-01", "Logiq E9", "GE Healthcare"} << false;
    QTest::newRow("takes a new ID")
        << QStringList{"Hospital Central", "Radiologia", "US-02", "Logiq P5", "GE"} << false;
    QTest::newRow("onto another record's pair")
        << QStringList{"Hospital Sant'Ana", "Radiologia", "A'1", "Logiq P5", "GE"} << true;
}

void TestRegistry::editRecord()
{
    QFETCH(QStringList, fields);
    QFETCH(bool, refused);
    seed();
    open();
    view->selectRow(0);

    QScopedPointer<DialogDriver> edit(new DialogDriver);
    DialogDriver &driver = *edit;
    QStringList shown;
    driver.then([&](QWidget *dialog) {
        shown = formFields(dialog);
        QCOMPARE(dialog->findChild<QPushButton *>(QStringLiteral("pushButtonAdd"))->text(),
                 QStringLiteral("Ok"));
        fillForm(dialog, fields);
        click(dialog, "pushButtonAdd");
        if (dialog->isVisible())
            click(dialog, "pushButtonCancel");
    });
    if (refused)
        driver.press(QMessageBox::Ok);
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("pushButtonEdit")),
                      Qt::LeftButton);
    QVERIFY(driver.waitDone());
    QCOMPARE(shown, central);

    if (refused) {
        QCOMPARE(driver.seen().at(1).text,
                 QStringLiteral("Não é permitido ID duplicado para a mesma Instituição."));
        QCOMPARE(storedRecords(), Rows({central, santana}));
        QCOMPARE(model->index(0, 1).data().toString(), central.at(0));
        return;
    }
    QCOMPARE(driver.seen().size(), 1);
    QCOMPARE(storedRecords(), Rows({fields, santana}));
    QVERIFY(!view->currentIndex().isValid());
    edit.reset();

    // with no scanner chosen after the edit, step 1 cannot be left
    DialogDriver next;
    next.press(QMessageBox::Ok);
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("pushButtonNext")),
                      Qt::LeftButton);
    QVERIFY(next.waitDone());
    QCOMPARE(next.seen().at(0).text, QStringLiteral("Selecione um equipamento"));
}

void TestRegistry::refusedWrite_data()
{
    QTest::addColumn<QString>("cause");
    QTest::newRow("trigger refuses inserts") << "trigger";
    QTest::newRow("not a database") << "garbage";
    QTest::newRow("table dropped behind the program") << "dropped";
}

void TestRegistry::refusedWrite()
{
    QFETCH(QString, cause);
    if (cause == "garbage") {
        QFile file(workDir->file(QStringLiteral("zetu.db")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a database at all, but long enough to be read as one\n");
    } else {
        seed();
    }
    if (cause == "trigger")
        readDb(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON usequip "
                              "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    open();
    const int before = model->rowCount();
    if (cause == "dropped")
        readDb(QStringLiteral("DROP TABLE usequip"));

    const QStringList north{"Clínica Norte", "Sala 2", "C-9", "Voluson", "GE"};
    bool stayedOpen = false;
    QStringList kept;
    typeAndSave("pushButtonNewRecord", north, true, &stayedOpen, &kept);

    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.at(0).title, QStringLiteral("Erro"));
    QCOMPARE(boxes.at(0).text,
             QStringLiteral("Não foi possível salvar o registro no banco de dados."));
    QCOMPARE(boxes.at(0).icon, QMessageBox::Critical);
    QVERIFY(stayedOpen);
    QCOMPARE(kept, north);
    // after Cancel the list shows only what is stored
    QCOMPARE(model->rowCount(), before);
    QCOMPARE(visibleRows(), before);
    QVERIFY(!storedRecords().contains(north));
}

void TestRegistry::englishDialog()
{
    seed();
    open(true);

    // adding: the English button text saves, and the messages come in English
    QScopedPointer<DialogDriver> add(new DialogDriver);
    DialogDriver &driver = *add;
    const QStringList north{"Clínica Norte", "Sala 2", "C-9", "Voluson", "GE"};
    QString addText;
    driver.then([&](QWidget *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Equipment"));
        addText = dialog->findChild<QPushButton *>(QStringLiteral("pushButtonAdd"))->text();
        fillForm(dialog, {"Clínica Norte", "", "C-9", "Voluson", "GE"});
        click(dialog, "pushButtonAdd");
        fillForm(dialog, north);
        click(dialog, "pushButtonAdd");
    });
    driver.press(QMessageBox::Ok);
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("pushButtonNewRecord")),
                      Qt::LeftButton);
    QVERIFY(driver.waitDone());
    QCOMPARE(addText, QStringLiteral("Add"));
    QCOMPARE(driver.seen().at(1).title, QStringLiteral("Error"));
    QCOMPARE(driver.seen().at(1).text, QStringLiteral("All the fields must be filled"));
    QCOMPARE(storedRecords(), Rows({central, santana, north}));
    add.reset();

    // editing: "Ok", and a duplicate is refused in English
    view->selectRow(2);
    DialogDriver edit;
    QString okText;
    edit.then([&](QWidget *dialog) {
        okText = dialog->findChild<QPushButton *>(QStringLiteral("pushButtonAdd"))->text();
        fillForm(dialog, {"Hospital Central", "Sala 2", "US-01", "Voluson", "GE"});
        click(dialog, "pushButtonAdd");
        fillForm(dialog, {"Clínica Norte", "Sala 9", "C-9", "Voluson", "GE"});
        click(dialog, "pushButtonAdd");
    });
    edit.press(QMessageBox::Ok);
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("pushButtonEdit")),
                      Qt::LeftButton);
    QVERIFY(edit.waitDone());
    QCOMPARE(okText, QStringLiteral("Ok"));
    QCOMPARE(edit.seen().at(1).text,
             QStringLiteral("It is not allowed a duplicated ID for the same institution."));
    QCOMPARE(storedRecords().at(2).at(1), QStringLiteral("Sala 9"));
}

QTEST_MAIN(TestRegistry)
#include "tst_registry.moc"
