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

using Rows = QList<QStringList>;

// Runs a statement on zetu.db through a connection of the test's own and returns
// every row it yields.
Rows readDb(const QString &statement)
{
    Rows rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "check");
        db.setDatabaseName("zetu.db");
        if (db.open()) {
            QSqlQuery query(db);
            query.exec(statement);
            while (query.next()) {
                rows << QStringList();
                for (int c = 0; c < query.record().count(); ++c)
                    rows.last() << query.value(c).toString();
            }
        }
    }
    QSqlDatabase::removeDatabase("check");
    return rows;
}

Rows storedRecords()
{
    return readDb(
        "SELECT Institution, Place, ID, Model, Manufacturer FROM usequip ORDER BY ID_key");
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

void click(QWidget *parent, const char *button)
{
    QTest::mouseClick(parent->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content);
}

const QStringList central{"Hospital Central", "Radiologia", "US-01", "Logiq P5", "GE"};
const QStringList santana{"Hospital Sant'Ana", "Obstetrícia", "A'1", "Acuson", "Siemens"};
const QStringList north{"Clínica Norte", "Sala 2", "C-9", "Voluson", "GE"};
const QString duplicate = "Não é permitido ID duplicado para a mesma Instituição.";

WizardFill::Equipment toEquipment(const QStringList &f)
{
    return {f.at(0), f.at(1), f.at(2), f.at(3), f.at(4)};
}

} // namespace

class TestRegistry : public QObject
{
    Q_OBJECT

    QScopedPointer<WorkDir> workDir;
    QScopedPointer<QTranslator> translator;
    QScopedPointer<MainWindow> window;
    QTableView *view = nullptr;
    QSqlTableModel *model = nullptr;
    // what typeAndSave saw: the boxes after the dialog, the dialog's title, its fields
    // when it opened and after the press, and whether it stayed open
    QList<SeenDialog> boxes;
    QString title;
    QStringList shown, kept;
    bool stayedOpen = false;

    void open(bool english = false)
    {
        if (english) {
            translator.reset(new QTranslator);
            QCOMPARE(installCatalogue(*translator, "en_US"), 1);
        }
        window.reset(new MainWindow(english ? 1 : 0));
        window->show();
        view = window->findChild<QTableView *>("tableView");
        model = qobject_cast<QSqlTableModel *>(view->model());
    }
    void seed(int count = 2)
    {
        const QList<WizardFill::Equipment> rows{toEquipment(central), toEquipment(santana)};
        WizardFill::seedEquipment(rows.mid(0, count));
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
    // Opens Novo (or Editar), types the fields, presses the dialog's button (or leaves
    // it the way given) and answers the box that this may raise; Cancel then ends a
    // dialog left open.
    void typeAndSave(const char *openButton, const QStringList &fields, bool refused,
                     const QString &way = "add")
    {
        DialogDriver driver;
        driver.then([&](QWidget *dialog) {
            title = dialog->windowTitle();
            shown = formFields(dialog);
            fillForm(dialog, fields);
            if (way == "add")
                click(dialog, "pushButtonAdd");
            else if (way == "cancel")
                click(dialog, "pushButtonCancel");
            else if (way == "escape")
                QTest::keyClick(dialog, Qt::Key_Escape);
            else
                dialog->close();
            stayedOpen = dialog->isVisible();
            kept = formFields(dialog);
            if (dialog->isVisible())
                click(dialog, "pushButtonCancel");
        });
        if (refused)
            driver.press(QMessageBox::Ok);
        click(window.data(), openButton);
        QVERIFY(driver.waitDone());
        QCOMPARE(driver.unexpectedCount(), 0);
        boxes = driver.seen().mid(1);
    }

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

    void databaseFile_data()
    {
        QTest::addColumn<QByteArray>("content"); // "none": no file at start
        QTest::addColumn<bool>("seeded");
        QTest::newRow("first start") << QByteArray("none") << false;
        QTest::newRow("empty file gets the table") << QByteArray() << false;
        QTest::newRow("second start keeps rows") << QByteArray("none") << true;
        QTest::newRow("not a database") << QByteArray("notes, not a database\n") << false;
    }
    void databaseFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, seeded);
        if (seeded)
            seed();
        const Rows before = readDb("SELECT sql FROM sqlite_master");
        if (content != "none")
            writeFile(workDir->file("zetu.db"), content);

        for (int start = 0; start < 2; ++start) {
            open();
            QCOMPARE(model->rowCount(), seeded ? 2 : 0);
            window.reset();
        }

