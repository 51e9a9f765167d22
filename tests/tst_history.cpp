// Inspections kept in zetu.db: drafts, the history of a scanner, an unwritable file;
// a scanner's trend: points by date, limits per frequency, bad values left out.

#include "app/signalwatch.h"
#include "core/tolerance.h"
#include "history/auditdialog.h"
#include "history/databasecopy.h"
#include "history/historydialog.h"
#include "history/inspectionstore.h"
#include "history/reviewdialog.h"
#include "history/reviewstore.h"
#include "history/tolerancesdialog.h"
#include "history/tolerancestore.h"
#include "history/transducerstore.h"
#include "history/trenddialog.h"
#include "wizard/inspectionsession.h"
#include "wizard/mainwindow.h"
#include "wizard/tolerancechoice.h"

#include "dialogdriver.h"
#include "wizardfill.h"
#include "workdir.h"

#include <QtCharts>
#include <QtTest>
#include <QtWidgets>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

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

static StoredInspection inspection(bool draft, double vertical, const char *json)
{
    StoredInspection stored;
    stored.state = draft ? StoredInspection::Draft : StoredInspection::Reported;
    stored.changed = QDate(2025, 1, 2).startOfDay();
    stored.values = QJsonDocument::fromJson(json).object();
    for (const char *pair : {"12", "30", "34", "45", "56", "67", "78", "89", "910"})
        stored.values.insert(QStringLiteral("doubleSpinBox5_05_%1").arg(pair), vertical);
    return stored;
}

// Out of date order; the last two have no date of their own, the third three wrong values.
static const QVector<StoredInspection> stored{
    inspection(false, 10.03, R"({"calendarWidget": "2024-05-10", "doubleSpinBox4Freq": 2.5,
        "comboBox2_05db_ZM": 3, "comboBox2_07db_ZM": 4, "comboBox2_05db_RA": 2})"),
    inspection(false, 10.01, R"({"calendarWidget": "2023-05-10", "doubleSpinBox4Freq": 5,
        "comboBox2_05db_ZM": 3, "comboBox2_05db_RA": 1, "doubleSpinBox5_05_MPV": 118})"),
    inspection(false, 20, R"({"doubleSpinBox4Freq": 7.5, "comboBox2_05db_ZM": 1,
        "comboBox2_07db_ZM": "4mm", "comboBox2_05db_RA": 7, "doubleSpinBox5_05_MPV": 200.5})"),
    inspection(true, 10, R"({"comboBox2_05db_ZM": 2, "comboBox2_07db_ZM": 0})")};

// One transducer judged under TG-128: its first inspection is the baseline, the next
// lost 15 mm of penetration, the last 2 mm.
static QVector<StoredInspection> underTg128()
{
    QVector<StoredInspection> list;
    const char *dates[] = {"2025-06-10", "2025-07-01", "2025-08-01"};
    const double penetration[] = {120, 105, 118};
    for (int i = 0; i < 3; ++i) {
        StoredInspection one = inspection(false, 10.01, R"({"comboBox2_05db_RA": 1})");
        one.values["calendarWidget"] = dates[i];
        one.values["doubleSpinBox5_05_MPV"] = penetration[i];
        one.values[Field::toleranceSet] = ToleranceSet::tg128().toJson();
        if (i > 0)
            one.values[Field::baseline] = Baseline::of(1, Inspection(list[0].values)).toJson();
        list << one;
    }
    return list;
}

class TestHistory : public QObject
{
    Q_OBJECT

    QScopedPointer<WorkDir> workDir;
    QScopedPointer<MainWindow> window;
    QString readOnly; // a folder made read-only, as it is mounted or by its permissions

    template <typename T = QPushButton> T *child(const char *n, QWidget *in = nullptr)
    {
        return (in ? in : window.data())->findChild<T *>(n);
    }
    void click(const char *n, QWidget *in = nullptr) { child(n, in)->click(); }
    // Signs a change with `why`; with none, OK stays disabled and the change is cancelled.
    DialogDriver::Action sign(const QString &why)
    {
        return [this, why](QWidget *d) {
            child<QPlainTextEdit>("plainTextEditWhy", d)->setPlainText(why);
            signedWho = child<QLineEdit>("lineEditWho", d)->text();
            QPushButton *ok = child<QDialogButtonBox>("buttonBox", d)->button(QDialogButtonBox::Ok);
            ok->isEnabled() ? ok->click() : static_cast<QDialog *>(d)->reject();
        };
    }
    QString signedWho;
    // A set's rules in words, one per result, "-" where it has none.
    static QString words(const ToleranceSet &set)
    {
        QStringList rules;
        for (int result = 0; result < ruleCount; ++result)
            rules << (set.ruleFor(Rule(result)) ? set.ruleFor(Rule(result))->describe(QLocale::c())
                                                : "-");
        return rules.join(" | ");
    }
    // Opens the tolerances of US-01 (with `name` typed as the technician) and runs `act`
    // in them, then `more` for the boxes it opens.
    void tolerances(const std::function<void(QWidget *)> &act, QList<DialogDriver::Action> more,
                    DialogDriver &driver, const QString &name = "Ana")
    {
        child<QLineEdit>("lineTecResp")->setText(name);
        driver.then([act](QWidget *d) {
            act(d);
            static_cast<QDialog *>(d)->done(QDialog::Rejected);
        });
        for (const DialogDriver::Action &action : more)
            driver.then(action);
        click("pushButtonTolerances");
        QVERIFY(driver.waitDone());
    }
    void open()
    {
        window.reset(new MainWindow(0));
        window->buildSteps();
    }
    // Another program or copy on the same file, which never waits for a lock.
    QSqlQuery other()
    {
        QSqlDatabase db = QSqlDatabase::database("other", false);
        if (!db.isOpen()) {
            db = QSqlDatabase::addDatabase("QSQLITE", "other");
            db.setDatabaseName(workDir->file("zetu.db"));
            db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=0");
            db.open();
        }
        return QSqlQuery(db);
    }
    // A reported inspection of scanner `key` by `technician` on `date`, filed for review
    // as this version files a saved report, or as an earlier version kept it.
    StoredInspection reported(int key, const QString &technician, const QDate &date,
                              bool forReview = true)
    {
        StoredInspection one;
        one.equipmentKey = key;
        one.state = StoredInspection::Reported;
        one.technician = technician;
        one.values = {{"lineTecResp", technician},
                      {"calendarWidget", date.toString(Qt::ISODate)},
                      {"doubleSpinBox4Freq", 5},
                      {"comboBox2_05db_ZM", 1},
                      {"comboBox2_07db_ZM", 4}};
        one.started = one.changed = date.startOfDay();
        one.forReview = forReview;
        if (InspectionStore::save(one) != InspectionStore::Done)
            one.id = -1;
        return one;
    }
    // Every row of a table, each as its values joined.
    QStringList rows(const QString &table)
    {
        QStringList all;
        QSqlQuery query = other();
        for (query.exec("SELECT * FROM " + table + " ORDER BY 1"); query.next();) {
            QStringList values;
            for (int i = 0; i < query.record().count(); ++i)
                values << (query.isNull(i) ? "NULL" : query.value(i).toString());
            all << values.join('|');
        }
        return all;
    }
    QStringList column(const QString &sql)
    {
        QStringList values;
        QSqlQuery query = other();
        for (query.exec(sql); query.next();)
            values << query.value(0).toString();
        return values;
    }

private slots:
    void init()
    {
        window.reset(); // the last one goes with the suite, before its folder
        InspectionStore::setStaleClaimTime(InspectionStore::staleClaimSeconds * 1000);
        QSqlDatabase::database("other", false).close();
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
        // the uniformity image's file replaced: named once with its reason, never waited on
        QTest::newRow("photograph gone") << "{}" << QStringList{"não encontrada", "UniImg.png"};
        QTest::newRow("photograph a FIFO") << "{}" << QStringList{"arquivo comum", "UniImg.png"};
        QTest::newRow("photograph a folder") << "{}" << QStringList{"uma pasta", "UniImg.png"};
        QTest::newRow("photograph huge") << "{}" << QStringList{"30000 × 30000", "UniImg.png"};
        QTest::newRow("unreadable") << "" << QStringList{"ilegíveis"};
        // 50 MB of values: left unread, at start and in the history, without a stall
        QTest::newRow("huge values") << "" << QStringList{"limite de 1 MB"};
    }
    void draftComesBack()
    {
        QFETCH(QString, damage);
        QFETCH(QStringList, named);
        const bool photoGone = named.contains("UniImg.png");
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
        const QByteArray uniform = "pushButtonLoadUniImg.png", tag = QTest::currentDataTag();
        const QString payload =
            tag == "huge values" ? "\"n\": \"" + QString(50000000, 'x') + "\"}" : damage;
        query.addBindValue(payload);
        QVERIFY(query.exec() && query.numRowsAffected() == 1 &&
                (!photoGone || QFile::remove(uniform)));
        QByteArray jpeg; // whose frame claims 30000 × 30000 pixels
        QBuffer buffer(&jpeg);
        if (tag.endsWith("huge") && QImage(16, 16, QImage::Format_RGB32).save(&buffer, "JPG")) {
            QFile file(uniform);
            QVERIFY(file.open(QIODevice::WriteOnly) &&
                    file.write(jpeg.replace(jpeg.indexOf("\xff\xc0") + 5, 4,
                                            QByteArray::fromHex("75307530"))) > 0);
        }
        QVERIFY(!tag.endsWith("FIFO") || ::mkfifo(uniform, 0600) == 0);
        QVERIFY(!tag.endsWith("folder") || QDir().mkdir(uniform));
        std::atomic<bool> restored{false}; // a restore stuck on the FIFO is let go after 3 s
        std::thread unblock([&] {
            for (int i = 0; i < 30 && !restored; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            ::close(::open(uniform, O_WRONLY | O_NONBLOCK));
        });

        window.reset(new MainWindow(0)); // steps 2 to 8 built by the restore itself
        QVERIFY(!child<QWidget>("comboBox3cabo"));
        driver.clear();
        driver.press(QMessageBox::Yes);
        if (!named.isEmpty())
            driver.press(QMessageBox::Ok);
        QElapsedTimer clock;
        clock.start();
        window->resumeAtStart();
        restored = true;
        unblock.join();
        QVERIFY(driver.waitDone() && clock.elapsed() < (payload.size() > 1000 ? 1000 : 2000));
        QCOMPARE(driver.seen().last().text.count("UniImg.png"), int(photoGone));
        QVERIFY(driver.seen().first().text.startsWith(
            "Continuar a inspeção não concluída de US-01 de " +
            QDate::currentDate().toString("dd/MM/yyyy")));
        QCOMPARE(driver.seen().size(), named.isEmpty() ? 1 : 2);
        for (const QString &name : named)
            QVERIFY2(driver.seen().last().text.contains(name),
                     qPrintable(driver.seen().last().text));
        QCOMPARE(child<QStackedWidget>("stackedWidget")->currentIndex(), damage.isEmpty() ? 0 : 1);
        QCOMPARE(child<QTableView>("tableView")->currentIndex().row(), 0); // US-01 chosen again
        QCOMPARE(child<QWidget>("s5AA2")->isEnabled(),
                 child<QCheckBox>("checkBox2cm")->isChecked());
        QCOMPARE(child<QLabel>("labelUniformImg")->pixmap(Qt::ReturnByValue).isNull(),
                 photoGone || damage.isEmpty());
        const QVariantMap after = inputs(window.data());
        for (const QString &n : before.keys())
            QVERIFY2(damage.isEmpty() || (after[n] == before[n]) != named.contains(n),
                     qPrintable(n));
        driver.then([](QWidget *history) { history->close(); });
        clock.start();
        click("pushButtonHistory");
        QVERIFY(driver.waitDone() && clock.elapsed() < 1000);
        // closed unchanged: a later version's value stays, an unreadable row is left alone
        window->close();
        const QStringList rows = column("SELECT Inputs FROM inspection ORDER BY ID_key");
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().size() == payload.size() + 1, damage.isEmpty());
        QCOMPARE(rows.first().contains("\"later\":1"), damage.contains("later"));
    }

