// Inspections kept in zetu.db: drafts, the history of a scanner, an unwritable file.

#include "history/inspectionstore.h"
#include "wizard/mainwindow.h"

#include "dialogdriver.h"
#include "wizardfill.h"
#include "workdir.h"

#include <QTest>
#include <QtWidgets>

// Every input of the wizard found by type, as a new one would be, but the language and
// the photograph selector; with `change`, each first gets a value other than its start.
static QVariantMap inputs(QWidget *w, bool change = false)
{
    QVariantMap v;
    for (QWidget *i : w->findChildren<QWidget *>()) {
        const QString n = i->objectName();
        const QMetaProperty user = i->metaObject()->userProperty();
        if (!user.isValid() || n.isEmpty() || n.startsWith("qt_") || n == "comboBox" ||
            n == "comboBoxImage" || i->property("readOnly").toBool())
            continue;
        const QVariant x = user.read(i);
        const QMap<int, QVariant> other = {
            {QMetaType::Bool, !x.toBool()},
            {QMetaType::Double, i->property("maximum").toDouble() * 0.9},
            {QMetaType::QString, "Texto de " + n},
            {QMetaType::QDate, QDate(2025, 3, 14)}};
        if (auto *box = qobject_cast<QComboBox *>(i); box && change)
            box->setCurrentIndex(box->count() - 1);
        else if (change)
            user.write(i, other.value(x.userType(), x));
        v[n] = user.read(i);
    }
    return v;
}

class TestHistory : public QObject
{
    Q_OBJECT

    QScopedPointer<WorkDir> workDir;
    QScopedPointer<MainWindow> window;

