// Start-up in each language, the catalogue, decimal keys, and the equipment registry
// of the first step, also while another copy of the program writes to the same file.

#include "app/datafolder.h"
#include "app/language.h"
#include "dialogdriver.h"
#include "history/tolerancestore.h"
#include "wizard/mainwindow.h"
#include "wizardfill.h"
#include "workdir.h"

#include <QtSql>
#include <QtTest>
#include <QtWidgets>
#include <csignal>

namespace {

// The (context, source) pairs of a translation source, each with "!" in front when
// its translation is missing or unfinished.
QSet<QString> entries(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QString text = QString::fromUtf8(file.readAll());
    QSet<QString> found;
    const QRegularExpression context("<name>(.*?)</name>(.*?)</context>",
                                     QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression message(
        "<source>(.*?)</source>\\s*<translation( type=\"unfinished\")?",
        QRegularExpression::DotMatchesEverythingOption);
    for (auto c = context.globalMatch(text); c.hasNext();) {
        const auto cm = c.next();
        for (auto m = message.globalMatch(cm.captured(2)); m.hasNext();) {
            const auto mm = m.next();
            found << (mm.captured(2).isEmpty() ? "" : "!") + cm.captured(1) + ": " + mm.captured(1);
        }
    }
    return found;
}

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

// A slot bound by name whose widget was renamed or removed: Qt only warns. The
// warnings of start-up, settings and zetu.db, to be had exactly where something failed.
QStringList unboundSlots, setupWarnings;
QtMessageHandler previousHandler = nullptr;
void watchBinding(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (text.startsWith("QMetaObject::connectSlotsByName: No matching signal"))
        unboundSlots << text;
    const QByteArray category = context.category;
    if (type == QtWarningMsg && (category == "zetu.setup" || category == "zetu.store"))
        setupWarnings << text;
    previousHandler(type, context, text);
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(watchBinding); }
    // Every window of the suite (the wizard, the report, the equipment dialog) has bound
    // each of its slots named after a widget.
    void cleanupTestCase() { QCOMPARE(unboundSlots, QStringList()); }

    void settingSelectsLanguage_data()
    {
        QTest::addColumn<QByteArray>("language"); // null: no zetu.ini yet
        QTest::addColumn<QString>("buttons");     // Yes and Cancel of a message box
        QTest::newRow("first start, menu") << QByteArray() << "&YesCancel";
        QTest::newRow("English") << QByteArray("en_US") << "&YesCancel";
        QTest::newRow("other case") << QByteArray("en_us") << "&SimCancelar";
        QTest::newRow("a folder") << QByteArray("/") << "&SimCancelar"; // neither read nor kept
    }
    void settingSelectsLanguage()
    {
        QFETCH(QByteArray, language);
        QFETCH(QString, buttons);
        WorkDir workDir;
        const bool menu = language.isNull(); // started from the menu: in the data folder
        qunsetenv("XDG_DATA_HOME");
        enterDataFolder({"ZETU", menu ? appDataOption : "-style"});
        QCOMPARE(QDir::current(), QDir(workDir.file(menu ? "home/.local/share/tst_startup" : "")));
        QFile file("zetu.ini");
        setupWarnings.clear();
        if (language == "/")
            QDir().mkdir(file.fileName());
        else if (!language.isNull() && file.open(QIODevice::WriteOnly))
            file.write("[Translations]\nLanguage=" + language + "\n");
        file.close();
        QTranslator translator, qtTranslator;
        const int index = installCatalogue(translator, readLanguageSetting());
        QCOMPARE(installQtCatalogue(qtTranslator, index), index == 0);
        QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Yes)->text() + box.button(QMessageBox::Cancel)->text(),
                 buttons);
        ToleranceStore::AuditEntry changed; // the tolerances' texts in the same language
        changed.action = ToleranceStore::AuditEntry::SetChanged;
        changed.detail = "X";
        QCOMPARE(QStringList({ToleranceSet::original().displayName(),
                              ToleranceSet::tg128().rules.last().describe(QLocale::c()),
                              changed.describe()})
                     .join('|'),
                 index ? "Original rules|within 10 mm of the baseline|Set changed: X"
                       : "Regras originais|até 10 mm da linha de base|Conjunto alterado: X");
        DialogDriver driver;
        MainWindow window(index);
        window.buildSteps();
        for (const QString row :
             {"doubleSpinBox4Freq 7.5 7,5", "doubleSpinBox5_05_78 12,345 12,345", "s5AA2 4.1 4,100",
              "doubleSpinBox5_07_MPV 1.000 1,00"}) {
            auto *box = window.findChild<QDoubleSpinBox *>(row.section(' ', 0, 0));
            QLineEdit *edit = box->findChild<QLineEdit *>();
            for (QWidget *target : {static_cast<QWidget *>(box), static_cast<QWidget *>(edit)}) {
                for (Qt::KeyboardModifier pad : {Qt::NoModifier, Qt::KeypadModifier}) {
                    edit->selectAll();
                    QTest::keyClicks(target, row.section(' ', 1, 1), pad);
                    QTest::keyClick(box, Qt::Key_Return);
                    // shown in the interface language's format
                    QCOMPARE(box->text(), row.section(' ', 2).replace(',', index ? "." : ","));
                    QCOMPARE(box->value(), box->text().replace(',', '.').toDouble());
                }
            }
        }
        // a first start in a folder makes the registry there, as the statement reads
        QSqlQuery schema("SELECT sql FROM sqlite_master WHERE name = 'usequip'");
        QVERIFY(schema.next());
        QCOMPARE(schema.value(0).toString(),
                 "CREATE TABLE usequip (ID_key INTEGER primary key, Institution VARCHAR(80), "
                 "Place VARCHAR(80), ID VARCHAR(80), Model VARCHAR(40), Manufacturer VARCHAR(80))");
        auto *combo = window.findChild<QComboBox *>("comboBox");
        QCOMPARE(combo->currentIndex(), index);
        driver.press(QMessageBox::Ok);
        combo->setCurrentIndex(1 - index);
        QVERIFY(driver.waitDone());
        QCOMPARE(driver.seen().size(), 1); // only the choice asks for a restart
        QCOMPARE(driver.seen().last().title, index ? "Idioma" : "Language");
        QCOMPARE(setupWarnings.join('|') + (file.open(QIODevice::ReadOnly) ? file.readAll() : ""),
                 language == "/" ? QString("cannot read \"%1\" (no access)|cannot write \"%1\" "
                                           "(no access)")
                                       .arg(QDir::current().absoluteFilePath("zetu.ini"))
                 : index ? "[Translations]\nLanguage=pt_BR\n"
                         : "[Translations]\nLanguage=en_US\n");
    }

    // Every text of the code and the forms has its English entry, and no entry is stale.
    void catalogueCoversTheProgram()
    {
        QTemporaryDir dir;
        const QString scanned = dir.filePath("scanned.ts");
        QProcess lupdate;
        lupdate.setWorkingDirectory(ZETU_SOURCE_DIR);
        lupdate.start(ZETU_LUPDATE,
                      {"-silent", "-I", ".", "-no-obsolete", "-locations", "none", "app", "core",
                       "registry", "wizard", "report", "history", "-ts", scanned});
        QVERIFY(lupdate.waitForFinished(60000) && lupdate.exitCode() == 0);
        QSet<QString> program;
        for (QString e : entries(scanned))
            program << e.remove(0, e.startsWith('!') ? 1 : 0);
        const QSet<QString> committed = entries(ZETU_SOURCE_DIR "/resources/ZETU_en_US.ts");
        QCOMPARE(QStringList((committed - program).values()), QStringList());
        QCOMPARE(QStringList((program - committed).values()), QStringList());
    }

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
        row("another, long", "NewRecord Add", longName + "|Sala de exames|U|M|F");
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
        row("locked by another program", "NewRecord Add", north,
            "Não foi possível salvar o registro em zetu.db.");
        row("locked, edit cancelled", "Edit Cancel", north);
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
        window.resumeAtStart();
        auto *view = window.findChild<QTableView *>("tableView");
        if (QString(QTest::currentDataTag()).startsWith("another"))
            WizardFill::seedEquipment({{"Clínica Sul", "Sala 1", "S-1", "M", "F"}});
        QStringList expected = stored();
        QSqlDatabase other; // another program holding the write lock
        if (QString(QTest::currentDataTag()).startsWith("locked")) {
            other = QSqlDatabase::addDatabase("QSQLITE", "other");
            other.setDatabaseName("zetu.db");
            QVERIFY(other.open() && other.exec("BEGIN IMMEDIATE").isActive());
        }

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
        setupWarnings.clear();
        window.findChild<QPushButton *>("pushButton" + button)->click();
        QVERIFY(driver.waitDone());
        other.close();
        // a record left as it was is not written again, nor its inspections
        QCOMPARE(setupWarnings.filter("inspections"), QStringList());
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

        // columns share the list's width, also after a resize; the long value is elided
        view->resize(view->width() - 40, view->height());
        QHeaderView *header = view->horizontalHeader();
        QCOMPARE(header->length(), view->viewport()->width());
        for (int column = 1; column < 5; ++column) // what fits keeps its own width
            QVERIFY(header->sectionSize(column) <=
                    qMax(static_cast<QAbstractItemView *>(view)->sizeHintForColumn(column),
                         header->sectionSizeHint(column)));
        const QRect cell = view->visualRect(view->model()->index(expected.size() - 1, 1));
        QHelpEvent help(QEvent::ToolTip, cell.center(),
                        view->viewport()->mapToGlobal(cell.center()));
        QCoreApplication::sendEvent(view->viewport(), &help);
        if (expected.last().startsWith(longName))
            QCOMPARE(QToolTip::text(), longName);
    }

    // SIGTERM (a logout) and SIGHUP (a closed terminal) end the program as a close does:
    // it exits by itself and its lock file in the temporary folder goes.
    void signalEndsAsClose_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void signalEndsAsClose()
    {
        QFETCH(int, number);
        WorkDir workDir;
        QProcess zetu;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TMPDIR", workDir.path());
        zetu.setProcessEnvironment(environment);
        zetu.start(ZETU_EXECUTABLE, QStringList());
        const auto locks = [] { return QDir().entryList({"zetu-*.lock"}, QDir::Files); };
        QTRY_VERIFY_WITH_TIMEOUT(!locks().isEmpty(), 10000);
        ::kill(zetu.processId(), number);
        QVERIFY(zetu.waitForFinished(5000) && zetu.exitStatus() == QProcess::NormalExit);
        QCOMPARE(locks(), QStringList());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