    // Another copy holds zetu.db at start, then its write lock over two step changes and
    // the close (or the end on a signal), or lets it go before. No call waits 500 ms;
    // nothing typed is lost. An idle window, with more rows than a first read fetches,
    // holds no lock of its own. A recovery file spoilt before the next start (cut, or a
    // FIFO in its place) is named, set aside and never waited on.
    void busyFile_data()
    {
        QTest::addColumn<bool>("heldAtClose");
        QTest::addColumn<int>("ending"); // the signal that ends the program, 0: closed
        QTest::newRow("released while open") << false << 0;
        QTest::newRow("held at close") << true << 0;
        QTest::newRow("SIGTERM, recovery file cut") << true << SIGTERM;
        QTest::newRow("SIGHUP, recovery file a FIFO") << true << SIGHUP;
    }
    void busyFile()
    {
        QFETCH(bool, heldAtClose);
        QFETCH(int, ending);
        for (const char *reason : {"^cannot read zetu.db: \"database is locked",
                                   "^cannot write the inspection: \"database is locked"})
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(reason));
        QVERIFY(other().exec("WITH RECURSIVE n(i) AS (SELECT 3 UNION ALL SELECT i + 1 FROM n "
                             "WHERE i < 600) INSERT INTO usequip (ID_key, ID) SELECT i, i FROM n"));
        QSqlQuery lock = other(); // at start: the list says it is busy, then fills in
        QElapsedTimer clock;
        clock.start();
        QVERIFY(lock.exec("BEGIN EXCLUSIVE"));
        open();
        window->resumeAtStart();
        QVERIFY(clock.elapsed() < 900); // never a second's stall, even under the sanitizers
        QCOMPARE(child<QTableView>("tableView")->model()->rowCount(), 0);
        QVERIFY(lock.exec("COMMIT"));
        QTRY_COMPARE_WITH_TIMEOUT(child<QTableView>("tableView")->model()->rowCount(), 600, 4000);
        WizardFill::makeStepsValid(window.data());
        QVERIFY(lock.exec("BEGIN IMMEDIATE") && lock.exec("DELETE FROM usequip WHERE ID_key > 2") &&
                lock.exec("COMMIT") && lock.exec("BEGIN IMMEDIATE"));
        for (const char *who : {"Ana", "Bia"}) {
            child<QLineEdit>("lineTecResp")->setText(who);
            clock.start();
            click("pushButtonNext");
            QVERIFY(clock.elapsed() < 900); // never a second's stall, even under the sanitizers
        }
        if (!heldAtClose) {
            QVERIFY(lock.exec("ROLLBACK"));
            QTRY_COMPARE_WITH_TIMEOUT(column("SELECT Technician FROM inspection"),
                                      QStringList("Bia"), 4000);
        }
        child<QLineEdit>("lineTecResp")->setText("Carla");
        clock.start();
        {
            SignalWatch watch;
            connect(&watch, &SignalWatch::received, window.data(), &QWidget::close);
            if (ending == 0 || ::raise(ending) != 0)
                window->close();
            QTRY_COMPARE_WITH_TIMEOUT(QFile::exists("zetu.db.recovery"), heldAtClose, 400);
        }
        QVERIFY(clock.elapsed() < 900); // never a second's stall, even under the sanitizers
        lock.exec("ROLLBACK");
        QFile recovery("zetu.db.recovery");
        QByteArray cut = "fifo"; // the recovery file's bytes as the next start finds them
        if (ending == SIGTERM && recovery.open(QIODevice::ReadWrite))
            QVERIFY(recovery.resize(recovery.size() / 2) && !(cut = recovery.readAll()).isEmpty());
        recovery.close();
        QVERIFY(ending != SIGHUP || (recovery.remove() && ::mkfifo("zetu.db.recovery", 0600) == 0));
        std::atomic<bool> started{false}; // a start stuck on the FIFO is let go after 3 s
        std::thread unblock([&] {
            for (int i = 0; i < 30 && !started; ++i)
                QThread::msleep(100);
            ::close(::open("zetu.db.recovery", O_WRONLY | O_NONBLOCK));
        });
        open();
        DialogDriver driver;
        if (heldAtClose)
            driver.press(QMessageBox::Ok);
        driver.press(QMessageBox::Yes);
        window->show(); // already on the screen: asked at once
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        clock.start();
        window->resumeWhenExposed();
        QCoreApplication::processEvents();
        started = true;
        unblock.join();
        QVERIFY(clock.elapsed() < 1000);
        QCOMPARE(driver.seen().size(), heldAtClose && ending == 0 ? 2 : 1);
        QVERIFY(
            driver.seen().first().text.contains(heldAtClose ? "zetu.db.recovery" : "Continuar"));
        QCOMPARE(child<QLineEdit>("lineTecResp")->text(), QString(ending ? "" : "Carla"));
        QVERIFY(!QFile::exists("zetu.db.recovery"));
        QFile aside(QDir()
                        .entryList({"zetu.db.recovery.unreadable-*"}, QDir::Files | QDir::System)
                        .value(0));
        QVERIFY(ending ? driver.seen().first().text.contains(aside.fileName()) : !aside.exists());
        QVERIFY(ending != SIGTERM || (aside.open(QIODevice::ReadOnly) && aside.readAll() == cut));
    }

    // Every inspection exported from the menu: a file written is said with its count, one
    // that cannot be written is said with why, never as written.
    void exportAll_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("said");
        QTest::newRow("written") << "home/Documents/todas.csv"
                                 << "Inspeções exportadas: 1";
        QTest::newRow("no such folder") << "home/Nenhuma/todas.csv"
                                        << "não pôde ser gravado";
    }
    void exportAll()
    {
        QFETCH(QString, file);
        QFETCH(QString, said);
        if (said.startsWith("não"))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^cannot export inspections"));
        open();
        StoredInspection stored;
        stored.equipmentKey = 1;
        stored.started = stored.changed = QDateTime::currentDateTime();
        stored.technician = "Ana";
        stored.values = {{"lineTecResp", "Ana"}};
        QCOMPARE(InspectionStore::prepare(), InspectionStore::Done);
        QCOMPARE(InspectionStore::save(stored), InspectionStore::Done);
        DialogDriver driver;
        driver.chooseFile(workDir->file(file)).press(QMessageBox::Ok);
        child<QAction>("actionExportAll")->trigger();
        QVERIFY(driver.waitDone());
        QVERIFY2(driver.seen().last().text.contains(said), qPrintable(driver.seen().last().text));
        QCOMPARE(QFile(workDir->file(file)).size() > 0, said.startsWith("Insp"));
    }

    // A backup taken from the menu while another program writes is the file as last
    // committed; restored, it is zetu.db at the next start and the file it replaced is
    // kept. A file locked for a backup, or a copy that is damaged, of another schema or
    // no database, is said and changes nothing; the window never stalls meanwhile.
    void backupAndRestore_data()
    {
        QTest::addColumn<QString>("held");   // by another program during the backup
        QTest::addColumn<QString>("spoilt"); // SQL run on the copy, or bytes written into it
        QTest::addColumn<QString>("said");
        QTest::newRow("while another writes") << "BEGIN IMMEDIATE"
                                              << ""
                                              << "restaurada";
        QTest::newRow("locked") << "BEGIN EXCLUSIVE"
                                << ""
                                << "em uso por outro programa";
        QTest::newRow("no registry") << ""
                                     << "DROP TABLE usequip"
                                     << "não tem a tabela";
        QTest::newRow("later version") << ""
                                       << "PRAGMA user_version = 6"
                                       << "outra versão";
        QTest::newRow("damaged") << ""
                                 << "bytes"
                                 << "";
    }
    void backupAndRestore()
    {
        QFETCH(QString, held);
        QFETCH(QString, spoilt);
        QFETCH(QString, said);
        if (held != "BEGIN IMMEDIATE")
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("backup|copy"));
        open();
        window->show();
        QVERIFY(other().exec("INSERT INTO usequip (ID) VALUES ('US-03')"));
        QSqlQuery writer = other();
        QVERIFY(held.isEmpty() ||
                (writer.exec(held) && writer.exec("INSERT INTO usequip (ID) VALUES ('US-04')")));
        QElapsedTimer clock, sinceTick;
        qint64 longest = 0;
        QTimer ticks;
        connect(&ticks, &QTimer::timeout, [&] { longest = qMax(longest, sinceTick.restart()); });
        clock.start(), sinceTick.start(), ticks.start(5);
        DialogDriver driver;
        const QString copy = workDir->file("home/Documents/copia.db");
        driver.chooseFile(copy).press(QMessageBox::Ok);
        bool waitShown = false; // while the copy waits for the lock
        QTimer::singleShot(DatabaseCopy::busyWaitMs / 2, [&] {
            waitShown =
                QApplication::overrideCursor() && !child<QAction>("actionBackup")->isEnabled();
        });
        child<QAction>("actionBackup")->trigger();
        QVERIFY(driver.waitDone(DatabaseCopy::busyWaitMs + 4000));
        QVERIFY(!QApplication::overrideCursor() && child<QAction>("actionBackup")->isEnabled());
        QVERIFY2(longest < 1000, qPrintable(QString::number(longest)));
        writer.exec("COMMIT");
        if (held == "BEGIN EXCLUSIVE") {
            QVERIFY(waitShown);
            QVERIFY(driver.seen().last().text.contains(said));
            QCOMPARE(QDir(workDir->file("home/Documents")).entryList(QDir::Files | QDir::Hidden),
                     QStringList());
            return;
        }
        QVERIFY(driver.seen().last().text.contains("copia.db"));
        if (spoilt == "bytes") {
            QFile file(copy);
            QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(100) &&
                    file.write(QByteArray(300, 'x')));
        } else if (!spoilt.isEmpty()) {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "spoil");
            db.setDatabaseName(copy);
            QVERIFY(db.open() && QSqlQuery(db).exec(spoilt));
            db.close();
        }
        QSqlDatabase::removeDatabase("spoil");
        QFile cutShort("zetu.db.restore.part"); // left by a restore the machine cut short
        QVERIFY(cutShort.open(QIODevice::WriteOnly) && cutShort.write("SQLite") == 6);
        cutShort.close();
        driver.clear();
        driver.chooseFile(copy).press(QMessageBox::Yes).press(QMessageBox::Ok);
        child<QAction>("actionRestore")->trigger();
        QVERIFY(driver.waitDone(DatabaseCopy::busyWaitMs + 4000));
        QCOMPARE(QFile::exists("zetu.db.restore"), spoilt.isEmpty());
        if (!spoilt.isEmpty()) {
            QVERIFY(driver.seen().last().text.contains("não é uma cópia"));
            QVERIFY2(driver.seen().last().text.contains(said),
                     qPrintable(driver.seen().last().text));
            return;
        }
        window.reset();
        QSqlDatabase::database("other", false).close(); // on the file that is set aside
        driver.clear();
        driver.press(QMessageBox::Ok);
        open();
        window->resumeAtStart();
        QVERIFY(driver.waitDone());
        const QStringList aside = QDir().entryList({"zetu-*.db"});
        QVERIFY(driver.seen().value(0).text.contains(said +
                                                     ". O arquivo anterior foi guardado "
                                                     "como " +
                                                     QDir().absoluteFilePath(aside.value(0))));
        QCOMPARE(column("SELECT ID FROM usequip ORDER BY ID").join(' '), "US-01 US-02 US-03");
        window.reset();
        QSqlDatabase::database("other", false).close();
        QVERIFY(QFile::remove("zetu.db") && QFile::rename(aside.value(0), "zetu.db"));
        QCOMPARE(column("SELECT ID FROM usequip ORDER BY ID").join(' '), "US-01 US-02 US-03 US-04");
    }

    // Once zetu.db takes what waited, the window stops trying: a recovery file another
    // copy leaves meanwhile waits for the next start.
    void idleOnceTaken()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^cannot read zetu.db"));
        QSqlQuery lock = other();
        QVERIFY(lock.exec("BEGIN EXCLUSIVE"));
        open();
        window->resumeAtStart();
        QVERIFY(lock.exec("COMMIT"));
        QTRY_COMPARE_WITH_TIMEOUT(child<QTableView>("tableView")->model()->rowCount(), 2, 4000);
        QVERIFY(InspectionStore::keepForRecovery("zetu.db.recovery", StoredInspection()));
        DialogDriver driver;
        QTest::qWait(2000);
        QVERIFY(driver.seen().isEmpty() && QFile::exists("zetu.db.recovery"));
    }

    // Values typed while another copy holds the write lock, then an older report opened
    // from the history: the typed values are written once the lock ends.
    void openedWhileBusy()
    {
        QTest::ignoreMessage(
            QtWarningMsg, QRegularExpression("^cannot write the inspection: \"database is locked"));
        open();
        WizardFill::makeStepsValid(window.data());
        click("pushButtonNext");
        StoredInspection older;
        older.equipmentKey = 1;
        older.started = older.changed = QDateTime::currentDateTime().addDays(-1);
        older.technician = "Bruno";
        older.values = {{"lineTecResp", "Bruno"}};
        older.state = StoredInspection::Reported;
        QCOMPARE(InspectionStore::save(older), InspectionStore::Done);
        QSqlQuery lock = other();
        QVERIFY(lock.exec("BEGIN IMMEDIATE"));
        child<QLineEdit>("lineTecResp")->setText("Ana");
        click("pushButtonNext");
        DialogDriver driver;
        driver.then([&](QWidget *history) {
            auto *table = child<QTableWidget>("tableWidget", history);
            table->selectRow(table->findItems("Bruno", Qt::MatchExactly).value(0)->row());
            click("pushButtonOpen", history);
        });
        driver.press(QMessageBox::Yes); // the wizard's values are in no report
        click("pushButtonHistory");
        QVERIFY(driver.waitDone());
        QCOMPARE(child<QLineEdit>("lineTecResp")->text(), QString("Bruno"));
        QVERIFY(lock.exec("ROLLBACK"));
        QTRY_COMPARE_WITH_TIMEOUT(column("SELECT Technician FROM inspection ORDER BY ID_key"),
                                  QStringList({"Ana", "Bruno"}), 4000);
    }

    // Another copy claims the draft (stale: as an earlier version, keeping no scanner
    // record), changes it unseen, or deletes its scanner (US-02, the
    // highest key) and adds one that takes the key; or the scanner is deleted here. What
    // the window and the next start say, the inspections left and those listed under key 2.
    void otherCopies_data()
    {
        QTest::addColumn<QString>(
            "sql"); // by the other copy after the first step; empty: delete here
        QTest::addColumn<bool>("closedFirst"); // the other copy acts once the window is gone
        QTest::addColumn<QStringList>("seen");
        QTest::addColumn<QPoint>("rows"); // in zetu.db, listed under key 2
        const QString resume = "Continuar a inspeção não concluída de US-02";
        // a live copy whose clock is behind; one an hour ahead, stopped, seen unchanged
        QTest::newRow("claimed") << "UPDATE inspection SET Owner = 'B', Heartbeat = "
                                    "strftime('%s') - 400"
                                 << true << QStringList() << QPoint(1, 1);
        QTest::newRow("claim stale") << "UPDATE inspection SET Owner = 'B', Heartbeat = "
                                        "strftime('%s') + 3600, ID = NULL"
                                     << true << QStringList(resume) << QPoint(1, 1);
        QTest::newRow("changed unseen") << "UPDATE inspection SET Revision = 7" << false
                                        << QStringList{"Outra cópia", resume} << QPoint(2, 2);
        QTest::newRow("key reused") << "DELETE FROM usequip WHERE ID_key = 2; INSERT INTO usequip "
                                       "(ID) VALUES ('US-99')"
                                    << false << QStringList(resume) << QPoint(1, 0);
        // the wizard's values, their draft gone with US-02, go on with US-01
        QTest::newRow("deleted here") << "" << false
                                      << QStringList{"Tem certeza que deseja remover o registro de "
                                                     "US-02 (Hospital Central)? A inspeção",
                                                     "Continuar a inspeção não concluída de US-01"}
                                      << QPoint(1, 0);
    }
    void otherCopies()
    {
        QFETCH(QString, sql);
        QFETCH(bool, closedFirst);
        QFETCH(QStringList, seen);
        QFETCH(QPoint, rows);
        open();
        WizardFill::makeStepsValid(window.data());
        child<QTableView>("tableView")->selectRow(1);
        click("pushButtonNext");
        DialogDriver driver;
        QString owner; // of the draft asked about, while the question is open
        for (int i = 0; i < seen.size(); ++i)
            driver.then([&](QWidget *box) {
                owner = column("SELECT Owner FROM inspection WHERE State = 0").join(',');
                auto *ok = static_cast<QMessageBox *>(box)->button(QMessageBox::Ok);
                ok ? ok->click() : QTest::keyClick(box, Qt::Key_Escape); // a question: No
            });
        if (closedFirst)
            window.reset();
        for (const QString &statement : sql.split(';', Qt::SkipEmptyParts))
            QVERIFY(other().exec(statement));
        StoredInspection none; // the stopped copy's claim seen once, unchanged since
        if (QByteArray(QTest::currentDataTag()).contains("stale")) {
            InspectionStore::setStaleClaimTime(300);
            QVERIFY(QSqlDatabase::database().isOpen() && !InspectionStore::latestDraft(&none, "C"));
            QTest::qWait(400);
        }
        if (!closedFirst)
            click(sql.isEmpty() ? "pushButtonDeleteRecord" : "pushButtonNext");
        if (sql.isEmpty()) {
            child<QTableView>("tableView")->selectRow(0);
            click("pushButtonNext");
            QCOMPARE(child<QComboBox>("comboBox3cabo")->currentIndex(), 1);
        }
        window.reset();
        open();
        window->resumeAtStart();
        QVERIFY(driver.waitDone());
        QTest::qWait(50);
        QCOMPARE(driver.seen().size(), seen.size());
        for (int i = 0; i < seen.size(); ++i)
            QVERIFY2(driver.seen()[i].text.startsWith(seen[i]), qPrintable(driver.seen()[i].text));
        QCOMPARE(QPoint(column("SELECT ID_key FROM inspection").size(),
                        InspectionStore::forEquipment(2).size()),
                 rows);
        QVERIFY(seen.isEmpty() || owner.contains(InspectionStore::ownToken())); // chosen, taken
        if (!seen.isEmpty())
            return;
        child<QTableView>("tableView")->selectRow(1); // held: not opened here
        driver.then([&](QWidget *history) { click("pushButtonOpen", history); });
        driver.press(QMessageBox::Ok);
        click("pushButtonHistory");
        QVERIFY(driver.waitDone() && driver.seen().last().text.contains("aberta em outra cópia"));
        QCOMPARE(child<QStackedWidget>("stackedWidget")->currentIndex(), 0);
    }

    // A corrected scanner record takes the draft of that scanner along; its key is 0, as
    // another program may write it.
    // A zetu.db of the version before transducers: each scanner's inspections go under a
    // transducer per typed text, none lost or changed; a detached one and a draft without
    // text stay unplaced. Then due dates, a reused key and the trend of one transducer.
    void transducersOfEarlierFile()
    {
        QFile::remove("zetu.db");
        QVERIFY(QFile::copy(ZETU_SOURCE_DIR "/tests/data/zetu-v2.db", "zetu.db"));
        QFile::setPermissions("zetu.db", QFile::ReadOwner | QFile::WriteOwner);
        const QString rows = "SELECT ID_key || State || Equipment || Inputs FROM inspection "
                             "ORDER BY ID_key";
        const QStringList before = column(rows);
        QCOMPARE(before.size(), 7);
        open();
        DialogDriver driver;
        driver.press(QMessageBox::No); // the draft of US-01 is not taken up
        window->resumeAtStart();
        QVERIFY(driver.waitDone());
        QCOMPARE(column(rows), before); // nothing judged again: reports print as before
        QCOMPARE(column("SELECT TransducerModel || '/' || Type || '/' || Frequency FROM "
                        "transducer ORDER BY ID_key"),
                 QStringList({"Convexo 3,5 MHz/1/3.5", "Linear L12-5/0/10.0", "Endocavitário/3/6.5",
                              "Setorial/2/2.5"}));
        QCOMPARE(column("SELECT IFNULL(Transducer, '-') FROM inspection ORDER BY ID_key"),
                 QStringList({"1", "2", "1", "-", "3", "4", "-"}));
        const QVector<Transducer> us01 = TransducerStore::forEquipment(1);
        QCOMPARE(us01.size(), 2);
        QCOMPARE(us01[0].lastInspected, QDate(2026, 1, 31));
        QCOMPARE(HistoryDialog::transducerText(InspectionStore::forEquipment(1).last(), us01,
                                               QLocale::c()),
                 QString("Convexo 3,5 MHz")); // as it was typed
        // US-01: the linear probe is due since 10/06/2026; US-02's sector probe was never
        // reported; the list's line counts both, and a retired one no more
        const QHash<int, TransducerStore::ScannerDue> due =
            TransducerStore::dueByScanner(QDate(2026, 12, 8));
        QCOMPARE(due.value(1).next, QDate(2026, 6, 10));
        QVERIFY(due.value(2).due && !due.value(2).next.isValid());
        QCOMPARE(due.value(1).overdue + due.value(2).overdue, 2);
        QVERIFY(!child<QLabel>("labelOverdue")->isHidden());
        const QAbstractItemModel *list = child<QTableView>("tableView")->model();
        QCOMPARE(list->headerData(list->columnCount() - 1, Qt::Horizontal).toString(),
                 QString("Próxima inspeção"));
        bool retired = false;
        QVERIFY(TransducerStore::remove(us01[1].key, &retired) == InspectionStore::Done && retired);
        QCOMPARE(TransducerStore::dueByScanner(QDate(2026, 12, 8)).value(1).overdue, 0);
        // the list sorted by due date: SQL's month arithmetic as the program's (31
        // August + 6 months is 28 February, before 1 March)
        QVERIFY(
            other().exec("UPDATE transducer SET IntervalMonths = 6") &&
            other().exec("UPDATE inspection SET Inspected = '2025-08-31' WHERE ID_key = 5") &&
            other().exec("UPDATE inspection SET Inspected = '2025-09-01' WHERE ID_key IN (1, 3)"));
        QCOMPARE(column("SELECT ID FROM usequip ORDER BY " + TransducerStore::nextDateOrder()),
                 QStringList({"US-02", "US-01"})); // US-02's sector probe never inspected
        QVERIFY(other().exec("DELETE FROM transducer WHERE ID_key = 4"));
        QCOMPARE(column("SELECT ID FROM usequip ORDER BY " + TransducerStore::nextDateOrder()),
                 QStringList({"US-02", "US-01"}));
        QCOMPARE(TransducerStore::dueByScanner(QDate(2026, 12, 8)).value(2).next,
                 QDate(2026, 2, 28));
        // the trend of one transducer holds only its points
        TrendDialog trend(InspectionStore::forEquipment(1), "US-01", us01, us01[0].key);
        QCOMPARE(trend.shownInspections().size(), 2);
        for (const StoredInspection &one : trend.shownInspections())
            QCOMPARE(one.transducerKey, us01[0].key);
        // a scanner deleted by another program: a new one that reuses its key gets none of
        // its transducers
        QVERIFY(other().exec("DELETE FROM usequip WHERE ID_key = 2") &&
                other().exec("INSERT INTO usequip (ID_key, Institution, Place, ID, Model, "
                             "Manufacturer) VALUES (2, 'Outra', 'Sala', 'US-77', 'X', 'Y')"));
        QVERIFY(TransducerStore::forEquipment(2).isEmpty());
        QVERIFY(!TransducerStore::dueByScanner(QDate(2026, 12, 8)).contains(2));
    }

    // A file of the previous version upgraded: no row changed, the original rules give
    // each row's marks. A transducer's first reported inspection is its baseline; another
    // becomes it only with a reason, and the first stays listed. An inspection under
    // TG-128 compares its penetration with the baseline, beside the box and as stored,
    // and keeps the set's version it was judged with when the set changes.
    void baselines()
    {
        QFile::remove("zetu.db");
        QVERIFY(QFile::copy(ZETU_SOURCE_DIR "/tests/data/zetu-v3.db", "zetu.db"));
        QFile::setPermissions("zetu.db", QFile::ReadOwner | QFile::WriteOwner);
        const QString rows = "SELECT ID_key || State || IFNULL(Transducer, '-') || Inputs "
                             "FROM inspection ORDER BY ID_key";
        const QStringList before = column(rows);
        open();
        DialogDriver driver;
        driver.press(QMessageBox::No); // the draft of US-01 is not taken up
        window->resumeAtStart();
        QVERIFY(driver.waitDone());
        QCOMPARE(column(rows), before);
        QCOMPARE(column("PRAGMA user_version"), QStringList{"5"});
        ToleranceSet original;
        QVERIFY(ToleranceStore::set(ToleranceSet::OriginalId, 1, &original));
        QStringList marks;
        for (const StoredInspection &one : InspectionStore::all()) {
            const QVector<Result> today = judge(Inspection(one.values));
            const QVector<Result> kept = judge(Inspection(one.values), original, Baseline());
            for (int i = 0; i < today.size(); ++i)
                QCOMPARE(kept[i].verdict, today[i].verdict);
            marks << QString("%1/%2").arg(failedCount(today)).arg(judgedCount(today));
        }
        QCOMPARE(marks.join(' '), QString("0/2 0/2 0/8 6/8 6/8 0/8 0/8"));

        // transducer 1 of US-01: inspections 1 (10/06/2025) and 3 (31/01/2026)
        QCOMPARE(ToleranceStore::baselineInspection(1), qint64(1));
        QCOMPARE(ToleranceStore::chooseBaseline(1, 2, {"Ana", "reparo"}),
                 InspectionStore::Failed); // another transducer's inspection
        auto *list = child<QTableView>("tableView");
        const auto selectUs01 = [&] {
            for (int row = 0; row < list->model()->rowCount(); ++row) {
                if (list->model()->index(row, 3).data().toString() == "US-01")
                    list->selectRow(row);
            }
        };
        selectUs01();
        QStringList states;
        driver.then([&](QWidget *history) {
            auto *table = child<QTableWidget>("tableWidget", history);
            for (int row = 0; row < table->rowCount(); ++row) {
                if (table->item(row, 0)->text() == "31/01/2026")
                    table->selectRow(row);
            }
            click("pushButtonBaseline", history); // asks who and why, below
            for (int row = 0; row < table->rowCount(); ++row)
                states << table->item(row, 0)->text() + " " + table->item(row, 4)->text();
            qobject_cast<QDialog *>(history)->reject();
        });
        driver.then([&](QWidget *reason) {
            child<QLineEdit>("lineEditWho", reason)->setText("Ana Física");
            auto *ok = child<QDialogButtonBox>("buttonBox", reason)->button(QDialogButtonBox::Ok);
            QVERIFY(!ok->isEnabled()); // no reason given
            child<QPlainTextEdit>("plainTextEditWhy", reason)->setPlainText("Reparo do cabo");
            ok->click();
        });
        click("pushButtonHistory");
        QVERIFY(driver.waitDone());
        QCOMPARE(states,
                 QStringList({"30/11/2026 Rascunho", "31/01/2026 Relatório salvo · Linha de base",
                              "10/06/2025 Relatório salvo · Linha de base", // linear
                              "10/06/2025 Relatório salvo · Linha de base até " +
                                  QDate::currentDate().toString("dd/MM/yyyy")}));
        QCOMPARE(ToleranceStore::baselines(1).size(), 2);
        QCOMPARE(ToleranceStore::baselines(1).first().inspectionId, qint64(1));
        QCOMPARE(ToleranceStore::baselines(1).last().date.toString(Qt::ISODate),
                 column("SELECT Inspected FROM inspection WHERE ID_key = 3").value(0));
        QCOMPARE(ToleranceStore::baselineInspection(1), qint64(3));

        // US-01 judged by TG-128: a penetration 15 mm below the baseline's 42.5 mm
        const QVector<ToleranceSet> sets = ToleranceStore::sets();
        QCOMPARE(sets.size(), 2);
        QCOMPARE(ToleranceStore::chooseSet(1, InspectionStore::equipmentRecord(1), sets[1],
                                           {"Ana Física", "Programa do serviço"}),
                 InspectionStore::Done);
        WizardFill::makeStepsValid(window.data());
        selectUs01();
        auto *transducer = child<QComboBox>("comboBoxTransducer");
        transducer->setCurrentIndex(transducer->findData(1));
        QCOMPARE(transducer->currentData().toInt(), 1);
        child<QDoubleSpinBox>("doubleSpinBox5_05_MPV")->setValue(27.5);
        child<QDoubleSpinBox>("doubleSpinBox5_07_MPV")->setValue(52.5);
        click("pushButtonNext");
        QVERIFY(driver.waitDone());
        QCOMPARE(child<QLabel>("hint_doubleSpinBox5_05_MPV")->text(),
                 QString("linha de base 42,5 mm (31/01/2026): aprovado de 32,5 a 52,5 mm"));
        // each hint beside its boxes, over none of the step's other widgets
        for (int step : {3, 4, 5}) {
            child<QStackedWidget>("stackedWidget")->setCurrentIndex(step);
            QTest::qWait(20);
            for (QLabel *hint : window->findChildren<QLabel *>(QRegularExpression("^hint_"))) {
                if (!hint->isVisible())
                    continue;
                for (QWidget *other : hint->parentWidget()->findChildren<QWidget *>()) {
                    if (other != hint && other->isVisible() && !other->isAncestorOf(hint) &&
                        !hint->isAncestorOf(other) && other->parentWidget() == hint->parentWidget())
                        QVERIFY2(!other->geometry().intersects(hint->geometry()),
                                 qPrintable(hint->objectName() + " " + other->objectName()));
                }
            }
        }
        // the set and baseline read again while another copy locks zetu.db: no report is
        // made with the judgement taken before, and one is once the lock ends
        auto *report = child<QPushButton>("pushButtonReport");
        for (int step = 0; step < 8 && !report->isEnabled(); ++step)
            click("pushButtonNext");
        QVERIFY(other().exec("BEGIN EXCLUSIVE"));
        InspectionStore::Outcome chosen = InspectionStore::Done;
        ToleranceStore::chosenSet(1, &chosen);
        ToleranceSet unread;
        QVERIFY(chosen == InspectionStore::Busy && !ToleranceStore::set(1, 1, &unread));
        emit window->findChild<ToleranceChoice *>()->toleranceSetChanged(1);
        driver.clear();
        driver.press(QMessageBox::Ok);
        click("pushButtonReport");
        QVERIFY(driver.waitDone());
        QVERIFY2(driver.seen().value(0).text.contains("ocupado"),
                 qPrintable(driver.seen().value(0).text));
        QVERIFY(other().exec("ROLLBACK"));
        driver.then([](QWidget *report) { qobject_cast<QDialog *>(report)->reject(); });
        click("pushButtonReport");
        QVERIFY(driver.waitDone());
        QCOMPARE(driver.seen().value(1).title, QString("Relatório"));
        window->close();
        const StoredInspection made = InspectionStore::forEquipment(1).first();
        const QVector<Result> judged = judge(Inspection(made.values));
        QCOMPARE(judged[50].verdict, Result::Fail);
        QCOMPARE(judged[51].verdict, Result::Pass);
        QCOMPARE(judge(Inspection(made.values), original, Baseline())[50].verdict,
                 Result::NotJudged);

        // a copy of TG-128 allowing 20 mm, chosen for US-01, then changed to 5 mm: the
        // inspection made keeps its judgement, the copy's first version stays readable
        const ToleranceStore::Signed by{"Ana Física", "Programa do serviço"};
        ToleranceSet copy = sets[1];
        copy.name = "Serviço 50%1";    // a name with what looks like a place marker
        copy.rules.last().amount = 20; // the penetration
        QCOMPARE(ToleranceStore::addSet(copy, sets[1].name, by), InspectionStore::Done);
        QCOMPARE(ToleranceStore::chooseSet(1, InspectionStore::equipmentRecord(1), copy, by),
                 InspectionStore::Done);
        copy.rules.last().amount = -5; // no set allows less than nothing
        QCOMPARE(ToleranceStore::changeSet(copy, by), InspectionStore::Failed);
        copy.rules.last().amount = 5;
        QCOMPARE(ToleranceStore::changeSet(copy, by), InspectionStore::Done);
        QCOMPARE(ToleranceStore::setForScanner(1).toJson(), copy.toJson());
        ToleranceSet first, builtIn = sets[1];
        QVERIFY(ToleranceStore::set(copy.id, 1, &first) && first.version == 1);
        QCOMPARE(first.rules.last().amount, 20.0);
        QCOMPARE(ToleranceStore::changeSet(builtIn, by), InspectionStore::Failed);
        QCOMPARE(judge(Inspection(InspectionStore::forEquipment(1).first().values))[50].verdict,
                 Result::Fail);

        // the audit trail, newest first
        QStringList trail;
        for (const ToleranceStore::AuditEntry &entry : ToleranceStore::auditTrail())
            trail << entry.who + ": " + entry.describe() + " (" + entry.why + ")";
        QCOMPARE(trail,
                 QStringList({"Ana Física: Conjunto alterado: Serviço 50%1 (v2) (Programa do "
                              "serviço)",
                              "Ana Física: Equipamento US-01 julgado pelo conjunto Serviço "
                              "50%1 (v1) (Programa do serviço)",
                              "Ana Física: Conjunto \"Serviço 50%1\" criado a partir de \"AAPM "
                              "TG-128\" (Programa do serviço)",
                              "Ana Física: Equipamento US-01 julgado pelo conjunto AAPM "
                              "TG-128 (v1) (Programa do serviço)",
                              "Ana Física: Linha de base de US-01 / Convexo 3,5 MHz: "
                              "inspeção de 31/01/2026 (Reparo do cabo)"}));
    }

    // Step 1's transducers through their real dialogs: a scanner without one asks for
    // one on Next; one is edited (and not, when the dialog is cancelled); one with an
    // inspection is retired, one without is deleted, each after its own question.
    void transducersOnStepOne()
    {
        open();
        window->resumeAtStart();
        auto *combo = child<QComboBox>("comboBoxTransducer");
        child<QTableView>("tableView")->selectRow(0);
        const int key = child<QTableView>("tableView")->model()->index(0, 0).data().toInt();
        QVERIFY(!child("pushButtonTransducerEdit")->isEnabled());
        DialogDriver driver;
        const auto describe = [&](const char *model, int type) {
            return [=](QWidget *dialog) {
                child<QLineEdit>("lineEditModel", dialog)->setText(model);
                child<QComboBox>("comboBoxType", dialog)->setCurrentIndex(type);
                qobject_cast<QDialog *>(dialog)->accept();
            };
        };
        driver.then([](QWidget *box) {
            for (QAbstractButton *button : qobject_cast<QMessageBox *>(box)->buttons())
                if (button->text().startsWith("Adicionar"))
                    button->click();
        });
        driver.then(describe("L12-5", Transducer::Linear));
        click("pushButtonNext");
        QVERIFY(driver.waitDone());
        QCOMPARE(child<QStackedWidget>("stackedWidget")->currentIndex(), 1);
        QVERIFY(child<QLineEdit>("lineEdit4Transdutor")->text().startsWith("L12-5, Linear"));
        click("pushButtonPrevious");
        driver.then([](QWidget *dialog) { qobject_cast<QDialog *>(dialog)->reject(); });
        click("pushButtonTransducerEdit");
        driver.then(describe("L12-5 B", Transducer::Linear));
        click("pushButtonTransducerEdit");
        QVERIFY(driver.waitDone());
        QCOMPARE(combo->currentText(), QString("L12-5 B, Linear"));
        QCOMPARE(TransducerStore::forEquipment(key).value(0).model, QString("L12-5 B"));
        // the draft written on leaving step 1 names it: retired, its history kept
        driver.press(QMessageBox::Yes);
        click("pushButtonTransducerRemove");
        QVERIFY(driver.waitDone());
        QVERIFY(driver.seen().last().text.contains("1 inspeções guardadas"));
        QVERIFY(TransducerStore::forEquipment(key).value(0).retired);
        QCOMPARE(combo->count(), 1); // only "Adicionar transdutor…"
        QVERIFY(!child("pushButtonTransducerRemove")->isEnabled());
        driver.then(describe("C5-1", Transducer::Convex));
        emit combo->activated(0);
        QVERIFY(driver.waitDone());
        QCOMPARE(combo->currentText(), QString("C5-1, Convexo"));
        driver.press(QMessageBox::No).press(QMessageBox::Yes);
        click("pushButtonTransducerRemove");
        QCOMPARE(TransducerStore::forEquipment(key).size(), 2);
        click("pushButtonTransducerRemove");
        QVERIFY(driver.waitDone());
        QCOMPARE(driver.seen().last().text, QString("Remover o transdutor C5-1, Convexo?"));
        QCOMPARE(TransducerStore::forEquipment(key).size(), 1);
    }

    void editedScanner()
    {
        QVERIFY(other().exec("UPDATE usequip SET ID_key = 0 WHERE ID = 'US-02'"));
        open();
        child<QTableView>("tableView")->selectRow(0);
        click("pushButtonNext"); // US-02's draft
        click("pushButtonPrevious");
        DialogDriver driver;
        driver.then([&](QWidget *dialog) {
            dialog->findChildren<QLineEdit *>().at(2)->setText("US-2B");
            click("pushButtonAdd", dialog);
        });
        click("pushButtonEdit");
        QVERIFY(driver.waitDone());
        QCOMPARE(InspectionStore::forEquipment(0).value(0).scanner.value(2), QString("US-2B"));
    }

    // Every field comes back from zetu.db, revised by each write, and from the recovery
    // file, which appends, reads a missing field as its start value and goes when empty.
    // Failures are logged with their reason.
    void roundTrip()
    {
        QVERIFY(other().exec("CREATE TABLE inspection (ID_key INTEGER primary key, Equipment "
                             "INTEGER, Started VARCHAR(30), Changed VARCHAR(30), Technician "
                             "VARCHAR(80), State INTEGER, Report VARCHAR(260), Inputs TEXT)") &&
                other().exec("INSERT INTO inspection (Equipment, Technician, Inputs) VALUES "
                             "(2, 'Bia', '[]')"));
        open(); // the earlier version's rows keep their scanner's record
        QCOMPARE(InspectionStore::prepare(), InspectionStore::Done);
        StoredInspection kept;
        kept.equipmentKey = 2;
        kept.started = QDateTime(QDate(2025, 3, 14), QTime(9, 30, 15, 250));
        kept.changed = kept.started.addSecs(90);
        kept.technician = kept.pdfPath = "Ana";
        kept.state = StoredInspection::Reported;
        kept.values = {{"s5AA2", 4.5}};
        QVERIFY(InspectionStore::save(kept) == InspectionStore::Done &&
                InspectionStore::save(kept) == InspectionStore::Done);
        const auto text = [](const StoredInspection &i) {
            QString t;
            QDebug(&t).noquote() << i.id << i.equipmentKey << i.started.toString(Qt::ISODateWithMs)
                                 << i.changed.toString(Qt::ISODateWithMs) << i.technician << i.state
                                 << i.pdfPath
                                 << QJsonDocument(i.values).toJson(QJsonDocument::Compact)
                                 << i.scanner.join(',') << i.revision << i.unreadable;
            return t.trimmed();
        };
        const QString expected =
            "2 2 2025-03-14T09:30:15.250 2025-03-14T09:31:45.250 Ana 1 Ana "
            "{\"s5AA2\":4.5} Hospital Central,Radiologia,US-02,Voluson,GE 1 false";
        QCOMPARE(text(InspectionStore::forEquipment(2).value(0)), expected);
        QCOMPARE(text(InspectionStore::forEquipment(2).value(1)),
                 "1 2   Bia 0  {} Hospital Central,Radiologia,US-02,Voluson,GE 0 true");
        // a corrected record takes its inspections along, and back
        const QStringList was = QString("Hospital Central,Radiologia,US-02,Voluson,GE").split(',');
        const QStringList now = QStringList(was).replaceInStrings("US-02", "US-2B");
        QVERIFY(InspectionStore::renameEquipment(2, was, now) == InspectionStore::Done &&
                InspectionStore::forEquipment(2).isEmpty() &&
                InspectionStore::renameEquipment(2, now, was) == InspectionStore::Done);
        QCOMPARE(InspectionStore::forEquipment(2).size(), 2);
        QFile file("r");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("[{}]") == 4);
        file.close();
        QVERIFY(InspectionStore::keepForRecovery("r", kept));
        const QVector<StoredInspection> back = InspectionStore::readRecovery("r");
        QCOMPARE(text(back.value(0)) + "|" + text(back.value(1)), text({}) + "|" + expected);
        std::thread copy([&] { // two copies closing together: each keeps its values
            for (int i = 0; i < 20; ++i)
                InspectionStore::keepForRecovery("two", kept);
        });
        for (int i = 0; i < 20; ++i)
            InspectionStore::keepForRecovery("two", kept);
        copy.join();
        QCOMPARE(InspectionStore::readRecovery("two").size(), 40);

        for (const char *message : {"^cannot read \"d\"", "is not a list", "^cannot write",
                                    "^cannot remove \"d\" \".+\"", "is not a list", "^set aside"})
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(message));
        QVERIFY(QDir().mkdir("d") && file.open(QIODevice::WriteOnly) && file.write("{") == 1);
        file.close();
        QVERIFY(InspectionStore::readRecovery("d").isEmpty() &&
                InspectionStore::readRecovery("r").isEmpty());
        QVERIFY(!InspectionStore::replaceRecovery("d/x/r", back) &&
                !InspectionStore::replaceRecovery("d", {}));
        // a recovery file that cannot be read is set aside, never overwritten
        QVERIFY(InspectionStore::keepForRecovery("r", kept) &&
                InspectionStore::readRecovery("r").size() == 1);
        QFile aside(QDir().entryList({"r.unreadable-*"}).value(0));
        QVERIFY(aside.open(QIODevice::ReadOnly) && aside.readAll() == "{");
        QVERIFY(InspectionStore::replaceRecovery("r", {}) && !file.exists());
    }

    // Three inspections of one scanner, newest first by their own date (Carla's chosen for
    // tomorrow), with how many results fail; the newest is deleted and the oldest opened,
    // each after a confirmation.
    void historyOfThree()
    {
        open();
        WizardFill::selectEquipment(window.data());
        child<QLineEdit>("lineTecResp")->setText("Ana");
        click("pushButtonNext"); // today's draft: nothing measured, the twelve choices fail
        const QString who[] = {"Bruno", "Carla", "Davi"}; // Davi inspects the other scanner
        const QDate today = QDate::currentDate();
        const QJsonObject values[] = {{},
                                      {{"comboBox3cabo", 1},
                                       {"s5AAr2", 3.2},
                                       {"step", 5},
                                       {"calendarWidget", today.addDays(1).toString(Qt::ISODate)}},
                                      {}};
        for (int i = 0; i < 3; ++i) {
            StoredInspection stored;
            stored.equipmentKey = 1 + i / 2;
            stored.started = stored.changed = QDateTime::currentDateTime().addDays(-1 - i);
            stored.technician = stored.pdfPath = who[i];
            stored.state = StoredInspection::Reported;
            stored.values = values[i];
            if (i == 1) // a signed report
                stored.values["signature"] = QJsonObject{{"signer", "Carla Dias"}};
            QCOMPARE(InspectionStore::save(stored), InspectionStore::Done);
        }

        QStringList seen;
        DialogDriver driver;
        QImage(8, 8, QImage::Format_RGB32).save("p.png"); // dropped when another is opened
        driver.chooseFile(workDir->file("p.png"));
        click("pushButtonMonitor");
        driver.then([&](QWidget *dialog) {
            auto *table = child<QTableWidget>("tableWidget", dialog);
            for (int row = 0; row < table->rowCount(); ++row)
                for (int column : {0, 3, 4, 5, 6})
                    seen << table->item(row, column)->text();
            QCOMPARE(table->item(0, 5)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
            QCOMPARE(table->item(0, 5)->toolTip() + table->item(0, 6)->toolTip(), QString("Carla"));
            table->selectRow(2);
            click("pushButtonOpenPdf", dialog); // the chosen row's report, gone
            table->selectRow(1);
            click("pushButtonDelete", dialog); // answered by the next action
            QCOMPARE(table->item(1, 3)->text(), QString("Bruno"));
            table->selectRow(0);
            click("pushButtonOpen", dialog);
        });
        driver.press(QMessageBox::Ok);
        driver.press(QMessageBox::Yes).press(QMessageBox::Yes); // wizard's values in no report
        driver.press(QMessageBox::Ok); // kept on step 6, but step 2 was never completed
        click("pushButtonHistory");
        QVERIFY(driver.waitDone());
        QCOMPARE(driver.seen().value(2).text.section(' ', 2, 2), QString("Bruno"));
        QCOMPARE(driver.seen().last().text, QString("Selecione um valor para cada campo"));
        const auto day = [today](int i) { return today.addDays(1 - i).toString("dd/MM/yyyy"); };
        // A value not stored was not measured: only the results of stored ones are judged.
        QCOMPARE(seen, QStringList({day(0), "Carla", "Assinado por Carla Dias", "0 de 1", "Carla",
                                    day(1), "Ana", "Rascunho", "12 de 12", "", day(2), "Bruno",
                                    "Relatório salvo", "0 de 0", "Bruno"}));
        QCOMPARE(child<QLineEdit>("lineTecResp")->text(), QString()); // not stored: start value
        QCOMPARE(child<QStackedWidget>("stackedWidget")->currentIndex(), 1);
        QCOMPARE(child<QDoubleSpinBox>("s5AAr2")->value(), 3.2);
        QCOMPARE(child<QCalendarWidget>("calendarWidget")->selectedDate(), today.addDays(1));
        QCOMPARE(InspectionStore::forEquipment(1).size(), 2);
        // the reported inspection, opened on purpose, is changed in its own row
        child<QLineEdit>("lineTecResp")->setText("Carla Dias");
        child<QAction>("actionFirstStep")->trigger();
        QTRY_COMPARE(
            column("SELECT Technician FROM inspection WHERE Equipment = 1 ORDER BY ID_key"),
            QStringList({"Bruno", "Carla Dias"}));
        QCOMPARE(InspectionStore::remove(99), InspectionStore::Failed);
        driver.then([&](QWidget *dialog) { // the trend of the scanner's inspections
            seen = QStringList(dialog->metaObject()->className());
            dialog->close();
        });
        click("pushButtonTrend");
        QVERIFY(driver.waitDone());
        QCOMPARE(seen, QStringList("TrendDialog"));
    }

    // A file of the previous version: upgraded in place, no row of any table changed,
    // each inspection judged and each state shown as that version did; its reports were
    // filed before reviews were kept, so none of them waits for review.
    void upgradeV4()
    {
        QFile::remove("zetu.db");
        QVERIFY(QFile::copy(ZETU_SOURCE_DIR "/tests/data/zetu-v4.db", "zetu.db"));
        QFile::setPermissions("zetu.db", QFile::ReadOwner | QFile::WriteOwner);
        const QStringList tables = {"usequip",         "inspection", "transducer", "toleranceset",
                                    "tolerancechoice", "baseline",   "audit"};
        QStringList before;
        for (const QString &table : tables)
            before << rows(table);
        QCOMPARE(column("PRAGMA user_version"), QStringList{"4"});
        open();
        DialogDriver driver;
        driver.press(QMessageBox::No); // the latest draft is not taken up
        window->resumeAtStart();
        QVERIFY(driver.waitDone());
        QStringList after;
        for (const QString &table : tables)
            after << rows(table);
        QCOMPARE(after, before);
        QCOMPARE(column("PRAGMA user_version"), QStringList{"5"});
        QVERIFY(InspectionStore::awaitingReview().isEmpty() && ReviewStore::latest().isEmpty());
        QStringList marks;
        for (const StoredInspection &one : InspectionStore::all()) {
            const QVector<Result> results = judge(Inspection(one.values));
            marks << QString("%1:%2/%3")
                         .arg(one.id)
                         .arg(failedCount(results))
                         .arg(judgedCount(results));
        }
        QCOMPARE(marks.join(' '), QString("4:0/2 6:0/2 5:0/8 9:0/8 8:6/8 3:6/8 2:6/8 1:0/8 7:0/8"));
        QStringList states;
        for (int key : {1, 2, 3}) {
            HistoryDialog history(InspectionStore::forEquipment(key), "");
            history.setTransducers(TransducerStore::forEquipment(key));
            history.setReviews(ReviewStore::latest(key));
            auto *table = child<QTableWidget>("tableWidget", &history);
            for (int row = 0; row < table->rowCount(); ++row)
                states << table->item(row, 0)->text() + " " + table->item(row, 4)->text();
        }
        QCOMPARE(
            states.join('|'),
            QString("30/11/2026 Rascunho|02/03/2026 Relatório salvo|31/01/2026 Relatório salvo · "
                    "Linha de base|10/06/2025 Relatório salvo · Linha de base|10/06/2025 "
                    "Relatório salvo · Linha de base até 08/12/2026|02/11/2026 Rascunho|"
                    "15/03/2026 Relatório salvo · Linha de base|05/03/2026 Rascunho"));
    }

    // One review of an inspection José da Silva reported: kept only when done by another
    // name, a returned one with its note; refused whole when the store is held by another
    // program or the inspection changed meanwhile. The history's state and page 3 of the
    // stored report show what was kept.
    void reviews_data()
    {
        using R = ReviewStore::Review;
        using O = ReviewStore::Outcome;
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("who");
        QTest::addColumn<QString>("note");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("shown"); // in the history; %1 today
        QTest::addColumn<QString>("page3"); // the approval's line, "-" when hidden
        const QString awaiting = "Relatório salvo · Aguardando revisão";
        QTest::newRow("approved by another") << "approve"
                                             << " Ana  Física "
                                             << "" << int(O::Done) << int(R::Approved)
                                             << "Relatório salvo · Aprovado por Ana Física em %1"
                                             << "Aprovado por Ana Física em %1";
        QTest::newRow("maker, case and blanks")
            << "approve"
            << "  JOSE DA  silva "
            << "" << int(O::SameName) << int(R::Awaiting) << awaiting << "-";
        QTest::newRow("maker, accent decomposed")
            << "approve" << QString::fromUtf8("jose\xcc\x81 da Silva") << "" << int(O::SameName)
            << int(R::Awaiting) << awaiting << "-";
        QTest::newRow("no name") << "approve"
                                 << " "
                                 << "" << int(O::NoName) << int(R::Awaiting) << awaiting << "-";
        QTest::newRow("returned without note")
            << "return"
            << "Ana"
            << " \n " << int(O::NoNote) << int(R::Awaiting) << awaiting << "-";
        QTest::newRow("returned, reported again")
            << "return"
            << "Ana"
            << " Refazer a zona morta a 0,7 dB e as massas anecoicas de 6 e 8 cm, por favor\n"
            << int(O::Done) << int(R::Returned)
            << "Relatório salvo · Devolvido: Refazer a zona morta a 0,7 dB e as massas anecoicas "
               "de 6 e 8…"
            << "-";
        QTest::newRow("busy file") << "approve"
                                   << "Ana"
                                   << "" << int(O::Busy) << int(R::Awaiting) << awaiting << "-";
        QTest::newRow("changed meanwhile")
            << "approve"
            << "Ana"
            << "" << int(O::Changed) << int(R::Awaiting) << "Alterada após o relatório"
            << "-";
    }
    void reviews()
    {
        QFETCH(QString, action);
        QFETCH(QString, who);
        QFETCH(QString, note);
        QFETCH(int, outcome);
        QFETCH(int, state);
        QFETCH(QString, shown);
        QFETCH(QString, page3);
        const QByteArray tag = QTest::currentDataTag();
        const QString today = QDate::currentDate().toString("dd/MM/yyyy");
        open();
        QCOMPARE(InspectionStore::prepare(), InspectionStore::Done);
        StoredInspection made = reported(1, "José da Silva", QDate(2026, 3, 2));
        made.pdfPath = "laudo.pdf";
        QCOMPARE(InspectionStore::save(made), InspectionStore::Done); // not filed again
        const ReviewStore::Review pending = ReviewStore::latestOf(made.id);
        QCOMPARE(pending.state, ReviewStore::Review::Awaiting);
        if (tag == "busy file") {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^cannot read the inspection"));
            QVERIFY(other().exec("BEGIN IMMEDIATE"));
        }
        if (tag == "changed meanwhile") {
            made.state = StoredInspection::Draft;
            QCOMPARE(InspectionStore::save(made), InspectionStore::Done);
        }
        const ReviewStore::Outcome done = action == "approve"
                                              ? ReviewStore::approve(pending, who)
                                              : ReviewStore::giveBack(pending, who, note);
        other().exec("ROLLBACK");
        QCOMPARE(int(done), outcome);
        const ReviewStore::Review kept = ReviewStore::latestOf(made.id);
        QCOMPARE(int(kept.state), state);
        QCOMPARE(kept.revision, pending.revision);
        QCOMPARE(kept.who.isEmpty() && kept.note.isEmpty(), done != ReviewStore::Outcome::Done);
        QCOMPARE(rows("review").size(), 1);
        HistoryDialog history(InspectionStore::forEquipment(1), "US-01");
        history.setReviews(ReviewStore::latest(1));
        QCOMPARE(child<QTableWidget>("tableWidget", &history)->item(0, 4)->text(),
                 shown.replace("%1", today));
        QString line;
        DialogDriver driver;
        driver.then([&](QWidget *report) {
            auto *approved = child<QLabel>("labelApproved", report);
            line = approved->isVisibleTo(report) ? approved->text() : "-";
            report->close();
        });
        InspectionSession::showStoredReport(InspectionStore::forEquipment(1).value(0),
                                            window.data());
        QVERIFY(driver.waitDone());
        QCOMPARE(line, page3.replace("%1", today));
        if (tag == "approved by another") // reviewed once only
            QCOMPARE(ReviewStore::approve(pending, "Caio"), ReviewStore::Outcome::Changed);
        if (tag == "returned, reported again") { // filed again under its new revision
            made = InspectionStore::forEquipment(1).value(0);
            made.forReview = true;
            QCOMPARE(InspectionStore::save(made), InspectionStore::Done);
            QCOMPARE(ReviewStore::latestOf(made.id).state, ReviewStore::Review::Awaiting);
            QVERIFY(ReviewStore::latestOf(made.id).revision > pending.revision);
            QCOMPARE(InspectionStore::awaitingReview().value(0).id, made.id);
            QCOMPARE(InspectionStore::remove(made.id), InspectionStore::Done);
            QVERIFY(rows("review").isEmpty());
        }
    }

    // The review list from the menu: the reports of every scanner and technician awaiting
    // review, the oldest first; no draft, nor a report of an earlier version. Approved by
    // another name than the maker's, it is offered to be signed and its report opens with
    // the approval on page 3; returned only with a note, which the technician sees in the
    // history and on continuing it. A technician sees no Approve nor Return, nor the
    // changing of tolerance sets and baselines.
    void reviewList()
    {
        open();
        QCOMPARE(InspectionStore::prepare(), InspectionStore::Done);
        QVERIFY(reported(1, "José da Silva", QDate(2026, 3, 9)).id >= 0);
        QVERIFY(reported(2, "Rita Lima", QDate(2026, 3, 2)).id >= 0);
        QVERIFY(reported(1, "Rita Lima", QDate(2025, 1, 5), false).id >= 0);
        StoredInspection draft = reported(2, "Rita Lima", QDate(2026, 1, 5));
        draft.state = StoredInspection::Draft;
        QCOMPARE(InspectionStore::save(draft), InspectionStore::Done);
        QStringList listed, left;
        QString approval;
        DialogDriver driver;
        // each action checks what it got: a fault meets the wrong box, which is closed
        const auto name = [](const QString &text) {
            return [text](QWidget *d) {
                if (auto *input = qobject_cast<QInputDialog *>(d))
                    input->setTextValue(text);
                static_cast<QDialog *>(d)->done(qobject_cast<QInputDialog *>(d) ? 1 : 0);
            };
        };
        driver.then([&](QWidget *review) {
            auto *table = child<QTableWidget>("tableWidget", review);
            for (int row = 0; row < table->rowCount(); ++row)
                listed << QString("%1 %2 %3 %4")
                              .arg(table->item(row, 0)->text(), table->item(row, 2)->text(),
                                   table->item(row, 3)->text(), table->item(row, 4)->text());
            click("pushButtonApprove", review); // by the maker: refused
            click("pushButtonApprove", review); // by Ana, then signed
            QCOMPARE(table->rowCount(), 1);
            click("pushButtonReturn", review);
            left << QString::number(table->rowCount());
            // zetu.db held by another program: said in place of the list, until read again
            auto *dialog = static_cast<ReviewDialog *>(review);
            for (const char *sql : {"BEGIN EXCLUSIVE", "ROLLBACK"}) {
                other().exec(sql);
                if (QString(sql) == "BEGIN EXCLUSIVE") { // said in the log, with why
                    QTest::ignoreMessage(QtWarningMsg,
                                         QRegularExpression("^cannot read the reviews: .*locked"));
                    InspectionStore::Outcome outcome;
                    ReviewStore::latest(-1, &outcome);
                    QCOMPARE(outcome, InspectionStore::Busy);
                }
                const bool read = dialog->reload();
                left << QString::number(read) +
                            child<QLabel>("labelEmpty", review)->text().section(' ', 0, 2);
            }
            dialog->setRole(TeamRole::Technician);
            for (const char *button : {"pushButtonApprove", "pushButtonReturn", "pushButtonReport"})
                left << QString::number(child(button, review)->isHidden());
            static_cast<QDialog *>(review)->reject();
        });
        driver.then(name(" rita LIMA")).press(QMessageBox::Ok);
        driver.then(name("Ana Física")).press(QMessageBox::Yes);
        driver.then([&](QWidget *report) {
            if (auto *approved = child<QLabel>("labelApproved", report))
                approval = approved->text();
            report->close();
        });
        driver.then([&](QWidget *d) {
            if (!child<QLineEdit>("lineEditWho", d))
                return static_cast<QDialog *>(d)->reject();
            QPushButton *ok = child<QDialogButtonBox>("buttonBox", d)->button(QDialogButtonBox::Ok);
            left << child<QLineEdit>("lineEditWho", d)->text() << QString::number(ok->isEnabled());
            child<QPlainTextEdit>("plainTextEditWhy", d)
                ->setPlainText("Refazer a zona morta\nFantoma saturado");
            ok->click();
        });
        window->findChild<QAction *>("actionReview")->trigger();
        QVERIFY(driver.waitDone());
        QCOMPARE(listed, QStringList({"US-02 (Hospital Central) 02/03/2026 Rita Lima 1 de 2",
                                      "US-01 (Hospital Central) 09/03/2026 José da Silva 1 de 2"}));
        QVERIFY(driver.seen().at(2).text.contains("feita por Rita Lima e não pode ser aprovada"));
        QCOMPARE(approval,
                 "Aprovado por Ana Física em " + QDate::currentDate().toString("dd/MM/yyyy"));
        QCOMPARE(left, QStringList({"Ana Física", "0", "0", "0O arquivo zetu.db",
                                    "1Nenhuma inspeção aguarda", "1", "1", "0"}));
        QCOMPARE(driver.unexpectedCount(), 0);

        // the technician continues the returned one from the history
        WizardFill::selectEquipment(window.data());
        driver.clear();
        QString state;
        driver.then([&](QWidget *history) {
            QTableWidgetItem *item = child<QTableWidget>("tableWidget", history)->item(0, 4);
            const QString tip = item->toolTip();
            state =
                item->text() + " | " + tip.section(" em ", 0, 0) + " | " + tip.section(": ", -1);
            click("pushButtonOpen", history);
        });
        driver.press(QMessageBox::Ok).press(QMessageBox::Ok);
        click("pushButtonHistory");
        QVERIFY(driver.waitDone());
        QCOMPARE(state, QString("Relatório salvo · Devolvido: Refazer a zona morta… | Devolvida "
                                "por Ana Física | Refazer a zona morta\nFantoma saturado"));
        QVERIFY(driver.seen().last().text.contains("Ana Física devolveu esta inspeção"));
        QVERIFY(driver.seen().last().text.contains("Refazer a zona morta"));

        // a technician changes no set and chooses no baseline
        TolerancesDialog sets(1, {"", "", "US-01", "", ""}, "Ana");
        HistoryDialog history({}, "US-01");
        QVERIFY(!child("pushButtonCopy", &sets)->isHidden() &&
                !child("pushButtonBaseline", &history)->isHidden());
        sets.setRole(TeamRole::Technician);
        history.setRole(TeamRole::Technician);
        for (const char *button : {"pushButtonCopy", "pushButtonSave", "pushButtonChoose"})
            QVERIFY(child(button, &sets)->isHidden());
        QVERIFY(!child<QWidget>("groupBoxRule", &sets)->isEnabled());
        QVERIFY(child("pushButtonBaseline", &history)->isHidden());
    }

    // A day: US-01 reported with a photograph (its file and values kept), then the next
    // scanner, "Nova inspeção", or one rating of US-01 changed. The reported one stays as
    // it is; a new one starts from the start values but technician and date, the focus on
    // step 2. Opened from the history, the reported one can be reported again at once.
    void aDayOfInspections_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("button");
        QTest::newRow("next scanner") << 1 << "pushButtonNext";
        QTest::newRow("new inspection") << 0 << "pushButtonNewInspection";
        QTest::newRow("rating changed") << 0 << "pushButtonNext";
    }
    void aDayOfInspections()
    {
        QFETCH(int, row);
        QFETCH(QString, button);
        const bool carried = QByteArray(QTest::currentDataTag()) == "rating changed";
        open();
        window->show();
        WizardFill::makeStepsValid(window.data());
        DialogDriver driver;
        QVERIFY(QImage(64, 48, QImage::Format_RGB32).save("p.png"));
        driver.chooseFile(workDir->file("p.png")).then([&](QWidget *report) {
            driver.chooseFile(workDir->file("laudo.pdf"));
            click("pushButtonSave", report);
            report->close();
        });
        click("pushButton3CaboForca");
        for (const char *go :
             {"Next", "Next", "Next", "Next", "Next", "Next", "Next", "Next", "Report", "Previous",
              "Previous", "Previous", "Previous", "Previous", "Previous", "Previous"})
            click(qPrintable(QString("pushButton") + go));
        QVERIFY(driver.waitDone());
        const StoredInspection reported = InspectionStore::forEquipment(1).value(0);
        QVERIFY(QFileInfo(reported.pdfPath).size() > 0 && reported.technician == "Maria Souza" &&
                reported.started.isValid());
        QCOMPARE(InspectionStore::awaitingReview().value(0).id, reported.id); // filed for review
        child<QTableView>("tableView")->selectRow(row);
        // a change to the reported one is kept as a draft of its own, without a question
        child<QComboBox>("comboBox3cabo")->setCurrentIndex(2);
        click(qPrintable(button));
        if (carried)
            child<QComboBox>("comboBox3cabo")->setCurrentIndex(4);
        QCOMPARE(window->focusWidget(), child<QWidget>("comboBox3cabo"));
        QCOMPARE(child<QComboBox>("comboBox3cabo")->currentIndex(), carried ? 4 : 0);
        for (int part : {1, 0}) // the photograph shown anew, as the part is chosen again
            child<QComboBox>("comboBoxImage")->setCurrentIndex(part);
        QCOMPARE(child<QLabel>("labelEquipPartImg")->pixmap(Qt::ReturnByValue).isNull(), !carried);
        QCOMPARE(child<QLineEdit>("lineTecResp")->text(), QString("Maria Souza"));
        click("pushButtonPrevious");
        child<QTableView>("tableView")->selectRow(0);
        // signed meanwhile; reported again unsigned, its signature goes
        QVERIFY(other().exec("UPDATE inspection SET Inputs = json_set(Inputs, '$.signature', "
                             "json('{\"signer\": \"Carla Dias\"}')) WHERE State = 1"));
        driver.then([&](QWidget *history) {
            auto *table = child<QTableWidget>("tableWidget", history);
            QCOMPARE(table->rowCount(), carried ? 2 : 3 - row);
            table->selectRow(
                table->findItems("Assinado por Carla Dias", Qt::MatchStartsWith).value(0)->row());
            click("pushButtonOpen", history);
        });
        if (carried) // the changed values are in no report
            driver.press(QMessageBox::Yes);
        click("pushButtonHistory");
        QVERIFY(driver.waitDone());
        QCOMPARE(child<QComboBox>("comboBox3cabo")->currentIndex(), 1);
        QVERIFY(child("pushButtonReport")->isEnabled() && !child("pushButtonNext")->isEnabled());
        driver.then([&](QWidget *report) {
            driver.chooseFile(workDir->file("laudo2.pdf"));
            click("pushButtonSave", report);
            report->close();
        });
        click("pushButtonReport");
        QVERIFY(driver.waitDone());
        QCOMPARE(column("SELECT json_extract(Inputs, '$.signature') IS NULL FROM inspection "
                        "WHERE Report LIKE '%laudo2.pdf'"),
                 QStringList("1"));
    }

    // A database that cannot be written (a folder; a read-only folder, the earlier
    // version's table in it), that is no database, or whose `inspection` this version did
    // not make: one notice at start naming it, none later; the file is left byte for
    // byte; the values typed are kept at close in the user's data folder, as is said.
    void unusableDatabase_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("logged");
        QTest::newRow("folder") << ""
                                << "zetu.db não pode ser gravado"
                                << "^cannot open zetu.db: \".+\"";
        QTest::newRow("no database") << ""
                                     << "zetu.db está danificado ou não é um banco"
                                     << "cannot be written: \"no SQLite header";
        QTest::newRow("damaged") << ""
                                 << "zetu.db está danificado ou não é um banco"
                                 << "cannot be written: \"database disk image is malformed";
        QTest::newRow("read-only folder")
            << "CREATE TABLE inspection (ID_key INTEGER primary key, Equipment INTEGER, Started "
               "VARCHAR(30), Changed VARCHAR(30), Technician VARCHAR(80), State INTEGER, Report "
               "VARCHAR(260), Inputs TEXT)"
            << "zetu.db não pode ser gravado ("
            << "cannot be written: \"(Read-only|Permission)";
        QTest::newRow("view") << "CREATE VIEW inspection AS SELECT 1 AS ID_key"
                              << "\"inspection\""
                              << "did not make";
        QTest::newRow("other columns")
            << "CREATE TABLE inspection (ID_key INTEGER primary key, Equipment INTEGER, Note TEXT)"
            << "\"inspection\""
            << "did not make";
        QTest::newRow("later version") << "PRAGMA user_version = 6"
                                       << "\"inspection\""
                                       << "did not make";
    }
    void unusableDatabase()
    {
        QFETCH(QString, sql);
        QFETCH(QString, notice);
        QFETCH(QString, logged);
        const QByteArray tag = QTest::currentDataTag();
        QVERIFY(sql.isEmpty() || other().exec(sql));
        QSqlDatabase::database("other", false).close();
        QFile file("zetu.db");
        QVERIFY(tag != "folder" || (file.remove() && QDir().mkdir("zetu.db")));
        QVERIFY(tag != "no database" || (file.open(QIODevice::WriteOnly) && file.write("z") == 1));
        QVERIFY(tag != "damaged" || (file.open(QIODevice::ReadWrite) && file.seek(100) &&
                                     file.write(QByteArray(3996, 'z')) == 3996));
        file.close();
        if (tag == "read-only folder") {
            QVERIFY(QDir().mkdir("ro") && file.rename("ro/zetu.db") && QDir::setCurrent("ro"));
            readOnly = QDir::currentPath();
            QVERIFY(geteuid()
                        ? QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner)
                        : !QProcess::execute("mount", {"--bind", readOnly, readOnly}) &&
                              !QProcess::execute("mount", {"-o", "remount,bind,ro", readOnly}));
        }
        const auto contents = [&] { // where a scanner may be removed: the schema
            QFile db("zetu.db");
            const QByteArray bytes = db.open(QIODevice::ReadOnly) ? db.readAll() : QByteArray();
            return bytes.startsWith("SQLite") && readOnly.isEmpty()
                       ? column("SELECT sql || (SELECT user_version FROM pragma_user_version) "
                                "FROM sqlite_master")
                             .join('\n')
                             .toUtf8()
                       : bytes;
        };
        const QByteArray before = contents();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(logged));
        open();
        DialogDriver driver;
        for (int i = 0; i < 5; ++i) // a scanner is removed alone: no inspections kept
            driver.press(QMessageBox::Ok);
        window->resumeAtStart();
        WizardFill::makeStepsValid(window.data());
        click("pushButtonNext");
        click(sql.isEmpty() ? "pushButtonPrevious" : "pushButtonHistory");
        click("pushButtonDeleteRecord");
        window->close();
        QCOMPARE(contents(), before);
        QStringList texts;
        for (const SeenDialog &seen : driver.seen())
            texts << seen.text;
        // the history says it again where it cannot be read
        QVERIFY2(texts.first().contains(notice) &&
                     texts.filter(notice).size() == 1 + notice.startsWith('"'),
                 qPrintable(texts.join('|')));
        QVERIFY(sql.isEmpty() || texts.contains("Tem certeza que deseja remover o registro?"));
        const QString kept = InspectionStore::personalRecoveryFile();
        QVERIFY(texts.first().contains(kept) && texts.last().contains(kept));
        QCOMPARE(InspectionStore::readRecovery(kept).value(0).technician, QString("Maria Souza"));
        if (!sql.isEmpty() && readOnly.isEmpty())
            QCOMPARE(column("SELECT ID FROM usequip"), QStringList("US-02"));
    }
    void cleanup()
    {
        if (readOnly.isEmpty())
            return;
        window.reset(); // lets go of the file
        QDir::setCurrent(workDir->path());
        if (geteuid() == 0)
            QProcess::execute("umount", {"-l", readOnly});
        QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        readOnly.clear();
    }

    // From step 1 (enabled once a scanner is chosen): TG-128, built in, not editable,
    // copied; the copy's rules of each kind changed and kept as version 2, version 1 read
    // as it was; the copy chosen for US-01, the window told. Every change is signed with
    // the technician's name and listed in the audit trail, newest first; its rows sort and
    // copy as text.
    void toleranceSets()
    {
        const auto restore = qScopeGuard([before = QLocale()] { QLocale::setDefault(before); });
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); // as main() sets it
        open();
        InspectionStore::prepare();
        child<QTableView>("tableView")->selectionModel()->clear();
        QVERIFY(!child("pushButtonTolerances")->isEnabled());
        WizardFill::selectEquipment(window.data());
        QSignalSpy changed(window->findChild<ToleranceChoice *>(),
                           &ToleranceChoice::toleranceSetChanged);
        DialogDriver driver;
        QStringList seen;
        const auto kind = [this](QWidget *d, int kind) {
            auto *box = child<QComboBox>("comboBoxKind", d);
            box->setCurrentIndex(box->findData(kind));
        };
        const auto value = [this](QWidget *d, const char *box, double value) {
            child<QDoubleSpinBox>(box, d)->setValue(value);
        };
        // Copy, Save and Choose enabled (1) or not; the lower bound as it can be typed
        const auto state = [this](QWidget *d) {
            QString text;
            for (const char *button : {"pushButtonCopy", "pushButtonSave", "pushButtonChoose"})
                text += QString::number(child(button, d)->isEnabled());
            auto *lower = child<QDoubleSpinBox>("doubleSpinBoxLower", d);
            return text + ' ' + (lower->isVisibleTo(d) && lower->isEnabled() ? lower->text() : "-");
        };
        driver.then([&](QWidget *d) { // nothing changed yet
            seen << QString::number(!child<QLabel>("labelEmpty", d)->isHidden());
            d->close();
        });
        child<QAction>("actionToleranceAudit")->trigger();
        tolerances(
            [&](QWidget *d) {
                auto *list = child<QListWidget>("listWidgetSets", d);
                auto *table = child<QTableWidget>("tableWidgetRules", d);
                seen << state(d);
                list->setCurrentRow(1);
                seen << table->item(8, 1)->text() << table->item(4, 1)->text() << state(d);
                QVERIFY(!child<QWidget>("groupBoxRule", d)->isEnabled());
                click("pushButtonCopy", d);
                table->setCurrentCell(int(Rule::Penetration), 0);
                value(d, "doubleSpinBoxAmount", 15);
                child<QComboBox>("comboBoxUnit", d)->setCurrentIndex(1);
                table->setCurrentCell(int(Rule::VerticalMean), 0);
                value(d, "doubleSpinBoxPercent", 1.5);
                value(d, "doubleSpinBoxUnits", 1.5);
                table->setCurrentCell(int(Rule::HorizontalMean), 0);
                kind(d, ToleranceRule::Range);
                child<QCheckBox>("checkBoxOriginal", d)->setChecked(false);
                value(d, "doubleSpinBoxLower", 9.9);
                value(d, "doubleSpinBoxUpper", 10.1);
                seen << state(d);
                table->setCurrentCell(int(Rule::Area), 0);
                kind(d, -1);
                table->setCurrentCell(int(Rule::AxialResolution), 0);
                kind(d, ToleranceRule::Range);
                seen << table->item(5, 1)->text() << table->item(7, 1)->text() << state(d);
                click("pushButtonSave", d);
                click("pushButtonChoose", d);
                for (int row = 0; row < list->count(); ++row)
                    seen << list->item(row)->text();
                seen << child<QLabel>("labelInUse", d)->text()
                     << child<QLabel>("labelBuiltIn", d)->text();
                click("pushButtonAudit", d);
            },
            {[](QWidget *d) {
                 static_cast<QInputDialog *>(d)->setTextValue("Clínica");
                 static_cast<QDialog *>(d)->accept();
             },
             sign("cópia para o novo fantoma"), sign("após reparo\nda sonda"),
             sign("usar a clínica"),
             [&](QWidget *d) {
                 seen << QString::number(child<QTableView>("tableView", d)->model()->rowCount());
                 d->close();
             }},
            driver);
        QCOMPARE(seen, QStringList({"1", "100 -", "até 10 mm da linha de base",
                                    "até 2 % ou 2 mm de 10 mm, o que for maior", "101 -",
                                    "111 9,900 mm", "entre 9,9 e 10,1 mm", "não julgado", "111 -",
                                    "Regras originais (embutido)", "AAPM TG-128 (embutido)",
                                    "✓ Clínica (v2)", "Em uso no equipamento US-01: Clínica (v2).",
                                    "Escolha uma regra para mudar seus números; as alterações "
                                    "são guardadas como a versão 3.",
                                    "3"}));
        QCOMPARE(signedWho, QString("Ana"));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first().first().toInt(), 1);
        QCOMPARE(QPoint(ToleranceStore::chosenSet(1), ToleranceStore::chosenSet(2)), QPoint(3, 1));
        ToleranceSet first, second;
        QVERIFY(ToleranceStore::set(3, 1, &first) && ToleranceStore::set(3, 2, &second));
        QCOMPARE(words(first), words(ToleranceSet::tg128()));
        QCOMPARE(words(second), "regra original | regra original | regra original | até 1 mm da "
                                "linha de base | até 1.5 % ou 1.5 mm de 10 mm, o que for maior | "
                                "entre 9.9 e 10.1 mm | regra original | - | até 15 % da linha "
                                "de base");

        QStringList copied;
        driver.then([&](QWidget *d) {
            auto *view = child<QTableView>("tableView", d);
            copied << view->model()->index(1, 3).data(Qt::ToolTipRole).toString(); // whole
            seen = QStringList{QString::number(!child<QLabel>("labelEmpty", d)->isHidden())};
            for (int column : {-1, 2}) { // as listed, then by what was done
                if (column >= 0)
                    view->sortByColumn(column, Qt::AscendingOrder);
                seen << QString::number(child("pushButtonCopy", d)->isEnabled());
                view->selectAll();
                QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
                copied << QApplication::clipboard()->text();
            }
            d->close();
        });
        child<QAction>("actionToleranceAudit")->trigger();
        QVERIFY(driver.waitDone());
        QCOMPARE(copied.takeFirst() + seen.join(""), "após reparo\nda sonda001");
        const QStringList lines = copied.join('\n').split('\n');
        QCOMPARE(lines.size(), 6);
        QStringList rows;
        for (const QString &line : lines) {
            QVERIFY2(QRegularExpression("^\\d\\d/\\d\\d/20\\d\\d \\d\\d:\\d\\d\tAna\t")
                         .match(line)
                         .hasMatch(),
                     qPrintable(line));
            rows << line.section('\t', 2);
        }
        const QString chosen =
            "Equipamento US-01 julgado pelo conjunto Clínica (v2)\tusar a clínica";
        const QString edited = "Conjunto alterado: Clínica (v2)\tapós reparo da sonda";
        const QString added = "Conjunto \"Clínica\" criado a partir de \"AAPM TG-128 (v1)\"\tcópia "
                              "para o novo fantoma";
        QCOMPARE(rows, QStringList({chosen, edited, added, added, edited, chosen}));
    }
    // Refused with one box saying why, nothing kept: a change without a reason (OK stays
    // disabled), bounds the wrong way round, a name taken, a busy file. A version another
    // copy kept meanwhile is followed by this one's once agreed; unsaved numbers are
    // asked about before they go.
    void toleranceRefusals_data()
    {
        QTest::addColumn<QString>("said"); // in the boxes, parts split by |; empty: none
        QTest::addColumn<int>("audited");  // lines the trail gains
        QTest::newRow("no reason") << "" << 0;
        QTest::newRow("bounds reversed") << "Média vertical não pode ser salva: o mínimo" << 0;
        QTest::newRow("name taken") << "Já existe um conjunto chamado \"clínica\"" << 0;
        QTest::newRow("busy") << "não pôde ser escolhido: o banco de dados está ocupado, tente "
                                 "de novo."
                              << 0;
        QTest::newRow("table gone")
            << "não pôde ser escolhido: no such table: tolerancechoice" << 0;
        QTest::newRow("busy at opening")
            << "Os conjuntos não puderam ser lidos: o banco de dados está ocupado, tente de novo.|"
               "O registro de alterações não pôde ser lido: o banco de dados está ocupado"
            << 0;
        QTest::newRow("later version elsewhere")
            << "salvou a versão 2 de \"Clínica\" enquanto ele era editado aqui. Salvar as regras "
               "daqui como a versão 3?"
            << 2;
        QTest::newRow("unsaved numbers") << "\"Clínica\" não foram salvas" << 0;
    }
    void toleranceRefusals()
    {
        QFETCH(QString, said);
        QFETCH(int, audited);
        const QByteArray tag = QTest::currentDataTag();
        if (tag == "busy" || tag == "table gone" || tag.startsWith("later"))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(tag.startsWith("later")
                                                                      ? "^tolerance set 3 is at"
                                                                      : "^cannot choose"));
        open();
        InspectionStore::prepare();
        WizardFill::selectEquipment(window.data());
        ToleranceSet copy = ToleranceSet::tg128();
        copy.name = "Clínica";
        QCOMPARE(ToleranceStore::addSet(copy, "", {"Bia", "início"}), InspectionStore::Done);
        const auto answer = [](QMessageBox::StandardButton button) -> DialogDriver::Action {
            return [button](QWidget *d) { static_cast<QMessageBox *>(d)->button(button)->click(); };
        };
        const QMap<QByteArray, QList<DialogDriver::Action>> answers{
            {"no reason", {sign("")}},
            {"bounds reversed", {answer(QMessageBox::Ok), answer(QMessageBox::Discard)}},
            {"name taken",
             {[](QWidget *d) {
                  static_cast<QInputDialog *>(d)->setTextValue(" clínica ");
                  static_cast<QDialog *>(d)->accept();
              },
              answer(QMessageBox::Ok)}},
            {"busy", {sign("porque sim"), answer(QMessageBox::Ok)}},
            {"table gone", {sign("porque sim"), answer(QMessageBox::Ok)}},
            {"later version elsewhere", {sign("porque sim"), answer(QMessageBox::Yes)}},
            {"unsaved numbers", {answer(QMessageBox::Cancel), answer(QMessageBox::Discard)}}};
        QSignalSpy changed(window->findChild<ToleranceChoice *>(),
                           &ToleranceChoice::toleranceSetChanged);
        DialogDriver driver;
        if (tag == "busy at opening") { // each dialog says so once shown
            QVERIFY(other().exec("BEGIN EXCLUSIVE"));
            TolerancesDialog sets(1, {"", "", "US-01", "", ""}, "Ana");
            AuditDialog trail;
            driver.press(QMessageBox::Ok).press(QMessageBox::Ok);
            sets.show();
            trail.show();
            QVERIFY(driver.waitDone());
        } else
            tolerances(
                [&](QWidget *d) {
                    auto *list = child<QListWidget>("listWidgetSets", d);
                    list->setCurrentRow(tag == "name taken" ? 0 : 2);
                    if (tag == "bounds reversed") {
                        child<QTableWidget>("tableWidgetRules", d)
                            ->setCurrentCell(int(Rule::VerticalMean), 0);
                        auto *box = child<QComboBox>("comboBoxKind", d);
                        box->setCurrentIndex(box->findData(0));
                        child<QCheckBox>("checkBoxOriginal", d)->setChecked(false);
                        child<QDoubleSpinBox>("doubleSpinBoxLower", d)->setValue(10.1);
                        child<QDoubleSpinBox>("doubleSpinBoxUpper", d)->setValue(9.9);
                    } else if (tag.startsWith("later") || tag.startsWith("unsaved")) {
                        child<QTableWidget>("tableWidgetRules", d)
                            ->setCurrentCell(int(Rule::Penetration), 0);
                        child<QDoubleSpinBox>("doubleSpinBoxAmount", d)->setValue(12);
                    }
                    ToleranceSet later = copy; // kept by another copy meanwhile
                    QVERIFY(!tag.startsWith("later") ||
                            ToleranceStore::changeSet(later, {"Caio", "outra"}) ==
                                InspectionStore::Done);
                    QVERIFY(tag != "busy" || other().exec("BEGIN EXCLUSIVE"));
                    QVERIFY(tag != "table gone" || other().exec("DROP TABLE tolerancechoice"));
                    if (tag == "no reason" || tag == "busy" || tag == "table gone")
                        click("pushButtonChoose", d);
                    else if (tag == "name taken")
                        click("pushButtonCopy", d);
                    else if (tag != "unsaved numbers")
                        click("pushButtonSave", d);
                    list->setCurrentRow(0); // kept, or asked about and refused
                    QCOMPARE(list->currentRow(), tag == "unsaved numbers" ? 2 : 0);
                    static_cast<QDialog *>(d)->reject();
                    QVERIFY(d->isHidden());
                },
                answers.value(tag), driver);
        other().exec("ROLLBACK");
        QCOMPARE(driver.unexpectedCount(), 0);
        QStringList texts;
        for (const SeenDialog &seen : driver.seen())
            texts << seen.text;
        for (const QString &part : said.split('|', Qt::SkipEmptyParts))
            QVERIFY2(texts.join('|').contains(part), qPrintable(texts.join('|')));
        QVERIFY(!said.isEmpty() || driver.seen().last().title == "Registrar alteração");
        QCOMPARE(ToleranceStore::auditTrail().size(), 1 + audited);
        QCOMPARE(changed.size(), int(audited > 0)); // a new version of a set
        QCOMPARE(ToleranceStore::chosenSet(1), qint64(ToleranceSet::OriginalId));
        ToleranceSet kept;
        QCOMPARE(ToleranceStore::set(3, 3, &kept), audited > 0);
        QVERIFY(!audited || kept.ruleFor(Rule::Penetration)->amount == 12);
    }
    // Series: result * 2 + column. Points: value, mark (+ pass, - fail, . not judged, ? no
    // baseline), limits, and under a change or deviation the baseline ("b").
    void series_data()
    {
        QTest::addColumn<int>("series");
        QTest::addColumn<QString>("points");
        // clang-format off
        QTest::newRow("dead zone, limit per frequency") << 0 << "3- nan..2, 3+ nan..3, 1+ nan..1, 2. nan..nan";
        QTest::newRow("a text for a choice") << 1 << "4- nan..3";
        QTest::newRow("axial below 0.5 mm") << 2 << "0.5+ nan..0.5, 1+ nan..1";
        QTest::newRow("depth not judged, past its range") << 6 << "118. nan..nan";
        QTest::newRow("vertical mean") << 10 << "10.01+ 9.985..10.015, 10.03- 9.985..10.015, 10+ 9.985..10.015";
        QTest::newRow("TG-128 penetration") << 6 + 100 << "120? nan..nan, 105- 110..130 b120, 118+ 110..130 b120";
        QTest::newRow("TG-128 vertical mean") << 10 + 100 << "10.01+ 8..12 bnan, 10.01+ 8..12 bnan, 10.01+ 8..12 bnan";
        QTest::newRow("TG-128 axial") << 2 + 100 << "0.5? nan..nan, 0.5+ -0.5..1.5 b0.5, 0.5+ -0.5..1.5 b0.5";
        // clang-format on
    }
    void series()
    {
        QFETCH(int, series); // past 100: of the inspections under TG-128
        const TrendData data = trendData(series < 100 ? stored : underTg128(), true);
        QCOMPARE(QPoint(trendData(stored, false).inspections, trendData(stored, true).unreadable),
                 QPoint(3, 1));
        QStringList points;
        for (const TrendPoint &p : data.series.value(series % 100).points)
            points << QString::asprintf("%g%c %g..%g", p.value, "+-.?"[p.verdict], p.lower,
                                        p.upper) +
                          (p.band ? QString(" b%1").arg(p.baseline) : QString());
        QTEST(points.join(", "), "points");
    }
    // One report and a draft give a text until drafts count, a result none has another.
    // Three: a busy history list, then filled; the dead zone's steps and crosses; the
    // vertical mean's two limits, one named, room around them, hover text and note.
    void dialog()
    {
        TrendDialog few(stored.mid(2, 2), QStringLiteral("US-01"), {});
        auto *message = few.findChild<QLabel *>("labelMessage");
        QCOMPARE(message->text(), "Há apenas uma inspeção de US-01, de 02/01/2025. A tendência "
                                  "aparece a partir da segunda inspeção. Marque \"Incluir "
                                  "inspeções não concluídas\" para ver também os rascunhos.");
        QVERIFY(!few.findChild<QComboBox *>("comboBoxResult")->isEnabled() &&
                !TrendDialog(stored.mid(0, 1), "", {})
                     .findChild<QLabel *>("labelMessage")
                     ->text()
                     .contains("Marque"));
        few.findChild<QCheckBox *>()->setChecked(true);
        few.findChild<QComboBox *>("comboBoxResult")->setCurrentIndex(int(TrendResult::FocalZone));
        QVERIFY(message->text().startsWith("Nenhuma inspeção de US-01"));
        QCOMPARE(few.findChild<QStackedWidget *>()->currentIndex(), 1);
        few.findChild<QComboBox *>("comboBoxResult")->setCurrentIndex(int(TrendResult::DeadZone));

        HistoryDialog history({}, QStringLiteral("US-01"));
        auto *empty = history.findChild<QLabel *>("labelEmpty");
        const QString none = empty->text();
        history.showBusy("zetu.db");
        QVERIFY(empty->text() == "zetu.db" && !empty->isHidden());
        history.setInspections(stored);
        auto *remove = history.findChild<QPushButton *>("pushButtonDelete");
        QVERIFY(empty->text() == none && empty->isHidden() && remove->isEnabled());
        history.setInspections({});
        QVERIFY(!empty->isHidden() && !remove->isEnabled());

        TrendDialog dialog(stored.mid(0, 3), QStringLiteral("US-01"), {});
        QtCharts::QChartView *view = dialog.findChild<QtCharts::QChartView *>();
        const auto chart = [&view] { // each series: name (* out of the legend), pen, points
            QStringList text;
            for (auto *s : view->chart()->series()) {
                auto *xy = static_cast<QtCharts::QXYSeries *>(s);
                text << s->name() +
                            (view->chart()->legend()->markers(s)[0]->isVisible() ? " " : "* ") +
                            QString::number(xy->pen().widthF() * s->attachedAxes().size());
                for (const QPointF &p : xy->points())
                    text.last() +=
                        QDateTime::fromMSecsSinceEpoch(qint64(p.x())).toString(" yyMMdd:") +
                        QString::number(p.y());
            }
            return text.join("; ");
        };
        QCOMPARE(chart(),
                 QString("Atenuação de 0,5 dB 6.25 230510:3 240510:3 250102:1; Atenuação de 0,7 dB "
                         "3.125 240510:4; Limite 3 230403:2 240510:2 240510:3 250102:3 250102:1 "
                         "250207:1; Reprovado* 2 230510:3 240510:4"));
        view = few.findChild<QtCharts::QChartView *>(); // one date: a day either side
        QCOMPARE(chart(), QString("Atenuação de 0,5 dB 6.25 250102:1 250102:2; Limite 3 250101:1 "
                                  "250103:1; Reprovado* 2"));
        view = dialog.findChild<QtCharts::QChartView *>();
        auto *crosses = static_cast<QtCharts::QScatterSeries *>(view->chart()->series().last());
        const QImage cross = crosses->brush().textureImage();
        QString ink = QString::number(crosses->markerSize());
        for (QPoint p : {QPoint(7, 7), {3, 3}, {10, 3}, {3, 10}, {10, 10}, {7, 2}, {2, 7}, {0, 0}})
            ink += cross.pixelColor(p) == QColor(200, 0, 0) ? "x" : ".";
        QCOMPARE(ink, QString("14xxxxx..."));
        auto *y = static_cast<QtCharts::QValueAxis *>(view->chart()->axes(Qt::Vertical).value(0));
        QCOMPARE(y->labelFormat() + QString::number(y->min()), "%g0");

        dialog.findChild<QComboBox *>("comboBoxResult")
            ->setCurrentIndex(int(TrendResult::VerticalMean));
        QCOMPARE(
            chart(),
            QString("Atenuação de 0,5 dB 6.25 230510:10.01 240510:10.03; Limite 3 230418:9.985 "
                    "240510:9.985 240510:9.985 240531:9.985; Limite* 3 230418:10.015 240510:"
                    "10.015 240510:10.015 240531:10.015; Reprovado* 2 240510:10.03"));
        auto *line = static_cast<QtCharts::QXYSeries *>(view->chart()->series()[0]);
        dialog.setLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
        emit line->hovered(line->at(1), true);
        QCOMPARE(
            QToolTip::text(),
            "Atenuação de 0,5 dB\n10/05/2024: 10,03 mm, reprovado (limites 9,985 e 10,015 mm)");
        y = static_cast<QtCharts::QValueAxis *>(view->chart()->axes(Qt::Vertical).value(0));
        QVERIFY(y->labelFormat() == "%.3f" && y->min() < 9.985 && y->max() > 10.03);
        const QString note = dialog.findChild<QLabel *>("labelNote")->text();
        QVERIFY(note.contains("A média passa") && note.endsWith("deixados de fora."));

        // Under TG-128: the band from the first inspection judged against the baseline, the
        // baseline through it, one cross; the baseline inspection itself is no failure.
        TrendDialog banded(underTg128(), QStringLiteral("US-01"), {});
        banded.setLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
        banded.findChild<QComboBox *>("comboBoxResult")
            ->setCurrentIndex(int(TrendResult::MaxPenetration));
        view = banded.findChild<QtCharts::QChartView *>();
        QStringList drawn;
        for (auto *s : view->chart()->series()) {
            const auto *area = qobject_cast<QtCharts::QAreaSeries *>(s);
            const auto *xy = area ? area->lowerSeries() : static_cast<QtCharts::QXYSeries *>(s);
            drawn
                << s->name() +
                       QDateTime::fromMSecsSinceEpoch(qint64(xy->at(0).x())).toString(" yyMMdd:") +
                       QString::number(xy->at(0).y()) +
                       (area ? ".." + QString::number(area->upperSeries()->at(0).y()) : "") + " " +
                       QString::number(xy->count());
        }
        QCOMPARE(drawn.join("; "),
                 "Faixa de tolerância 250701:110..130 4; Atenuação de 0,5 dB "
                 "250610:120 3; Linha de base 250701:120 4; Reprovado 250701:105 1");
        line = static_cast<QtCharts::QXYSeries *>(view->chart()->series()[1]);
        emit line->hovered(line->at(0), true);
        QCOMPARE(QToolTip::text(), "Atenuação de 0,5 dB\n10/06/2025: 120 mm, sem linha de base");
        emit line->hovered(line->at(1), true);
        QVERIFY(
            QToolTip::text().endsWith("reprovado (linha de base 120 mm, limites 110 e 130 mm)"));
    }
};

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
