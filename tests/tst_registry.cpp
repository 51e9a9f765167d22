// The equipment registry through the real window, dialog and boxes: adding,
// correcting and removing scanners, also while another copy of the program writes
// to the same file, and the list's columns.

#include "app/language.h"
#include "wizard/mainwindow.h"

#include "dialogdriver.h"
#include "wizardfill.h"
#include "workdir.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QPushButton>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTest>
#include <QToolTip>
#include <QTranslator>

namespace {
using Rows = QList<QStringList>;

// The stored records, read through a connection of the test's own.
Rows stored()
{
    Rows rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "check");
        db.setDatabaseName("zetu.db");
        QSqlQuery query(db);
        if (db.open())
            query.exec("SELECT Institution, Place, ID, Model, Manufacturer FROM usequip");
        while (query.next())
            rows << QStringList{query.value(0).toString(), query.value(1).toString(),
                                query.value(2).toString(), query.value(3).toString(),
                                query.value(4).toString()};
    }
    QSqlDatabase::removeDatabase("check");
    return rows;
}

void seed(const Rows &rows)
{
    for (const QStringList &f : rows)
        WizardFill::seedEquipment({{f.at(0), f.at(1), f.at(2), f.at(3), f.at(4)}});
}

const QStringList central{"Hospital Central", "Radiologia", "US-01", "Logiq P5", "GE"};
const QStringList santana{"Hospital Sant'Ana", "Obstetrícia", "A'1", "Acuson", "Siemens"};
const QStringList north{"Clínica Norte", "Sala 2", "C-9", "Voluson", "GE"};
const QString duplicate = "Não é permitido ID duplicado para a mesma Instituição.";
const QString blank = "Todos os campos devem ser preenchidos";
} // namespace

class TestRegistry : public QObject
{
    Q_OBJECT

    QScopedPointer<WorkDir> workDir;
    QTranslator translator;
    QScopedPointer<MainWindow> window;
    QTableView *view = nullptr;

    void open()
    {
        const int index = installCatalogue(translator, QString(QTest::currentDataTag()).left(5));
        window.reset(new MainWindow(index));
        window->show();
        view = window->findChild<QTableView *>("tableView");
    }
    void click(QWidget *parent, const char *button)
    {
        parent->findChild<QPushButton *>(QLatin1String(button))->click();
    }

private slots:
    void init() { workDir.reset(new WorkDir); }
    void cleanup()
    {
        window.reset();
        QCoreApplication::removeTranslator(&translator);
        workDir.reset();
    }

