// A team on one PostgreSQL server: the store cases of zetu.db run on both engines from
// one table; a window on the server sees another client's change, keeps its values
// while the server is stopped and writes them once it is back; a technician is refused
// what only a physicist may do; a laptop's zetu.db sent twice adds nothing the second
// time.

#include "history/inspectionstore.h"
#include "history/reviewstore.h"
#include "history/servercopy.h"
#include "history/tolerancestore.h"
#include "history/transducerstore.h"
#include "history/trenddialog.h"
#include "registry/database.h"
#include "registry/serverwatch.h"
#include "registry/sqldialect.h"
#include "registry/storeerror.h"
#include "registry/storetext.h"
#include "registry/teamschema.h"
#include "wizard/datafiles.h"
#include "wizard/mainwindow.h"

#include "dialogdriver.h"
#include "pgserver.h"
#include "wizardfill.h"
#include "workdir.h"

#include <QtTest>
#include <QtWidgets>

using InspectionStore::Done;
using InspectionStore::Failed;

// Every message logged while the suite runs, passed on to QtTest's own handler.
QStringList logged;
QtMessageHandler testHandler = nullptr;
void keepMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    logged << text;
    testHandler(type, context, text);
}

class TstTeam : public QObject
{
    Q_OBJECT

    PgServer pg;
    bool serverUp = false;
    int databases = 0;
    QScopedPointer<WorkDir> workDir;
    QScopedPointer<MainWindow> window;
    QScopedPointer<DataBase> dataBase;
    const QStringList record = {"Hospital Central", "Radiologia", "US-01", "Logiq", "GE"};

    // A new database on the server, for one case.
    QString freshDatabase()
    {
        const QString name = QString("zetu%1").arg(++databases);
        return pg.admin({"CREATE DATABASE " + name}) ? name : QString();
    }
    // The program's connection on `engine` ("sqlite": zetu.db in the case's folder;
    // "server": a new database, as its owner), its tables made ready.
    bool open(const QString &engine, const QString &user = "zetu_admin", QString name = QString())
    {
        dataBase.reset();
        QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
        dataBase.reset(new DataBase);
        if (engine == "sqlite")
            dataBase->openDataBase("zetu.db");
        else if (!dataBase->openServer(pg.settings(user, name.isEmpty() ? freshDatabase() : name)))
            return false;
        return dataBase->prepareRegistry() == DataBase::Ready && InspectionStore::prepare() == Done;
    }
    static int addScanner(const QStringList &fields)
    {
        QSqlQuery query;
        runBound(query,
                 "INSERT INTO usequip (Institution, Place, ID, Model, Manufacturer) VALUES "
                 "(?, ?, ?, ?, ?)" +
                     SqlDialect::returningKey(),
                 {fields[0], fields[1], fields[2], fields[3], fields[4]});
        return int(SqlDialect::insertedKey(query));
    }
    static StoredInspection draft(int key, int minute,
                                  StoredInspection::State state = StoredInspection::Draft)
    {
        StoredInspection stored;
        stored.equipmentKey = key;
        stored.state = state;
        stored.started = stored.changed = QDateTime(QDate(2025, 1, 31), QTime(9, minute));
        stored.technician = "Ana";
        stored.values = {{"calendarWidget", "2025-01-31"}, {"lineTecResp", "Ana"}};
        return stored;
    }
    // A statement's first value, on a connection of its own to database `name`.
    QVariant serverValue(const QString &name, const QString &sql)
    {
        QVariant value;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", "zetu-test-read");
            pg.settings("zetu_admin", name).apply(db, 0);
            QSqlQuery query(db);
            if (db.open() && query.exec(sql) && query.next())
                value = query.value(0);
            db.close();
        }
        QSqlDatabase::removeDatabase("zetu-test-read");
        return value;
    }
    // A window in the case's folder working on database `name` as `user`, with the
    // settings `database` of group [Database] besides.
    void openWindow(const QString &name, const QString &user = "zetu_admin",
                    const QVariantMap &database = {})
    {
        QSettings ini("zetu.ini", QSettings::IniFormat);
        ini.setValue("Translations/Language", "pt_BR");
        pg.writeIni(&ini, user, name);
        for (auto it = database.begin(); it != database.end(); ++it)
            ini.setValue("Database/" + it.key(), it.value());
        ini.sync();
        window.reset(new MainWindow(0));
    }
    // A new database with a scanner and its transducer, left open for the case to add to;
    // empty when it cannot be made.
    QString databaseWithTransducer(Transducer *transducer)
    {
        const QString name = freshDatabase();
        if (!open("server", "zetu_admin", name))
            return QString();
        transducer->equipmentKey = addScanner(record);
        transducer->model = "C5-1";
        return TransducerStore::save(*transducer, record) == Done ? name : QString();
    }
    // The case's connection closed, a window shown on database `name`.
    void showWindow(const QString &name)
    {
        dataBase.reset();
        QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
        openWindow(name);
        window->show();
        window->resumeAtStart();
    }
    // A database with one scanner, made by its owner, no connection left open.
    QString databaseWithScanner()
    {
        const QString name = freshDatabase();
        if (!open("server", "zetu_admin", name) || addScanner(record) <= 0)
            return QString();
        dataBase.reset();
        QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
        return name;
    }
    QLabel *serverLine() { return window->findChild<QLabel *>("labelServer"); }

