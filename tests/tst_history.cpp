// Inspections kept in zetu.db: every input through a draft and back into the next
// window, damaged drafts, the history of a scanner and a database that cannot be
// written.

#include "history/inspectionstore.h"
#include "wizard/mainwindow.h"

#include "dialogdriver.h"
#include "wizardfill.h"
#include "workdir.h"

#include <QCalendarWidget>
#include <QJsonDocument>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>

using Values = QMap<QString, QVariant>;

namespace {

// Walks the wizard's inputs by type, as a new input would be found; the language and
// the photograph selector are settings of the window.
template <typename T, typename F> void each(QWidget *w, F f)
{
    for (T *input : w->findChildren<T *>()) {
        const QString name = input->objectName();
        if (!name.isEmpty() && !name.startsWith("qt_") && name != "comboBox" &&
            name != "comboBoxImage")
            f(input);
    }
}

// Reads every input; with `change`, first gives each one a value other than its start.
Values inputs(QWidget *w, bool change = false)
{
    Values v;
    each<QComboBox>(w, [&](QComboBox *b) {
        if (change)
            b->setCurrentIndex(b->count() - 1);
        v[b->objectName()] = b->currentIndex();
    });
    each<QCheckBox>(w, [&](QCheckBox *b) {
        if (change)
            b->setChecked(!b->isChecked());
        v[b->objectName()] = b->isChecked();
    });
    each<QDoubleSpinBox>(w, [&](QDoubleSpinBox *b) {
        if (change)
            b->setValue(b->minimum() + (b->maximum() - b->minimum()) * 0.37);
        v[b->objectName()] = b->value();
    });
    auto text = [&](auto *e, auto get, auto set) {
        if (e->isReadOnly())
            return;
        if (change)
            (e->*set)("Texto de " + e->objectName());
        v[e->objectName()] = (e->*get)();
    };
    each<QLineEdit>(w, [&](QLineEdit *e) { text(e, &QLineEdit::text, &QLineEdit::setText); });
    each<QPlainTextEdit>(w, [&](QPlainTextEdit *e) {
        text(e, &QPlainTextEdit::toPlainText, &QPlainTextEdit::setPlainText);
    });
    each<QTextEdit>(
        w, [&](QTextEdit *e) { text(e, &QTextEdit::toPlainText, &QTextEdit::setPlainText); });
    each<QCalendarWidget>(w, [&](QCalendarWidget *c) {
        if (change)
            c->setSelectedDate(QDate(2025, 3, 14));
        v[c->objectName()] = c->selectedDate();
    });
    return v;
}

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT

    QScopedPointer<WorkDir> workDir;
    QScopedPointer<MainWindow> window;

    template <typename T = QPushButton> T *child(const char *name, QWidget *in = nullptr)
    {
        return (in ? in : window.data())->findChild<T *>(QLatin1String(name));
    }
    void click(const char *name, QWidget *in = nullptr)
    {
        QTest::mouseClick(child(name, in), Qt::LeftButton);
    }
    void open()
    {
        window.reset(new MainWindow(0));
        window->show();
    }
    // Runs the start of the program and answers its boxes as queued in `driver`.
    void start(DialogDriver &driver)
    {
        window->resumeAtStart();
        QVERIFY(driver.waitDone());
    }

private slots:
    void init()
    {
        workDir.reset(new WorkDir);
        WizardFill::seedEquipment({{"Hospital Central", "Radiologia", "US-01", "Logiq", "GE"},
                                   {"Hospital Central", "Radiologia", "US-02", "Voluson", "GE"}});
    }
    void cleanup()
    {
        window.reset();
        workDir.reset();
    }