    // Novo or Editar, fields typed, the dialog left by `way`; or Apagar answered by
    // `way`. A refused record keeps the dialog open; whatever happens, the list then
    // shows every stored record, also those another copy of the program added.
    void records_data()
    {
        QTest::addColumn<bool>("edit");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("message"); // empty: no box
        QTest::addColumn<bool>("another");    // another copy adds a record first
        auto row = [](const char *tag, bool edit, const QStringList &fields, const char *way,
                      const QString &message = {}, bool another = false) {
            QTest::newRow(tag) << edit << fields << QString(way) << message << another;
        };
        row("first record", false, north, "add");
        row("same ID, other institution", false, {"Clínica Norte", "S", "US-01", "V", "G"}, "add");
        row("quotes stored verbatim", false,
            {"Hospital Sant'Ana", "Sala \"B\"", "ID'; DROP TABLE usequip; --", "x' OR '1'='1", "G"},
            "add");
        row("duplicate after trimming", false, {" Hospital Central ", "U", "\tUS-01 ", "X", "Y"},
            "add", duplicate);
        row("apostrophe duplicate", false, {"Hospital Sant'Ana", "U", "A'1", "X", "Y"}, "add",
            duplicate);
        row("blanks only", false, {"Clínica Norte", "   ", "C-9", "V", "GE"}, "add", blank);
        row("edit keeps its own pair", true, {"Hospital Central", "U", "US-01", "E9", "GE"}, "add");
        row("edit onto another pair", true, {"Hospital Sant'Ana", "R", "A'1", "P5", "GE"}, "add",
            duplicate);
        row("en_US add", false, north, "add");
        row("en_US edit", true, north, "add");
        row("en_US blank", false, {"", "S", "C-9", "V", "GE"}, "add",
            "All the fields must be filled");
        row("cancel", false, north, "cancel");
        row("escape", true, north, "escape");
        row("escape in a field", false, north, "field escape");
        row("close button", false, north, "close");
        row("another copy, add", false, north, "add", {}, true);
        row("another copy, edit", true, north, "add", {}, true);
        row("another copy, delete", false, {}, "delete",
            "Tem certeza que deseja remover o registro?", true);
        row("delete cancelled", false, {}, "keep", "Tem certeza que deseja remover o registro?");
    }
    void records()
    {
        QFETCH(bool, edit);
        QFETCH(QStringList, fields);
        QFETCH(QString, way);
        QFETCH(QString, message);
        QFETCH(bool, another);
        if (QTest::currentDataTag() != QLatin1String("first record"))
            seed({central, santana});
        open();
        Rows expected = stored();
        if (another) {
            seed({{"Clínica Sul", "Sala 1", "S-1", "M", "F"}});
            expected << stored().last();
        }
        view->selectRow(0);
        QTest::qWait(20);

        DialogDriver driver;
        bool stayed = false;
        driver.then([&](QWidget *dialog) {
            const QList<QLineEdit *> edits = dialog->findChildren<QLineEdit *>();
            for (int i = 0; i < fields.size(); ++i)
                edits.at(i)->setText(fields.at(i));
            if (way == "add")
                click(dialog, "pushButtonAdd");
            else if (way == "cancel")
                click(dialog, "pushButtonCancel");
            else if (way.contains("escape"))
                QTest::keyClick(way == "escape" ? dialog : edits.at(2), Qt::Key_Escape);
            else if (way == "close")
                dialog->close();
            else if (way == "delete" || way == "keep")
                static_cast<QMessageBox *>(dialog)
                    ->button(way == "delete" ? QMessageBox::Ok : QMessageBox::Cancel)
                    ->click();
            stayed = dialog->isVisible();
            if (stayed)
                click(dialog, "pushButtonCancel");
        });
        if (!message.isEmpty() && !fields.isEmpty())
            driver.press(QMessageBox::Ok);
        click(window.data(), fields.isEmpty() ? "pushButtonDeleteRecord"
                             : edit           ? "pushButtonEdit"
                                              : "pushButtonNewRecord");
        QVERIFY(driver.waitDone());
        QCOMPARE(driver.seen().last().text, message);
        QCOMPARE(stayed, !message.isEmpty() && !fields.isEmpty());
        if (way == "delete")
            expected.removeFirst();
        else if (way == "add" && message.isEmpty())
            edit ? void(expected[0] = fields) : expected.append(fields);
        QCOMPARE(stored(), expected);

        auto *model = qobject_cast<QSqlTableModel *>(view->model());
        QVERIFY(!model->isDirty());
        QCOMPARE(model->rowCount(), expected.size());
        for (int row = 0; row < expected.size(); ++row)
            QVERIFY2(!view->isRowHidden(row), qPrintable(model->index(row, 1).data().toString()));
        if (way == "add" && message.isEmpty())
            QCOMPARE(view->currentIndex().row(), edit ? -1 : expected.size() - 1);
    }

    // Columns take their contents' width within the list; a cut value is elided and
    // shown whole in its tool tip.
    void longValuesFitTheList()
    {
        const QString name = "Hospital Universitário Professor Doutor Antônio de Oliveira Santos";
        seed({{name, "Radiologia e Diagnóstico por Imagem", "US-01", "Logiq P5 Premium", "GE"}});
        open();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        const QHeaderView *header = view->horizontalHeader();
        int total = 0;
        for (int column = 1; column <= 5; ++column)
            total += header->sectionSize(column);
        QCOMPARE(total, view->viewport()->width());
        QVERIFY(header->sectionSize(3) >= view->fontMetrics().horizontalAdvance("US-01"));
        QVERIFY(header->sectionSize(1) > header->sectionSize(3));
        const QRect cell = view->visualRect(view->model()->index(0, 1));
        QHelpEvent help(QEvent::ToolTip, cell.center(),
                        view->viewport()->mapToGlobal(cell.center()));
        QCoreApplication::sendEvent(view->viewport(), &help);
        QCOMPARE(QToolTip::text(), name);
    }
};

QTEST_MAIN(TestRegistry)
#include "tst_registry.moc"
