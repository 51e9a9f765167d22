// Start-up: the settings file in the working directory, the catalogues installed and
// the language box.

#include "app/language.h"
#include "wizard/mainwindow.h"

#include "dialogdriver.h"
#include "workdir.h"

#include <QComboBox>
#include <QFile>
#include <QProcess>
#include <QPushButton>
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
    QTranslator translator, qtTranslator;

private slots:
    void init() { workDir.reset(new WorkDir); }
    void cleanup()
    {
        QCoreApplication::removeTranslator(&translator);
        QCoreApplication::removeTranslator(&qtTranslator);
        workDir.reset();
    }

    // The language read, Qt's own button texts, the language box; neither reading nor
    // opening the window rewrites the file or asks for a restart.
    void settingSelectsLanguage_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file yet
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("buttons"); // Yes, No, Cancel of a message box
        const QStringList portuguese{"Sim", "Não", "Cancelar"}, inEnglish{"Yes", "No", "Cancel"};
        QTest::newRow("first start") << QByteArray() << 1 << inEnglish;
        QTest::newRow("English") << english << 1 << inEnglish;
        QTest::newRow("Portuguese")
            << QByteArray("[Translations]\nLanguage=pt_BR\n") << 0 << portuguese;
        QTest::newRow("other case")
            << QByteArray("[Translations]\nLanguage=en_us\n") << 0 << portuguese;
        QTest::newRow("missing key") << QByteArray("[Translations]\nOther=1\n") << 0 << portuguese;
    }
    void settingSelectsLanguage()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, index);
        QFETCH(QStringList, buttons);
        QFile file(QStringLiteral("zetu.ini"));
        if (!content.isNull() && file.open(QIODevice::WriteOnly))
            file.write(content);
        file.close();
        QCOMPARE(installCatalogue(translator, readLanguageSetting()), index);
        QCOMPARE(installQtCatalogue(qtTranslator, index), index == 0);
        QMessageBox box(QMessageBox::Question, "", "",
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QStringList texts;
        for (auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
            texts << box.button(button)->text().remove('&');
        QCOMPARE(texts, buttons);

        DialogDriver driver;
        MainWindow window(index);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.findChild<QComboBox *>(QStringLiteral("comboBox"))->currentIndex(), index);
        QCOMPARE(driver.seen().size(), 0);
        QCOMPARE(readFile(QStringLiteral("zetu.ini")), content.isNull() ? english : content);
    }

    // Each message has its title in the chosen language and its text in the other one.
    void choosingLanguageWritesSettingAndTellsUser()
    {
        MainWindow window(1);
        DialogDriver driver;
        driver.press(QMessageBox::Ok).press(QMessageBox::Ok);
        auto *combo = window.findChild<QComboBox *>(QStringLiteral("comboBox"));
        combo->setCurrentIndex(0);
        QCOMPARE(readFile(QStringLiteral("zetu.ini")), english.left(24) + "pt_BR\n");
        combo->setCurrentIndex(1);
        QVERIFY(driver.waitDone());
        QCOMPARE(readFile(QStringLiteral("zetu.ini")), english);
        QCOMPARE(driver.seen().at(0).title + driver.seen().at(0).text,
                 QStringLiteral("IdiomaRestart the ZETU to complete language changing"));
        QCOMPARE(driver.seen().at(1).title + driver.seen().at(1).text,
                 QStringLiteral("LanguageReinicie o programa para que a mudança seja concluída"));
    }

    void programStartsInEmptyDirectory()
    {
        QProcess program;
        program.start(QStringLiteral(ZETU_EXECUTABLE), QStringList());
        QVERIFY(program.waitForStarted());
        // still in its event loop once the settings file and the database are there
        QVERIFY(QTest::qWaitFor([] { return QFile::exists(QStringLiteral("zetu.db")); }, 10000));
        QVERIFY(!program.waitForFinished(1000));
        QCOMPARE(readFile(QStringLiteral("zetu.ini")), english);
        program.kill();
        program.waitForFinished();
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
