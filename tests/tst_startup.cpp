// Start-up in each language: the setting in the working directory chooses the
// catalogues (Qt's own texts in Portuguese too) and the language box; choosing the
// other entry writes it and asks for a restart. In either language "." and "," both
// type the decimal comma into a number box, from either key pad. Every text of the
// code and the forms has its English entry.

#include "app/language.h"
#include "wizard/mainwindow.h"

#include "dialogdriver.h"
#include "workdir.h"

#include <QtTest>
#include <QtWidgets>

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

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void settingSelectsLanguage_data()
    {
        QTest::addColumn<QByteArray>("language"); // null: no zetu.ini yet
        QTest::addColumn<QString>("buttons");     // Yes and Cancel of a message box
        QTest::newRow("first start") << QByteArray() << "&YesCancel";
        QTest::newRow("English") << QByteArray("en_US") << "&YesCancel";
        QTest::newRow("other case") << QByteArray("en_us") << "&SimCancelar";
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
        QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Yes)->text() + box.button(QMessageBox::Cancel)->text(),
                 buttons);
        DialogDriver driver;
        MainWindow window(index);
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
                    QCOMPARE(box->text(), row.section(' ', 2)); // shown in the box's format
                    QCOMPARE(box->value(), box->text().replace(',', '.').toDouble());
                }
            }
        }
        auto *combo = window.findChild<QComboBox *>("comboBox");
        QCOMPARE(combo->currentIndex(), index);
        driver.press(QMessageBox::Ok);
        combo->setCurrentIndex(1 - index);
        QVERIFY(driver.waitDone());
        QCOMPARE(driver.seen().size(), 1); // only the choice asks for a restart
        QCOMPARE(driver.last().title, index ? "Idioma" : "Language");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray(index ? "[Translations]\nLanguage=pt_BR\n"
                                                  : "[Translations]\nLanguage=en_US\n"));
    }

    // Every text of the code and the forms has its English entry, and no entry is stale.
    void catalogueCoversTheProgram()
    {
        QTemporaryDir dir;
        const QString scanned = dir.filePath("scanned.ts");
        QProcess lupdate;
        lupdate.setWorkingDirectory(ZETU_SOURCE_DIR);
        lupdate.start(ZETU_LUPDATE,
                      {"-silent", "-I", ".", "-no-obsolete", "-locations", "none", "app",
                       "registry", "wizard", "report", "history", "-ts", scanned});
        QVERIFY(lupdate.waitForFinished(60000) && lupdate.exitCode() == 0);
        QSet<QString> program;
        QVERIFY(entries(scanned).size() > 200);
        for (QString e : entries(scanned))
            program << e.remove(0, e.startsWith('!') ? 1 : 0);
        const QSet<QString> committed = entries(ZETU_SOURCE_DIR "/resources/ZETU_en_US.ts");
        // the report's third footer placeholder and the explanation's caption stay Portuguese
        QSet<QString> expected;
        for (const QString &e : program)
            expected << (e.contains("Resposável") || e.contains("Explique brevemente") ? "!" + e
                                                                                       : e);
        QCOMPARE(QStringList((committed - expected).values()), QStringList());
        QCOMPARE(QStringList((expected - committed).values()), QStringList());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