private slots:
    void initTestCase()
    {
        testHandler = qInstallMessageHandler(keepMessage);
        serverUp = pg.start(PgServer::WithTls);
        QVERIFY2(serverUp || !pg.skipReason.isEmpty(), qPrintable(pg.failure));
        // the roles exist before any database is made, as on a team's server
        QVERIFY(!serverUp || pg.admin({"CREATE ROLE zetu_technician NOLOGIN",
                                       "CREATE ROLE zetu_physicist NOLOGIN",
                                       "CREATE ROLE ana LOGIN IN ROLE zetu_technician",
                                       "CREATE ROLE paulo LOGIN IN ROLE zetu_physicist",
                                       "CREATE ROLE " + PgServer::passwordUser +
                                           " LOGIN PASSWORD 'segredo' IN ROLE zetu_physicist"}));
    }
    void init()
    {
        window.reset();
        dataBase.reset();
        QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
        workDir.reset(new WorkDir);
        QVERIFY(!serverUp || pg.isRunning() || pg.up()); // after a case that failed while down
        InspectionStore::setStaleClaimTime(InspectionStore::staleClaimSeconds * 1000);
    }
    void cleanupTestCase()
    {
        window.reset();
        dataBase.reset();
        QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
        pg.stop();
    }

    // The same cases on zetu.db and on the server: a stale revision kept as a row of its
    // own; a draft claimed by one copy not offered to another; a due date a month on
    // from 31 January; sets changed in versions, chosen, with their audit trail.
    void stores_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("scenario");
        for (const char *engine : {"sqlite", "server"}) {
            for (const char *scenario : {"revision", "claims", "due", "tolerances"})
                QTest::addRow("%s %s", engine, scenario) << engine << scenario;
        }
    }
    void stores()
    {
        QFETCH(QString, engine);
        QFETCH(QString, scenario);
        if (engine == "server" && !serverUp)
            QSKIP(qPrintable(pg.skipReason));
        QVERIFY(open(engine));
        QCOMPARE(SqlDialect::onServer(), engine == "server");
        QCOMPARE(StoreText::busy().contains("servidor da equipe"), engine == "server");
        const int key = addScanner(record);
        QVERIFY(key > 0);
        if (scenario == "revision") {
            StoredInspection first = draft(key, 0), stale;
            QCOMPARE(InspectionStore::save(first, "A"), Done);
            QVERIFY(first.id > 0);
            stale = first;
            first.values["lineTecResp"] = "Ana Maria";
            QCOMPARE(InspectionStore::save(first, "A"), Done);
            QCOMPARE(first.revision, 1);
            bool copied = false;
            QCOMPARE(InspectionStore::save(stale, "B", &copied), Done);
            QVERIFY(copied && stale.id != first.id);
            const auto rows = InspectionStore::forEquipment(key);
            QCOMPARE(rows.size(), 2);
            QCOMPARE(rows[0].values["lineTecResp"].toString() +
                         rows[1].values["lineTecResp"].toString(),
                     stale.id > first.id ? "AnaAna Maria" : "Ana MariaAna");
        } else if (scenario == "claims") {
            StoredInspection older = draft(key, 0), newer = draft(key, 5), got;
            QCOMPARE(InspectionStore::save(older), Done);
            QCOMPARE(InspectionStore::save(newer), Done);
            QVERIFY(InspectionStore::latestDraft(&got, "A"));
            QCOMPARE(got.id, newer.id);
            QVERIFY(InspectionStore::latestDraft(&got, "B")); // A's is not offered
            QCOMPARE(got.id, older.id);
            QCOMPARE(InspectionStore::claim(newer.id, "B"), Failed);
            InspectionStore::release(newer.id, "A");
            QCOMPARE(InspectionStore::claim(newer.id, "B"), Done);
            QSqlQuery heartbeat; // timed by the server's clock where there is one
            QVERIFY(heartbeat.exec("SELECT Heartbeat FROM inspection WHERE Owner = 'B'"));
            QVERIFY(heartbeat.next() &&
                    qAbs(heartbeat.value(0).toLongLong() - SqlDialect::now()) < 60);
        } else if (scenario == "due") {
            Transducer transducer;
            transducer.equipmentKey = key;
            transducer.model = "C5-1";
            transducer.intervalMonths = 1;
            QCOMPARE(TransducerStore::save(transducer, record), Done);
            StoredInspection reported = draft(key, 0, StoredInspection::Reported);
            reported.transducerKey = transducer.key;
            QCOMPARE(InspectionStore::save(reported), Done);
            const int idle = addScanner({"Hospital Central", "UTI", "US-02", "Voluson", "GE"});
            const auto due = TransducerStore::dueByScanner(QDate(2025, 3, 1));
            QCOMPARE(due[key].next, QDate(2025, 2, 28));
            QCOMPARE(due[key].overdue, 1);
            QSqlQuery order;
            QVERIFY(order.exec("SELECT ID_key, " + TransducerStore::nextDateOrder() +
                               " FROM usequip ORDER BY 2, ID_key"));
            QStringList listed;
            while (order.next())
                listed << order.value(0).toString() + " " + order.value(1).toString();
            QCOMPARE(listed, QStringList({QString("%1 2025-02-28").arg(key),
                                          QString("%1 9999-12-31").arg(idle)}));
            bool retired = false;
            QCOMPARE(TransducerStore::remove(transducer.key, &retired), Done);
            QVERIFY(retired);
        } else {
            const ToleranceStore::Signed by{"Paulo", "revisão anual"};
            ToleranceSet set = ToleranceSet::tg128();
            set.name = "Serviço";
            QCOMPARE(ToleranceStore::addSet(set, "TG-128", by), Done);
            set.name = "Serviço 2";
            QCOMPARE(ToleranceStore::changeSet(set, by), Done);
            QCOMPARE(set.version, 2);
            QCOMPARE(ToleranceStore::chooseSet(key, record, set, by), Done);
            QCOMPARE(ToleranceStore::setForScanner(key).name, QString("Serviço 2"));
            QCOMPARE(ToleranceStore::sets().size(), 3);
            QCOMPARE(ToleranceStore::auditTrail().size(), 3);
        }
    }

    // What a technician may not do the server refuses, with a message that says so; the
    // role is read from the server, and the same database gives a physicist every right.
    void rights_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("role");
        QTest::addColumn<int>("inserted"); // a review's state inserted as it is
        QTest::newRow("technician") << "ana"
                                    << "technician" << int(ReviewStore::Review::Awaiting);
        QTest::newRow("technician inserts an approval")
            << "ana"
            << "technician" << int(ReviewStore::Review::Approved);
        QTest::newRow("technician inserts a return")
            << "ana"
            << "technician" << int(ReviewStore::Review::Returned);
        QTest::newRow("physicist") << "paulo"
                                   << "physicist" << int(ReviewStore::Review::Approved);
        QTest::newRow("owner") << "zetu_admin"
                               << "physicist" << int(ReviewStore::Review::Approved);
    }
    void rights()
    {
        QFETCH(QString, user);
        QFETCH(QString, role);
        QFETCH(int, inserted);
        if (!serverUp)
            QSKIP(qPrintable(pg.skipReason));
        const QString name = freshDatabase();
        QVERIFY(open("server", "zetu_admin", name)); // the owner makes the schema
        const int key = addScanner(record);
        QVERIFY(open("server", user, name));
        QCOMPARE(DataBase::teamRole(), role);
        StoredInspection mine = draft(key, 0);
        QCOMPARE(InspectionStore::save(mine, "A"), Done); // every role writes inspections
        ToleranceSet set = ToleranceSet::tg128();
        set.name = "Serviço";
        const auto outcome = ToleranceStore::addSet(set, "TG-128", {"Ana", "teste"});
        QCOMPARE(outcome, role == "technician" ? Failed : Done);
        QCOMPARE(outcome == Failed && ToleranceStore::lastFailure().contains("só um físico"),
                 role == "technician");
        // a report is filed for review by anyone; only a physicist approves it
        QCOMPARE(ReviewStore::connectedRole(),
                 role == "technician" ? TeamRole::Technician : TeamRole::Physicist);
        StoredInspection report = draft(key, 1, StoredInspection::Reported);
        report.forReview = true;
        QCOMPARE(InspectionStore::save(report, "A"), Done);
        const ReviewStore::Review pending = ReviewStore::latestOf(report.id);
        QCOMPARE(pending.state, ReviewStore::Review::Awaiting);
        QCOMPARE(ReviewStore::approve(pending, "Paulo Físico"),
                 role == "technician" ? ReviewStore::Outcome::Denied : ReviewStore::Outcome::Done);
        // nor does a technician insert a review already decided
        QSqlQuery direct;
        QCOMPARE(runBound(direct,
                          "INSERT INTO review (Inspection, Revision, State, Who, At) VALUES "
                          "(?, ?, ?, ?, ?)",
                          {mine.id, mine.revision, inserted, "Ana", "2025-02-01T10:00:00"}),
                 role == "physicist" || inserted == ReviewStore::Review::Awaiting);
        QCOMPARE(direct.lastError().nativeErrorCode() == "42501",
                 role == "technician" && inserted != ReviewStore::Review::Awaiting);
    }

    // A server user with a password libpq does not have: the user types it, is told
    // when it is refused and asked again, a few times at most; Cancel starts the window
    // without the server. The password is kept nowhere but in memory.
    void password_data()
    {
        QTest::addColumn<QStringList>("typed"); // a null entry: Cancel
        QTest::addColumn<bool>("reached");
        QTest::newRow("right first") << QStringList{"segredo"} << true;
        QTest::newRow("wrong then right") << QStringList{"errada", "segredo"} << true;
        QTest::newRow("cancelled") << QStringList{QString()} << false;
        QTest::newRow("wrong then cancelled") << QStringList{"errada", QString()} << false;
        QTest::newRow("wrong three times") << QStringList{"errada", "errada2", "errada3"} << false;
    }
    void password()
    {
        QFETCH(QStringList, typed);
        QFETCH(bool, reached);
        if (!serverUp)
            QSKIP(qPrintable(pg.skipReason));
        const QString name = databaseWithScanner();
        QVERIFY(!name.isEmpty());
        logged.clear();
        QStringList labels;
        DialogDriver driver;
        for (const QString &password : typed)
            driver.then([&labels, password](QWidget *modal) {
                auto *dialog = qobject_cast<QInputDialog *>(modal);
                labels << dialog->labelText();
                QCOMPARE(dialog->textEchoMode(), QLineEdit::Password);
                dialog->setTextValue(password);
                password.isNull() ? dialog->reject() : dialog->accept();
            });
        openWindow(name, PgServer::passwordUser);
        QVERIFY(driver.waitDone());
        QCOMPARE(driver.unexpectedCount(), 0); // not asked a fourth time
        QCOMPARE(labels.size(), typed.size());
        for (int i = 0; i < labels.size(); ++i)
            QCOMPARE(labels[i].startsWith("Senha recusada"), i > 0);
        window->show();
        window->resumeAtStart();
        QCOMPARE(serverLine()->isVisible(), !reached);
        if (reached)
            QTRY_COMPARE(window->findChild<QTableView *>("tableView")->model()->rowCount(), 1);
        else
            QVERIFY(serverLine()->text().contains("Servidor fora de alcance"));
        window.reset();
        QFile ini("zetu.ini");
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray settings = ini.readAll();
        for (const QString &password : typed)
            QVERIFY(password.isNull() || !settings.contains(password.toUtf8()));
        QVERIFY(!logged.join('\n').contains("segredo"));
    }

    // On TCP with verify-full: the certificate's name and its CA checked by libpq, the
    // connection encrypted; a refused one logged with its reason, the window up at once
    // and saying the server is out of reach.
    void tls_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<bool>("trusted"); // the CA that signed the server's certificate
        QTest::addColumn<QString>("reason");
        QTest::newRow("name and CA right") << "localhost" << true << QString();
        QTest::newRow("address, not the name") << "127.0.0.1" << true << "does not match";
        QTest::newRow("CA not trusted") << "localhost" << false << "certificate verify failed";
    }
    void tls()
    {
        QFETCH(QString, host);
        QFETCH(bool, trusted);
        QFETCH(QString, reason);
        if (!serverUp)
            QSKIP(qPrintable(pg.skipReason));
        if (!pg.tlsPort)
            QSKIP(qPrintable(pg.tlsSkipReason));
        const QString name = databaseWithScanner();
        QVERIFY(!name.isEmpty());
        logged.clear();
        qputenv("PGSSLROOTCERT", QFile::encodeName(trusted ? pg.caFile() : pg.otherCaFile()));
        QElapsedTimer clock;
        clock.start();
        openWindow(name, "zetu_admin",
                   {{"Host", host}, {"Port", pg.tlsPort}, {"SslMode", "verify-full"}});
        window->show();
        window->resumeAtStart();
        QVERIFY(clock.elapsed() < 1000);
        qunsetenv("PGSSLROOTCERT");
        QCOMPARE(serverLine()->isVisible(), !reason.isEmpty());
        if (reason.isEmpty()) {
            QSqlQuery ssl;
            QVERIFY(ssl.exec("SELECT ssl FROM pg_stat_ssl WHERE pid = pg_backend_pid()"));
            QVERIFY(ssl.next() && ssl.value(0).toBool());
            QTRY_COMPARE(window->findChild<QTableView *>("tableView")->model()->rowCount(), 1);
        } else {
            QVERIFY(serverLine()->text().contains("Servidor fora de alcance"));
            QVERIFY2(logged.join('\n').contains(reason), qPrintable(logged.join('\n')));
        }
    }

    // The SSL mode zetu.ini asks for, and the one used: a remote server is always
    // checked fully, whatever weaker mode is asked for.
    void sslModes_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("used");
        QTest::newRow("remote, disable") << "db.servico.example"
                                         << "disable"
                                         << "verify-full";
        QTest::newRow("remote, prefer") << "10.0.0.7"
                                        << "Prefer"
                                        << "verify-full";
        QTest::newRow("remote, none") << "db.servico.example"
                                      << ""
                                      << "verify-full";
        QTest::newRow("remote, verify-ca") << "db.servico.example"
                                           << "verify-ca"
                                           << "verify-ca";
        QTest::newRow("localhost, none") << "localhost"
                                         << ""
                                         << "prefer";
        QTest::newRow("socket, disable") << "/run/postgresql"
                                         << "disable"
                                         << "disable";
        QTest::newRow("loopback, disable") << "127.0.0.1"
                                           << "disable"
                                           << "disable";
    }
    void sslModes()
    {
        QFETCH(QString, host);
        QFETCH(QString, asked);
        QFETCH(QString, used);
        QTemporaryFile file;
        QVERIFY(file.open());
        {
            QSettings ini(file.fileName(), QSettings::IniFormat);
            ini.setValue("Database/Driver", "QPSQL");
            ini.setValue("Database/Host", host);
            ini.setValue("Database/SslMode", asked);
        }
        const ServerSettings settings = ServerSettings::read(file.fileName());
        QCOMPARE(settings.effectiveSslMode(), used);
        QVERIFY(settings.connectOptions(0).split(';').contains("sslmode=" + used));
    }

    // Another client's new scanner is listed within 2 s; the server stopped under a
    // draft: the window says so in one line, keeps what is typed, and writes it once
    // the server is back; what the close could not write waits in the recovery file for
    // the next start.
    void serverWindow_data()
    {
        QTest::addColumn<bool>("closedWhileDown");
        QTest::newRow("back while open") << false;
        QTest::newRow("closed while down") << true;
    }
    void serverWindow()
    {
        QFETCH(bool, closedWhileDown);
        if (!serverUp)
            QSKIP(qPrintable(pg.skipReason));
        Transducer transducer;
        const QString name = databaseWithTransducer(&transducer);
        QVERIFY(!name.isEmpty());
        showWindow(name);
        auto *list = window->findChild<QTableView *>("tableView");
        QTRY_COMPARE(list->model()->rowCount(), 1);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(pg.admin({"INSERT INTO usequip (Institution, Place, ID, Model, Manufacturer) "
                          "VALUES ('Hospital Sul', 'UTI', 'US-09', 'Logiq', 'GE')"},
                         name));
        QTRY_COMPARE_WITH_TIMEOUT(list->model()->rowCount(), 2, 2000);
        qInfo("another client's change seen after %lld ms", clock.elapsed());
        QString about; // names the server, not a zetu.db
        DialogDriver aboutBox;
        aboutBox.then([&](QWidget *box) {
            about = box->findChild<QLabel *>("labelFiles")->text();
            box->close();
        });
        window->findChild<QAction *>("actionAbout")->trigger();
        QVERIFY2(about.contains("zetu_admin@") && about.contains("/" + name) &&
                     !about.contains("zetu.db"),
                 qPrintable(about));

        WizardFill::selectEquipment(window.data());
        window->findChild<QPushButton *>("pushButtonNext")->click(); // the draft is written
        const QString stored = "SELECT Inputs FROM inspection ORDER BY ID_key DESC LIMIT 1";
        QTRY_VERIFY(serverValue(name, stored).toString().contains("lineTecResp"));
        auto *transducers = window->findChild<QComboBox *>("comboBoxTransducer");
        const QString inspected = transducers->currentText();
        QVERIFY(!inspected.isEmpty());
        QVERIFY(pg.down());
        QTRY_VERIFY_WITH_TIMEOUT(serverLine()->isVisible(), 5000);
        QVERIFY(serverLine()->text().contains("Servidor fora de alcance"));
        // a notice read only now (a dialog was open): the scanner and transducer stay
        emit window->findChild<ServerWatch *>()->changed();
        QCOMPARE(list->model()->rowCount(), 2);
        QCOMPARE(transducers->currentText(), inspected);
        window->findChild<QLineEdit *>("lineTecResp")->setText("Ana Técnica");
        clock.start();
        window->findChild<QAction *>("actionFirstStep")->trigger(); // no write: held
        QVERIFY(clock.elapsed() < 1000);
        if (closedWhileDown) {
            window->close();
            window.reset();
            QVERIFY(QFile("zetu.db.recovery").size() > 0);
            QVERIFY(pg.up());
            QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
            openWindow(name);
            DialogDriver driver;
            driver.press(QMessageBox::Ok); // the values of the recovery file written
            driver.press(QMessageBox::No); // the draft is not continued
            window->resumeAtStart();
            QVERIFY(driver.waitDone());
            QVERIFY(!QFile::exists("zetu.db.recovery"));
        } else {
            QVERIFY(pg.up());
            QTRY_VERIFY_WITH_TIMEOUT(!serverLine()->isVisible(), 6000);
        }
        QTRY_VERIFY_WITH_TIMEOUT(serverValue(name, stored).toString().contains("Ana Técnica"),
                                 6000);
    }

    // A history, trend or review list open over a window reads again what another client
    // changed, within 2 s, and keeps the row the user had chosen.
    void dialogsReadAgain_data()
    {
        QTest::addColumn<QString>("opener"); // the button or menu entry
        QTest::addColumn<int>("dateColumn");
        QTest::addColumn<int>("deletedDay"); // far from the chosen row, in the list's order
        QTest::newRow("history") << "pushButtonHistory" << 0 << 1;
        QTest::newRow("review") << "actionReview" << 2 << 3;
        QTest::newRow("trend") << "pushButtonTrend" << -1 << 1;
    }
    void dialogsReadAgain()
    {
        QFETCH(QString, opener);
        QFETCH(int, dateColumn);
        QFETCH(int, deletedDay);
        if (!serverUp)
            QSKIP(qPrintable(pg.skipReason));
        Transducer transducer;
        const QString name = databaseWithTransducer(&transducer);
        QVERIFY(!name.isEmpty());
        for (int day = 1; day <= 3; ++day) {
            StoredInspection stored =
                draft(transducer.equipmentKey, day, StoredInspection::Reported);
            stored.values["calendarWidget"] = QString("2025-01-0%1").arg(day);
            stored.transducerKey = transducer.key;
            stored.forReview = true;
            QCOMPARE(InspectionStore::save(stored), Done);
        }
        showWindow(name);
        QTRY_COMPARE(window->findChild<QTableView *>("tableView")->model()->rowCount(), 1);
        WizardFill::selectEquipment(window.data());
        int before = 0, after = 0, entries = 0;
        QString chosen;
        qint64 seenAfter = -1;
        DialogDriver driver;
        driver.then([&](QWidget *dialog) {
            auto *table = dialog->findChild<QTableWidget *>("tableWidget");
            auto *trend = qobject_cast<TrendDialog *>(dialog);
            const auto count = [&] {
                return trend ? trend->shownInspections().size() : table->rowCount();
            };
            auto *transducers = dialog->findChild<QComboBox *>("comboBoxTransducer");
            const auto listed = [&] { return transducers ? transducers->count() : 0; };
            entries = listed();
            before = count();
            for (int row = 0; table && row < table->rowCount(); ++row) {
                if (table->item(row, dateColumn)->text() == "02/01/2025")
                    table->selectRow(row);
            }
            QElapsedTimer clock;
            clock.start();
            pg.admin({QString("DELETE FROM inspection WHERE Inputs LIKE '%%2025-01-0%1%%'")
                          .arg(deletedDay)},
                     name);
            (void)QTest::qWaitFor([&] { return count() != before; }, 3000);
            seenAfter = clock.elapsed();
            after = count();
            entries -= listed();
            const QModelIndexList rows =
                table ? table->selectionModel()->selectedRows(dateColumn) : QModelIndexList();
            chosen = rows.isEmpty() ? QString() : rows.first().data().toString();
            static_cast<QDialog *>(dialog)->reject();
        });
        if (auto *button = window->findChild<QPushButton *>(opener))
            button->click();
        else
            window->findChild<QAction *>(opener)->trigger();
        QVERIFY(driver.waitDone());
        QCOMPARE(before, 3);
        QCOMPARE(after, 2);
        QCOMPARE(entries, 0); // the transducers listed once, not again
        QVERIFY2(seenAfter < 2000, qPrintable(QString::number(seenAfter)));
        QCOMPARE(chosen, dateColumn < 0 ? QString() : QString("02/01/2025"));
    }

    // A server that cannot be reached at start: the window opens without waiting for it,
    // says so in one line, and lists the scanners once the server is back.
    void unreachableAtStart()
    {
        if (!serverUp)
            QSKIP(qPrintable(pg.skipReason));
        const QString name = freshDatabase();
        QVERIFY(open("server", "zetu_admin", name));
        addScanner(record);
        dataBase.reset();
        QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
        QVERIFY(pg.down());
        QElapsedTimer clock;
        clock.start();
        openWindow(name);
        window->show();
        window->resumeAtStart();
        QVERIFY(clock.elapsed() < 1000);
        QVERIFY(serverLine()->isVisible());
        QVERIFY(window->findChild<QTableView *>("tableView")->viewport()->findChild<QLabel *>());
        QVERIFY(pg.up());
        QTRY_VERIFY_WITH_TIMEOUT(!serverLine()->isVisible(), 5000);
        QTRY_COMPARE(window->findChild<QTableView *>("tableView")->model()->rowCount(), 1);
    }

    // A laptop's zetu.db sent twice: the first time every row goes over, the second adds
    // nothing; nothing is taken from the file.
    void sendTwice()
    {
        if (!serverUp)
            QSKIP(qPrintable(pg.skipReason));
        QVERIFY(open("sqlite"));
        const int key = addScanner(record);
        Transducer transducer;
        transducer.equipmentKey = key;
        transducer.model = "C5-1";
        QCOMPARE(TransducerStore::save(transducer, record), Done);
        for (const char *name : {"Ana", "Bia"}) { // two rows of one start: kept apart
            StoredInspection stored = draft(key, 0, StoredInspection::Reported);
            stored.values["lineTecResp"] = name;
            stored.transducerKey = transducer.key;
            stored.forReview = QString(name) == "Ana";
            QCOMPARE(InspectionStore::save(stored), Done);
        }
        ToleranceSet set = ToleranceSet::tg128();
        set.name = "Serviço";
        QCOMPARE(ToleranceStore::addSet(set, "TG-128", {"Paulo", "laptop"}), Done);
        QCOMPARE(ToleranceStore::chooseSet(key, record, set, {"Paulo", "laptop"}), Done);
        const QString name = freshDatabase();
        QVERIFY(open("server", "zetu_admin", name)); // the server's schema, one scanner there
        QVERIFY(addScanner(record) > 0);
        const ServerSettings server = pg.settings("zetu_admin", name);
        const ServerCopy::Outcome first = ServerCopy::send(workDir->file("zetu.db"), server);
        QCOMPARE(first.kind, ServerCopy::Outcome::Done);
        QCOMPARE(first.skipped.value("usequip"), 1);
        QCOMPARE(first.added.value("inspection"), 2);
        QCOMPARE(first.added.value("toleranceset"), 1);
        QCOMPARE(first.added.value("review"), 1);
        QCOMPARE(first.addedTotal(), 8); // a transducer, 2 inspections, a review, a set,
                                         // its choice and their 2 lines of audit
        QCOMPARE(serverValue(name, "SELECT COUNT(*) FROM inspection i JOIN transducer t ON "
                                   "t.ID_key = i.Transducer JOIN usequip u ON u.ID_key = "
                                   "i.Equipment")
                     .toInt(),
                 2);
        const ServerCopy::Outcome second = ServerCopy::send(workDir->file("zetu.db"), server);
        QCOMPARE(second.kind, ServerCopy::Outcome::Done);
        QCOMPARE(second.addedTotal(), 0);
        QCOMPARE(second.skipped.value("inspection"), 2);
        QVERIFY(DataFiles::sentText("zetu.db", first).contains("inspeções: 2 novos"));
    }

    // A server whose rights an earlier version made gets this version's when its owner
    // starts the program; a technician's start leaves them to the owner.
    void rightsUpgraded()
    {
        if (!serverUp)
            QSKIP(qPrintable(pg.skipReason));
        const QString name = freshDatabase();
        QVERIFY(open("server", "zetu_admin", name));
        QVERIFY(
            pg.admin({"DROP TRIGGER zetu_review_filed ON review", "DROP TABLE zetu_rights"}, name));
        const QString trigger =
            "SELECT count(*) FROM pg_trigger WHERE tgname = 'zetu_review_filed'";
        for (const QString user : {"ana", "zetu_admin"}) {
            QVERIFY(open("server", user, name));
            QCOMPARE(serverValue(name, trigger).toInt(), user == "ana" ? 0 : 1);
        }
        QCOMPARE(serverValue(name, "SELECT MAX(version) FROM zetu_rights").toInt(),
                 TeamSchema::rightsVersion);
    }

    // The administrator's file splits into its statements, the roles and the place of
    // the review's rights among them.
    void script()
    {
        const QStringList statements = TeamSchema::statements(TeamSchema::script());
        QVERIFY(statements.size() > 10);
        QVERIFY(statements.first().startsWith("DO $$ BEGIN IF NOT EXISTS"));
        for (const QString &statement : statements)
            QVERIFY2(!statement.contains("--") && !statement.endsWith(';'), qPrintable(statement));
        QVERIFY(TeamSchema::script().contains("review"));
    }
};

QTEST_MAIN(TstTeam)
#include "tst_team.moc"