    // A draft is written when step 1 is left; the window then goes without closing,
    // as in a crash, and the next one offers it and restores every input, the photos
    // and the step. Values a later edit of the file spoiled are named and left alone.
    void draftComesBack_data()
    {
        QTest::addColumn<QString>("damage"); // JSON merged into the stored values
        QTest::addColumn<bool>("photoGone");
        QTest::addColumn<QStringList>("named");
        QTest::newRow("intact") << "{}" << false << QStringList();
        QTest::newRow("foreign values")
            << R"({"doubleSpinBox4Freq": "abc", "comboBox3cabo": 99, "checkBox2cm": 7,
                  "calendarWidget": "31/02/2025", "s5AA2": 1e9, "later": 1})"
            << false
            << QStringList{"comboBox3cabo", "checkBox2cm", "doubleSpinBox4Freq", "s5AA2",
                           "calendarWidget"};
        QTest::newRow("photograph gone") << "{}" << true << QStringList{"uniforme.png"};
        QTest::newRow("unreadable") << "" << false << QStringList{"ilegíveis"};
    }
    void draftComesBack()
    {
        QFETCH(QString, damage);
        QFETCH(bool, photoGone);
        QFETCH(QStringList, named);
        open();
        QImage(40, 30, QImage::Format_RGB32).save("parte.png");
        QImage(40, 30, QImage::Format_RGB32).save("uniforme.png");
        DialogDriver driver;
        driver.chooseFile(workDir->file("parte.png")).chooseFile(workDir->file("uniforme.png"));
        click("pushButtonMonitor");
        click("pushButtonLoadUniImg");
        QVERIFY(driver.waitDone());
        const Values before = inputs(window.data(), true);
        QVERIFY(before.size() > 100);
        WizardFill::selectEquipment(window.data());
        click("pushButtonNext");
        window.reset();

        QSqlQuery query("SELECT Inputs FROM inspection", QSqlDatabase::database());
        QVERIFY(query.next());
        QJsonObject stored = QJsonDocument::fromJson(query.value(0).toByteArray()).object();
        const QJsonObject spoilt = QJsonDocument::fromJson(damage.toUtf8()).object();
        for (auto v = spoilt.begin(); v != spoilt.end(); ++v)
            stored[v.key()] = v.value();
        query.prepare("UPDATE inspection SET Inputs = ?");
        query.addBindValue(damage.isEmpty() ? QByteArray("{\"step\": 1")
                                            : QJsonDocument(stored).toJson());
        QVERIFY(query.exec());
        if (photoGone)
            QVERIFY(QFile::remove("uniforme.png"));

        open();
        driver.clear();
        driver.press(QMessageBox::Yes);
        if (!named.isEmpty())
            driver.press(QMessageBox::Ok);
        start(driver);
        QVERIFY(driver.seen().first().text.startsWith(
            "Continuar a inspeção não concluída de US-01 de " +
            QDate::currentDate().toString("dd/MM/yyyy")));
        QCOMPARE(driver.seen().size(), named.isEmpty() ? 1 : 2);
        for (const QString &name : named)
            QVERIFY2(driver.last().text.contains(name), qPrintable(driver.last().text));
        QCOMPARE(child<QStackedWidget>("stackedWidget")->currentIndex(), damage.isEmpty() ? 0 : 1);
        QCOMPARE(child<QDoubleSpinBox>("s5AA2")->isEnabled(),
                 child<QCheckBox>("checkBox2cm")->isChecked());
        QCOMPARE(!child<QLabel>("labelUniformImg")->pixmap(Qt::ReturnByValue).isNull(),
                 !photoGone && !damage.isEmpty());
        if (damage.isEmpty())
            return;
        const Values after = inputs(window.data());
        QCOMPARE(after.keys(), before.keys());
        for (const QString &name : before.keys())
            QVERIFY2((after[name] == before[name]) != named.contains(name), qPrintable(name));
    }

    // Three inspections of one scanner, newest first, with the number of results that
    // fail; one is opened after a confirmation and one deleted.
    void historyOfThree()
    {
        open();
        WizardFill::selectEquipment(window.data());
        child<QLineEdit>("lineTecResp")->setText("Ana");
        click("pushButtonNext"); // today's draft: only the six mean distances pass
        auto keep = [](int key, int daysAgo, const char *who, const QJsonObject &values) {
            StoredInspection stored;
            stored.equipmentKey = key;
            stored.started = stored.changed = QDateTime::currentDateTime().addDays(-daysAgo);
            stored.technician = who;
            stored.state = StoredInspection::Reported;
            stored.pdfPath = "/laudos/" + QString(who) + ".pdf";
            stored.values = values;
            QVERIFY(InspectionStore::save(stored));
        };
        QJsonObject rated{{"step", 5}};
        for (const char *name :
             {"comboBox3cabo", "comboBox3Monitor", "comboBox3Controles", "comboBox3botoes",
              "comboBox3FiltPoeira", "comboBox3Transtud", "comboBox2_05db_ZM", "comboBox2_07db_RL"})
            rated[name] = 1;
        keep(1, 30, "Bruno", rated);
        QJsonObject measured = rated;
        measured["doubleSpinBox4Freq"] = 2.0; // dead zone index 1 passes below 3 MHz
        for (const char *name : {"doubleSpinBox6_3cm_05_12", "doubleSpinBox6_3cm_05_23",
                                 "doubleSpinBox6_3cm_05_34", "s5AL2", "s5AA2"})
            measured[name] = 10.0;
        measured["s5AAr2"] = 3.2; // pi within 20 %
        keep(1, 60, "Carla", measured);
        keep(2, 10, "Davi", rated);

        QStringList seen;
        DialogDriver driver;
        driver.then([&](QWidget *dialog) {
            auto *table = child<QTableWidget>("tableWidget", dialog);
            for (int row = 0; row < table->rowCount(); ++row)
                for (int column = 1; column < 5; ++column)
                    seen << table->item(row, column)->text();
            table->selectRow(2);
            click("pushButtonOpen", dialog);
        });
        driver.press(QMessageBox::Yes); // the wizard's own values are not in a report
        click("pushButtonHistory");
        QVERIFY(driver.waitDone());
        QCOMPARE(seen, QStringList({"Ana", "Rascunho", "44", "", "Bruno", "Relatório salvo", "42",
                                    "/laudos/Bruno.pdf", "Carla", "Relatório salvo", "39",
                                    "/laudos/Carla.pdf"}));
        QCOMPARE(child<QLineEdit>("lineTecResp")->text(), QString()); // not stored: start value
        QCOMPARE(child<QStackedWidget>("stackedWidget")->currentIndex(), 5);
        QCOMPARE(child<QDoubleSpinBox>("s5AAr2")->value(), 3.2);

        driver.then([&](QWidget *dialog) {
            child<QTableWidget>("tableWidget", dialog)->selectRow(0);
            click("pushButtonDelete", dialog); // answered by the next action
            dialog->close();
        });
        driver.press(QMessageBox::Yes);
        click("pushButtonHistory");
        QVERIFY(driver.waitDone());
        QCOMPARE(InspectionStore::forEquipment(1).size(), 2);
        QCOMPARE(InspectionStore::forEquipment(2).size(), 1);
    }

    // A database that cannot be written: one notice at start, the wizard goes on.
    void unwritableDatabase_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::newRow("not a database") << false;
        QTest::newRow("a folder") << true;
    }
    void unwritableDatabase()
    {
        QFETCH(bool, folder);
        QFile::remove("zetu.db");
        QFile file("zetu.db");
        QVERIFY(folder ? QDir().mkdir("zetu.db")
                       : file.open(QIODevice::WriteOnly) && file.write(QByteArray(4096, 'x')));
        file.close();
        open();
        DialogDriver driver;
        driver.press(QMessageBox::Ok);
        start(driver);
        QCOMPARE(driver.last().title, "Inspeções não serão guardadas");
        QVERIFY(driver.last().text.contains("zetu.db não pode ser gravado"));
        window->close();
        QCOMPARE(driver.seen().size(), 1);
    }
};

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