    template <typename T = QPushButton> T *child(const char *n, QWidget *in = nullptr)
    {
        return (in ? in : window.data())->findChild<T *>(n);
    }
    void click(const char *n, QWidget *in = nullptr) { child(n, in)->click(); }
    void open() { window.reset(new MainWindow(0)); }

private slots:
    void init()
    {
        window.reset(); // the last one goes with the suite, before its folder
        workDir.reset();
        workDir.reset(new WorkDir);
        WizardFill::seedEquipment({{"Hospital Central", "Radiologia", "US-01", "Logiq", "GE"},
                                   {"Hospital Central", "Radiologia", "US-02", "Voluson", "GE"}});
    }
    // A draft written on leaving step 1 outlives its window, gone without closing; the
    // next window restores it all but the values spoilt since, which it names.
    void draftComesBack_data()
    {
        QTest::addColumn<QString>("damage"); // JSON merged into the stored values
        QTest::addColumn<QStringList>("named");
        QTest::newRow("intact") << "{}" << QStringList();
        QTest::newRow("foreign values")
            << R"({"doubleSpinBox4Freq": "abc", "comboBox3cabo": 99, "checkBox2cm": 7,
                  "calendarWidget": "31/02/2025", "s5AA2": 1e9, "later": 1})"
            << QStringList{"comboBox3cabo", "checkBox2cm", "doubleSpinBox4Freq", "s5AA2",
                           "calendarWidget"};
        QTest::newRow("photograph gone") << "{}" << QStringList{"pushButtonLoadUniImg.png"};
        QTest::newRow("unreadable") << "" << QStringList{"ilegíveis"};
    }
    void draftComesBack()
    {
        QFETCH(QString, damage);
        QFETCH(QStringList, named);
        const bool photoGone = named.contains("pushButtonLoadUniImg.png");
        open();
        DialogDriver driver;
        for (const QString photo : {"pushButtonMonitor", "pushButtonLoadUniImg"}) {
            QImage(40, 30, QImage::Format_RGB32).save(photo + ".png");
            driver.chooseFile(workDir->file(photo + ".png"));
            click(qPrintable(photo));
        }
        const QVariantMap before = inputs(window.data(), true);
        WizardFill::selectEquipment(window.data());
        click("pushButtonNext");
        window.reset();

        QSqlQuery query(QSqlDatabase::database());
        query.prepare("UPDATE inspection SET Inputs = " + // an empty damage cuts the values
                      QString(damage.isEmpty() ? "'{' || ?" : "json_patch(Inputs, ?)"));
        query.addBindValue(damage);
        QVERIFY(query.exec() && query.numRowsAffected() == 1 &&
                (!photoGone || QFile::remove("pushButtonLoadUniImg.png")));

        open();
        driver.clear();
        driver.press(QMessageBox::Yes);
        if (!named.isEmpty())
            driver.press(QMessageBox::Ok);
        window->resumeAtStart();
        QVERIFY(driver.waitDone());
        QVERIFY(driver.seen().first().text.startsWith(
            "Continuar a inspeção não concluída de US-01 de " +
            QDate::currentDate().toString("dd/MM/yyyy")));
        QCOMPARE(driver.seen().size(), named.isEmpty() ? 1 : 2);
        for (const QString &name : named)
            QVERIFY2(driver.last().text.contains(name), qPrintable(driver.last().text));
        QCOMPARE(child<QStackedWidget>("stackedWidget")->currentIndex(), damage.isEmpty() ? 0 : 1);
        QCOMPARE(child<QWidget>("s5AA2")->isEnabled(),
                 child<QCheckBox>("checkBox2cm")->isChecked());
        QCOMPARE(child<QLabel>("labelUniformImg")->pixmap(Qt::ReturnByValue).isNull(),
                 photoGone || damage.isEmpty());
        const QVariantMap after = inputs(window.data());
        for (const QString &n : before.keys())
            QVERIFY2(damage.isEmpty() || (after[n] == before[n]) != named.contains(n),
                     qPrintable(n));
    }

    // Three inspections of one scanner, newest first, with how many results fail; the
    // newest is deleted and the oldest opened, each after a confirmation.
    void historyOfThree()
    {
        open();
        WizardFill::selectEquipment(window.data());
        child<QLineEdit>("lineTecResp")->setText("Ana");
        click("pushButtonNext"); // today's draft: only the six mean distances pass
        const QString who[] = {"Bruno", "Carla", "Davi"}; // Davi inspects the other scanner
        const QJsonObject values[] = {{}, {{"comboBox3cabo", 1}, {"s5AAr2", 3.2}, {"step", 5}}, {}};
        for (int i = 0; i < 3; ++i) {
            StoredInspection stored;
            stored.equipmentKey = 1 + i / 2;
            stored.started = stored.changed = QDateTime::currentDateTime().addDays(-1 - i);
            stored.technician = stored.pdfPath = who[i];
            stored.state = StoredInspection::Reported;
            stored.values = values[i];
            QVERIFY(InspectionStore::save(stored));
        }

        QStringList seen;
        DialogDriver driver;
        driver.then([&](QWidget *dialog) {
            auto *table = child<QTableWidget>("tableWidget", dialog);
            for (int row = 0; row < table->rowCount(); ++row)
                for (int column = 1; column < 5; ++column)
                    seen << table->item(row, column)->text();
            table->selectRow(0);
            click("pushButtonDelete", dialog); // answered by the next action
            table->selectRow(1);
            click("pushButtonOpen", dialog);
        });
        driver.press(QMessageBox::Yes).press(QMessageBox::Yes); // wizard's values in no report
        click("pushButtonHistory");
        QVERIFY(driver.waitDone());
        QCOMPARE(seen, QStringList({"Ana", "Rascunho", "44", "", "Bruno", "Relatório salvo", "50",
                                    "Bruno", "Carla", "Relatório salvo", "48", "Carla"}));
        QCOMPARE(child<QLineEdit>("lineTecResp")->text(), QString()); // not stored: start value
        QCOMPARE(child<QStackedWidget>("stackedWidget")->currentIndex(), 5);
        QCOMPARE(child<QDoubleSpinBox>("s5AAr2")->value(), 3.2);
        QCOMPARE(InspectionStore::forEquipment(1).size(), 2);
        driver.then([&](QWidget *dialog) { // the trend of the scanner's inspections
            seen = QStringList(dialog->metaObject()->className());
            dialog->close();
        });
        click("pushButtonTrend");
        QVERIFY(driver.waitDone());
        QCOMPARE(seen, QStringList("TrendDialog"));
    }

    // The whole road: a report saved marks its inspection reported, with its file and values.
    void savedReportIsKept()
    {
        open();
        window->show();
        WizardFill::makeStepsValid(window.data());
        for (int step = 0; step < 8; ++step)
            click("pushButtonNext");
        DialogDriver driver;
        driver.then([&](QWidget *report) {
            driver.chooseFile(workDir->file("laudo.pdf"));
            click("pushButtonSave", report);
            report->close();
        });
        click("pushButtonReport");
        QVERIFY(driver.waitDone());
        QCOMPARE(driver.unexpectedCount(), 0);
        const QVector<StoredInspection> kept = InspectionStore::forEquipment(1);
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept[0].state, StoredInspection::Reported);
        QCOMPARE(kept[0].pdfPath, workDir->file("laudo.pdf"));
        QCOMPARE(kept[0].values["lineTecResp"].toString(), QString("Maria Souza"));
        QVERIFY(QFileInfo(kept[0].pdfPath).size() > 0);
    }

    // A database that cannot be written (a folder): one notice at start, none on close.
    void unwritableDatabase()
    {
        QVERIFY(QFile::remove("zetu.db") && QDir().mkdir("zetu.db"));
        open();
        DialogDriver driver;
        driver.press(QMessageBox::Ok);
        window->resumeAtStart();
        QVERIFY(driver.waitDone());
        QVERIFY(driver.last().text.contains("zetu.db não pode ser gravado"));
        window->close();
        QCOMPARE(driver.seen().size(), 1);
    }
};

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
