// The equipment registry through the real window, dialog and boxes, also while
// another copy of the program writes to the same file; the list's columns.

#include "app/language.h"
#include "wizard/mainwindow.h"

#include "dialogdriver.h"
#include "wizardfill.h"
#include "workdir.h"

#include <QtSql>
#include <QtTest>
#include <QtWidgets>

namespace {
QStringList stored() // through the window's connection, each record's fields joined by "|"
{
    QStringList rows;
    QSqlQuery query("SELECT Institution||'|'||Place||'|'||ID||'|'||Model||'|'||Manufacturer "
                    "FROM usequip");
    while (query.next())
        rows << query.value(0).toString();
    return rows;
}

const QString duplicate = "Não é permitido ID duplicado para a mesma Instituição.";
const QString longName = "Hospital Universitário Professor Doutor Antônio de Oliveira Santos";
const QString north = "Clínica Norte|Sala 2|C-9|Voluson|GE";
} // namespace

class TestRegistry : public QObject
{
    Q_OBJECT

private slots:
    // Novo or Editar on the first row, the dialog left by a button or Escape; Apagar.
    // A refused record keeps the dialog open; the list then shows every record, also
    // those another copy added (tag "another"), a long value elided with a tool tip.
    void records_data()
    {
        QTest::addColumn<QString>("action");  // the window's button, how the dialog ends
        QTest::addColumn<QString>("fields");  // the five fields, split at "|"
        QTest::addColumn<QString>("message"); // empty: no box
        auto row = [](const char *tag, const char *action, const QString &fields,
                      const QString &message = {}) {
            QTest::newRow(tag) << QString(action) << fields << message;
        };
        row("another, long", "NewRecord Add", longName + "|R|U|M|F");
        row("quotes kept", "NewRecord Add", "Sant'Ana|\"B\"|I'; DROP TABLE usequip; --|x|y");
        row("trimmed duplicate", "NewRecord Add", " Sant'Ana |U|\tA'1 |X|Y", duplicate);
        row("blanks only", "NewRecord Add", "C|   |C-9|V|G",
            "Todos os campos devem ser preenchidos");
        row("edit keeps its pair", "Edit Add", "Hospital Central|U|US-01|E|G");
        row("edit onto another pair", "Edit Add", "Sant'Ana|R|A'1|P|G", duplicate);
        row("en_US add", "NewRecord Add", north);
        row("en_US blank", "Edit Add", "Sant'Ana||A'1|P|G", "All the fields must be filled");
        row("cancel", "NewRecord Cancel", north);
        row("escape in a field", "Edit escape", north);
        row("another, delete", "DeleteRecord Ok", "", "Tem certeza que deseja remover o registro?");
    }
    void records()
    {
        QFETCH(QString, action);
        QFETCH(QString, fields);
        QFETCH(QString, message);
        const QString button = action.section(' ', 0, 0), way = action.section(' ', 1);
        WorkDir workDir;
        WizardFill::seedEquipment({{"Hospital Central", "R", "US-01", "P5", "GE"},
                                   {"Sant'Ana", "O", "A'1", "Acuson", "Siemens"}});
        QTranslator translator;
        MainWindow window(installCatalogue(translator, QString(QTest::currentDataTag()).left(5)));
        window.show();
        auto *view = window.findChild<QTableView *>("tableView");
        if (QString(QTest::currentDataTag()).startsWith("another"))
            WizardFill::seedEquipment({{"Clínica Sul", "Sala 1", "S-1", "M", "F"}});
        QStringList expected = stored();

        DialogDriver driver;
        bool stayed = false;
        driver.then([&](QWidget *dialog) {
            const QList<QLineEdit *> edits = dialog->findChildren<QLineEdit *>();
            for (int i = 0; i < edits.size(); ++i)
                edits.at(i)->setText(fields.section('|', i, i));
            if (way == "escape")
                QTest::keyClick(edits.at(2), Qt::Key_Escape);
            else if (auto *box = qobject_cast<QMessageBox *>(dialog))
                box->button(QMessageBox::Ok)->click();
            else
                dialog->findChild<QPushButton *>("pushButton" + way)->click();
            if ((stayed = dialog->isVisible()))
                dialog->findChild<QPushButton *>("pushButtonCancel")->click();
        });
        if (!message.isEmpty() && !fields.isEmpty())
            driver.press(QMessageBox::Ok);
        view->selectRow(0);
        window.findChild<QPushButton *>("pushButton" + button)->click();
        QVERIFY(driver.waitDone());
        QCOMPARE(driver.seen().last().text, message);
        QCOMPARE(stayed, !message.isEmpty() && !fields.isEmpty());
        if (fields.isEmpty())
            expected.removeFirst();
        else if (way == "Add" && message.isEmpty())
            button == "Edit" ? void(expected[0] = fields) : expected.append(fields);
        QCOMPARE(stored(), expected);
        QCOMPARE(view->model()->rowCount(), expected.size());
        for (int row = 0; row < expected.size(); ++row)
            QVERIFY(!view->isRowHidden(row));

        // columns share the list's width, the long value is elided
        QCOMPARE(view->horizontalHeader()->length(), view->viewport()->width());
        const QRect cell = view->visualRect(view->model()->index(expected.size() - 1, 1));
        QHelpEvent help(QEvent::ToolTip, cell.center(),
                        view->viewport()->mapToGlobal(cell.center()));
        QCoreApplication::sendEvent(view->viewport(), &help);
        if (expected.last().startsWith(longName))
            QCOMPARE(QToolTip::text(), longName);
    }
};

QTEST_MAIN(TestRegistry)
#include "tst_registry.moc"
