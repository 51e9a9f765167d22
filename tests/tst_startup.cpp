// Start-up: the settings file, the choice of the catalogue and the language box.

#include "app/language.h"
#include "wizard/mainwindow.h"

#include "dialogdriver.h"
#include "workdir.h"

#include <QComboBox>
#include <QFile>
#include <QProcess>
#include <QScopedPointer>
#include <QSettings>
#include <QSqlDatabase>
#include <QTest>
#include <QTranslator>

namespace {
QByteArray readFile(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void writeFile(const QString &name, const QByteArray &content)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init() { workDir.reset(new WorkDir); }
    void cleanup()
    {
        QCoreApplication::removeTranslator(&translator);
        workDir.reset();
    }

    void firstStartWritesEnglishSetting();
    void storedSettingSelectsLanguage_data();
    void storedSettingSelectsLanguage();
    void showingWindowNeverAsksForRestart_data();
    void showingWindowNeverAsksForRestart();
    void choosingLanguageWritesSettingAndTellsUser();
    void eachWorkingDirectoryHasItsOwnFile();
    void programStartsInEmptyDirectory();

private:
    QScopedPointer<WorkDir> workDir;
    QTranslator translator;
};

void TestStartup::firstStartWritesEnglishSetting()
{
    QVERIFY(!QFile::exists(QStringLiteral("zetu.ini")));
    const QString language = readLanguageSetting();
    QCOMPARE(language, QStringLiteral("en_US"));
    QCOMPARE(readFile(QStringLiteral("zetu.ini")), QByteArray("[Translations]\nLanguage=en_US\n"));
    QCOMPARE(installCatalogue(translator, language), 1);

    MainWindow window(1);
    QCOMPARE(window.findChild<QComboBox *>(QStringLiteral("comboBox"))->currentIndex(), 1);
}

void TestStartup::storedSettingSelectsLanguage_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("index");

    QTest::newRow("English") << QByteArray("[Translations]\nLanguage=en_US\n")
                             << QStringLiteral("en_US") << 1;
    QTest::newRow("Portuguese") << QByteArray("[Translations]\nLanguage=pt_BR\n")
                                << QStringLiteral("pt_BR") << 0;
    QTest::newRow("other letter case")
        << QByteArray("[Translations]\nLanguage=en_us\n") << QStringLiteral("en_us") << 0;
    QTest::newRow("empty value") << QByteArray("[Translations]\nLanguage=\n") << QString() << 0;
    QTest::newRow("missing key") << QByteArray("[Translations]\nOther=1\n") << QString() << 0;
    QTest::newRow("empty file") << QByteArray() << QString() << 0;
}

void TestStartup::storedSettingSelectsLanguage()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, language);
    QFETCH(int, index);

    writeFile(QStringLiteral("zetu.ini"), content);
    const QString read = readLanguageSetting();
    QCOMPARE(read, language);
    QCOMPARE(installCatalogue(translator, read), index);
    // Reading never rewrites the file.
    QCOMPARE(readFile(QStringLiteral("zetu.ini")), content);

    MainWindow window(index);
    QCOMPARE(window.findChild<QComboBox *>(QStringLiteral("comboBox"))->currentIndex(), index);
}

void TestStartup::showingWindowNeverAsksForRestart_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("Portuguese") << 0;
    QTest::newRow("English") << 1;
}

void TestStartup::showingWindowNeverAsksForRestart()
{
    QFETCH(int, index);
    DialogDriver driver;
    MainWindow window(index);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(100);
    QCOMPARE(driver.seen().size(), 0);
    QVERIFY(!QFile::exists(QStringLiteral("zetu.ini")));
}

void TestStartup::choosingLanguageWritesSettingAndTellsUser()
{
    readLanguageSetting();
    MainWindow window(1);
    window.show();
    auto *combo = window.findChild<QComboBox *>(QStringLiteral("comboBox"));

    DialogDriver driver;
    driver.press(QMessageBox::Ok).press(QMessageBox::Ok);
    combo->setCurrentIndex(0);
    QSettings afterPortuguese(QStringLiteral("zetu.ini"), QSettings::IniFormat);
    QCOMPARE(afterPortuguese.value(QStringLiteral("Translations/Language")).toString(),
             QStringLiteral("pt_BR"));
    combo->setCurrentIndex(1);
    QVERIFY(driver.waitDone());
    QCOMPARE(readFile(QStringLiteral("zetu.ini")), QByteArray("[Translations]\nLanguage=en_US\n"));

    QCOMPARE(driver.seen().size(), 2);
    const SeenDialog &portuguese = driver.seen().at(0);
    QCOMPARE(portuguese.className, QStringLiteral("QMessageBox"));
    QCOMPARE(portuguese.title, QStringLiteral("Idioma"));
    QCOMPARE(portuguese.text, QStringLiteral("Restart the ZETU to complete language changing"));
    QCOMPARE(portuguese.icon, QMessageBox::Information);
    QCOMPARE(portuguese.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    const SeenDialog &english = driver.seen().at(1);
    QCOMPARE(english.title, QStringLiteral("Language"));
    QCOMPARE(english.text, QStringLiteral("Reinicie o programa para que a mudança seja concluída"));
    QCOMPARE(english.icon, QMessageBox::Information);
}

void TestStartup::eachWorkingDirectoryHasItsOwnFile()
{
    writeFile(QStringLiteral("zetu.ini"), "[Translations]\nLanguage=pt_BR\n");
    {
        WorkDir other;
        QCOMPARE(readLanguageSetting(), QStringLiteral("en_US"));
        QVERIFY(QFile::exists(other.file(QStringLiteral("zetu.ini"))));
    }
    QCOMPARE(readLanguageSetting(), QStringLiteral("pt_BR"));
}

void TestStartup::programStartsInEmptyDirectory()
{
    QProcess program;
    program.setWorkingDirectory(workDir->path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ZETU_EXECUTABLE), QStringList());
    QVERIFY(program.waitForStarted());
    // Still running its event loop after the settings file and the database are there.
    QVERIFY(QTest::qWaitFor([] { return QFile::exists(QStringLiteral("zetu.db")); }, 10000));
    QVERIFY(!program.waitForFinished(1000));
    QCOMPARE(program.state(), QProcess::Running);
    QCOMPARE(readFile(QStringLiteral("zetu.ini")), QByteArray("[Translations]\nLanguage=en_US\n"));
    program.terminate();
    if (!program.waitForFinished(5000))
        program.kill();
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
