// Start-up: the setting in the working directory chooses the catalogues installed
// (Qt's own texts in Portuguese too) and the language box; choosing another entry
// writes it and asks for a restart.

#include "app/language.h"
#include "wizard/mainwindow.h"

#include "dialogdriver.h"
#include "workdir.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void settingSelectsLanguage_data()
    {
        QTest::addColumn<QByteArray>("language"); // null: no zetu.ini yet
        QTest::addColumn<QString>("buttons");     // Yes, No, Cancel of a message box
        QTest::newRow("first start") << QByteArray() << "Yes No Cancel";
        QTest::newRow("English") << QByteArray("en_US") << "Yes No Cancel";
        QTest::newRow("Portuguese") << QByteArray("pt_BR") << "Sim Não Cancelar";
        QTest::newRow("other case") << QByteArray("en_us") << "Sim Não Cancelar";
    }
    void settingSelectsLanguage()
    {
        QFETCH(QByteArray, language);
        QFETCH(QString, buttons);
        WorkDir workDir;
        QFile file("zetu.ini");
        if (!language.isNull() && file.open(QIODevice::WriteOnly))
            file.write("[Translations]\nLanguage=" + language + "\n");
        file.close();
        QTranslator translator, qtTranslator;
        const int index = installCatalogue(translator, readLanguageSetting());
        QCOMPARE(installQtCatalogue(qtTranslator, index), index == 0);
        QMessageBox box(QMessageBox::Question, "", "",
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QStringList texts;
        for (auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
            texts << box.button(button)->text().remove('&');
        QCOMPARE(texts.join(' '), buttons);

        DialogDriver driver;
        MainWindow window(index);
        auto *combo = window.findChild<QComboBox *>("comboBox");
        QCOMPARE(combo->currentIndex(), buttons == "Sim Não Cancelar" ? 0 : 1);
        driver.press(QMessageBox::Ok);
        combo->setCurrentIndex(1 - index);
        QVERIFY(driver.waitDone());
        QCOMPARE(driver.seen().size(), 1); // only the choice asks for a restart
        QCOMPARE(driver.last().title, index ? "Idioma" : "Language");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray(index ? "[Translations]\nLanguage=pt_BR\n"
                                                  : "[Translations]\nLanguage=en_US\n"));
        QCoreApplication::removeTranslator(&translator);
        QCoreApplication::removeTranslator(&qtTranslator);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