        if (content.size() > 0 && content != "none") {
            // a file that is not a database is never touched
            QFile file(workDir->file("zetu.db"));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), content);
        } else if (seeded) {
            // an existing table is never altered
            QCOMPARE(readDb("SELECT sql FROM sqlite_master"), before);
            QCOMPARE(storedRecords(), Rows({central, santana}));
        } else {
            QCOMPARE(readDb("SELECT sql FROM sqlite_master"),
                     Rows({{"CREATE TABLE usequip (ID_key INTEGER primary key, Institution "
                            "VARCHAR(80), Place VARCHAR(80), ID VARCHAR(80), Model VARCHAR(40), "
                            "Manufacturer VARCHAR(80))"}}));
        }
    }

    void listAtStart_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("portuguese")
            << false << QStringList{"Instituição", "Local", "ID", "Modelo", "Fabricante"};
        QTest::newRow("english") << true
                                 << QStringList{"Institution", "Place", "ID", "Model",
                                                "Manufacturer"};
    }
    void listAtStart()
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

    void sortingKeepsKeyHidden()
    {
        WizardFill::seedEquipment({toEquipment(santana), toEquipment(central), toEquipment(north)});
        open();
        QHeaderView *header = view->horizontalHeader();
        const QPoint institution(header->sectionViewportPosition(1) + 5, 5);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, institution);
        QCOMPARE(listedInstitutions(),
                 QStringList({"Clínica Norte", "Hospital Central", "Hospital Sant'Ana"}));
        QVERIFY(view->isColumnHidden(0));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, institution);
        QCOMPARE(listedInstitutions(),
                 QStringList({"Hospital Sant'Ana", "Hospital Central", "Clínica Norte"}));
        QVERIFY(view->isColumnHidden(0));
    }

    // Apagar asks first and removes the current row on Ok only; with no current row (an
    // empty list, or one whose current row was cleared) Apagar and Editar do nothing.
    void deleteRecord_data()
    {
        QTest::addColumn<int>("seeded");
        QTest::addColumn<QString>("answer"); // "none": no current row, no box expected
        QTest::addColumn<Rows>("remaining");
        QTest::newRow("ok") << 2 << "ok" << Rows({santana});
        QTest::newRow("cancel") << 2 << "cancel" << Rows({central, santana});
        QTest::newRow("box closed") << 2 << "close" << Rows({central, santana});
        QTest::newRow("only row") << 1 << "ok" << Rows();
        QTest::newRow("empty list") << 0 << "none" << Rows();
        QTest::newRow("current row cleared") << 2 << "none" << Rows({central, santana});
    }
    void deleteRecord()
    {
        QFETCH(int, seeded);
        QFETCH(QString, answer);
        QFETCH(Rows, remaining);
        seed(seeded);
        open();

        DialogDriver driver;
        if (answer == "none") {
            view->setCurrentIndex(QModelIndex());
            click(window.data(), "pushButtonEdit");
        } else if (answer == "close") {
            driver.closeWindow();
        } else {
            driver.press(answer == "ok" ? QMessageBox::Ok : QMessageBox::Cancel);
        }
        click(window.data(), "pushButtonDeleteRecord");
        if (answer == "none") {
            QTest::qWait(100);
            QCOMPARE(driver.seen().size(), 0);
        } else {
            QVERIFY(driver.waitDone());
            QCOMPARE(driver.seen().size(), 1);
            QCOMPARE(driver.seen().at(0).text, "Tem certeza que deseja remover o registro?");
            QCOMPARE(driver.seen().at(0).buttons, QMessageBox::Ok | QMessageBox::Cancel);
            QCOMPARE(driver.seen().at(0).defaultButton, QMessageBox::Cancel);
        }
        QCOMPARE(storedRecords(), remaining);
        QCOMPARE(model->rowCount(), remaining.size());
        if (answer == "ok")
            QVERIFY(!view->selectionModel()->hasSelection());
    }

    // A record is stored only when its fields are filled, its institution and ID pair
    // is new (an edit is not checked against itself) and the database takes the write;
    // otherwise the dialog stays open. The button is told apart by its text, so the
    // English texts must save as well.
    void saveRecord_data()
    {
        QTest::addColumn<bool>("edit"); // Editar on the first row, or Novo
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("message"); // empty: the record is stored
        QTest::addColumn<QString>("cause");   // what makes the database refuse the write
        QTest::addColumn<bool>("english");

        const QString blank = "Todos os campos devem ser preenchidos";
        const QString unsaved = "Não foi possível salvar o registro no banco de dados.";
        auto row = [](const char *name, bool edit, const QStringList &fields,
                      const QString &message, const QString &cause = QString(),
                      bool english = false) {
            QTest::newRow(name) << edit << fields << message << cause << english;
        };
        row("five fields", false, north, "");
        row("same ID, other institution", false, {"Clínica Norte", "S", "US-01", "V", "G"}, "");
        row("institution differs in case", false, {"hospital central", "S", "US-01", "V", "G"}, "");
        row("statement text stored verbatim", false,
            {"Hospital Sant'Ana", "Sala \"B\"; 2", "ID'; DROP TABLE usequip; --", "x' OR '1'='1",
             "GE; --"},
            "");
        row("duplicate", false, {"Hospital Central", "UTI", "US-01", "X", "Y"}, duplicate);
        row("duplicate after trimming", false, {"  Hospital Central ", "UTI", "\tUS-01 ", "X", "Y"},
            duplicate);
        row("apostrophe duplicate", false, {"Hospital Sant'Ana", "UTI", "A'1", "X", "Y"},
            duplicate);
        row("blanks only", false, {"Clínica Norte", "   ", "C-9", "Voluson", "GE"}, blank);
        row("empty manufacturer", false, {"Clínica Norte", "Sala", "C-9", "V", ""}, blank);
        row("trigger refuses inserts", false, north, unsaved, "trigger");
        row("file is not a database", false, north, unsaved, "garbage");
        row("table dropped behind the program", false, north, unsaved, "dropped");
        row("edit keeps its own pair", true, {"Hospital Central", "UTI", "US-01", "E9", "GE HC"},
            "");
        row("edit takes a new ID", true, {"Hospital Central", "Radiologia", "US-02", "P5", "GE"},
            "");
        row("edit onto another record's pair", true, {"Hospital Sant'Ana", "R", "A'1", "P5", "GE"},
            duplicate);
        row("english blank", false, {"Clínica Norte", "", "C-9", "V", "GE"},
            "All the fields must be filled", "", true);
        row("english duplicate", true, {"Hospital Sant'Ana", "S", "A'1", "V", "GE"},
            "It is not allowed a duplicated ID for the same institution.", "", true);
    }
    void saveRecord()
    {
        QFETCH(bool, edit);
        QFETCH(QStringList, fields);
        QFETCH(QString, message);
        QFETCH(QString, cause);
        QFETCH(bool, english);
        if (cause == "garbage")
            writeFile(workDir->file("zetu.db"), "not a database, but long enough to be read\n");
        else
            seed();
        if (cause == "trigger")
            readDb("CREATE TRIGGER refuse BEFORE INSERT ON usequip "
                   "BEGIN SELECT RAISE(ABORT, 'refused'); END");
        open(english);
        const int listed = model->rowCount();
        if (cause == "dropped")
            readDb("DROP TABLE usequip");
        const Rows stored = storedRecords();
        if (edit)
            view->selectRow(0);

        typeAndSave(edit ? "pushButtonEdit" : "pushButtonNewRecord", fields, !message.isEmpty());
        QCOMPARE(title, english ? "Equipment" : "Equipamento");
        QCOMPARE(shown, edit ? central : QStringList({"", "", "", "", ""}));
        if (!message.isEmpty()) {
            QCOMPARE(boxes.size(), 1);
            QCOMPARE(boxes.at(0).title, english ? "Error" : "Erro");
            QCOMPARE(boxes.at(0).text, message);
            QCOMPARE(boxes.at(0).icon, QMessageBox::Critical);
            QVERIFY(stayedOpen);
            QCOMPARE(kept, fields);
            // after Cancel the list shows only what is stored
            QCOMPARE(storedRecords(), stored);
            QCOMPARE(model->rowCount(), listed);
            QCOMPARE(visibleRows(), listed);
            if (edit)
                QCOMPARE(model->index(0, 1).data().toString(), central.at(0));
            return;
        }
        QVERIFY(boxes.isEmpty());
        QVERIFY(!stayedOpen);
        if (!edit) {
            QCOMPARE(storedRecords(), Rows({central, santana, fields}));
            // the new row is shown again, current and selected
            QCOMPARE(visibleRows(), 3);
            QCOMPARE(view->currentIndex().row(), 2);
            QVERIFY(view->selectionModel()->isRowSelected(2, QModelIndex()));
            return;
        }
        QCOMPARE(storedRecords(), Rows({fields, santana}));
        // no scanner is chosen after an edit, so step 1 asks for one again
        QVERIFY(!view->currentIndex().isValid());
        QVERIFY(!view->selectionModel()->hasSelection());
    }

    void leavingDropsThePendingRow_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("cancel") << "cancel";
        QTest::newRow("escape") << "escape";
        QTest::newRow("close button") << "close";
    }
    void leavingDropsThePendingRow()
    {
        QFETCH(QString, way);
        seed();
        open();
        typeAndSave("pushButtonNewRecord", north, false, way);
        QVERIFY(!stayedOpen);
        QVERIFY(boxes.isEmpty());
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(visibleRows(), 2);
        QVERIFY(!model->isDirty());

        // the next addition writes exactly its own row
        const QStringList other{"Clínica Norte", "Sala 3", "C-10", "Voluson", "GE"};
        typeAndSave("pushButtonNewRecord", other, false);
        QCOMPARE(storedRecords(), Rows({central, santana, other}));
    }
};

QTEST_MAIN(TestRegistry)
#include "tst_registry.moc"
