// Start-up: the settings file in the working directory, the choice of the catalogue
// and the language box.

#include "app/language.h"
#include "wizard/mainwindow.h"

#include "dialogdriver.h"
#include "workdir.h"

#include <QComboBox>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QTranslator>

namespace {
QByteArray readFile(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
const QByteArray english = "[Translations]\nLanguage=en_US\n";
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

    QScopedPointer<WorkDir> workDir;
    QTranslator translator;

private slots:
    void init() { workDir.reset(new WorkDir); }
    void cleanup()
    {
        QCoreApplication::removeTranslator(&translator);
        workDir.reset();
    }

    // The setting read, the catalogue installed (1) or not, the language box; neither
    // reading nor opening the window rewrites the file or asks for a restart.
    void settingSelectsLanguage_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file yet
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("index");
        QTest::newRow("first start") << QByteArray() << "en_US" << 1;
        QTest::newRow("English") << english << "en_US" << 1;
        QTest::newRow("Portuguese")
            << QByteArray("[Translations]\nLanguage=pt_BR\n") << "pt_BR" << 0;
        QTest::newRow("other letter case")
            << QByteArray("[Translations]\nLanguage=en_us\n") << "en_us" << 0;
        QTest::newRow("empty value") << QByteArray("[Translations]\nLanguage=\n") << QString() << 0;
        QTest::newRow("missing key") << QByteArray("[Translations]\nOther=1\n") << QString() << 0;
        QTest::newRow("empty file") << QByteArray("") << QString() << 0;
    }
    void settingSelectsLanguage()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, language);
        QFETCH(int, index);
        if (!content.isNull()) {
            QFile file(QStringLiteral("zetu.ini"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const QString read = readLanguageSetting();
        QCOMPARE(read, language);
        QCOMPARE(installCatalogue(translator, read), index);

        DialogDriver driver;
        MainWindow window(index);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(50);
        QCOMPARE(window.findChild<QComboBox *>(QStringLiteral("comboBox"))->currentIndex(), index);
        QCOMPARE(driver.seen().size(), 0);
        QCOMPARE(readFile(QStringLiteral("zetu.ini")), content.isNull() ? english : content);
    }

    // Each message has its title in the chosen language and its text in the other one.
    void choosingLanguageWritesSettingAndTellsUser()
    {
        readLanguageSetting();
        MainWindow window(1);
        window.show();
        auto *combo = window.findChild<QComboBox *>(QStringLiteral("comboBox"));
        DialogDriver driver;
        driver.press(QMessageBox::Ok).press(QMessageBox::Ok);
        combo->setCurrentIndex(0);
        QCOMPARE(readFile(QStringLiteral("zetu.ini")),
                 QByteArray("[Translations]\nLanguage=pt_BR\n"));
        combo->setCurrentIndex(1);
        QVERIFY(driver.waitDone());
        QCOMPARE(readFile(QStringLiteral("zetu.ini")), english);

        QCOMPARE(driver.seen().size(), 2);
        const SeenDialog &portuguese = driver.seen().at(0);
        QCOMPARE(portuguese.title, QStringLiteral("Idioma"));
        QCOMPARE(portuguese.text, QStringLiteral("Restart the ZETU to complete language changing"));
        QCOMPARE(portuguese.icon, QMessageBox::Information);
        QCOMPARE(portuguese.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        const SeenDialog &inEnglish = driver.seen().at(1);
        QCOMPARE(inEnglish.title, QStringLiteral("Language"));
        QCOMPARE(inEnglish.text,
                 QStringLiteral("Reinicie o programa para que a mudança seja concluída"));
        QCOMPARE(inEnglish.icon, QMessageBox::Information);
    }

    void programStartsInEmptyDirectory()
    {
        QProcess program;
        program.setWorkingDirectory(workDir->path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ZETU_EXECUTABLE), QStringList());
        QVERIFY(program.waitForStarted());
        // still in its event loop once the settings file and the database are there
        QVERIFY(QTest::qWaitFor([] { return QFile::exists(QStringLiteral("zetu.db")); }, 10000));
        QVERIFY(!program.waitForFinished(1000));
        QCOMPARE(readFile(QStringLiteral("zetu.ini")), english);
        program.terminate();
        if (!program.waitForFinished(5000))
            program.kill();
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
