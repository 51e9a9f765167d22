// The wizard from the keyboard: the number boxes' decimal separator in both
// languages. (Enter on Next and the report's shortcut: tst_highdensity.)

#include "app/language.h"
#include "wizard/mainwindow.h"

#include "workdir.h"

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QTest>
#include <QTranslator>

class TestNavigation : public QObject
{
    Q_OBJECT

    QScopedPointer<WorkDir> workDir;
    QScopedPointer<MainWindow> window;
    QTranslator translator;

private slots:
    void init()
    {
        workDir.reset(new WorkDir);
        window.reset(new MainWindow(installCatalogue(translator, QTest::currentDataTag())));
    }
    void cleanup()
    {
        window.reset();
        QCoreApplication::removeTranslator(&translator);
        workDir.reset();
    }

    // "." and "," both type the decimal comma (the tag names the language), typed
    // into the box or its line edit, from either key pad; the box shows its format.
    void decimalKeys_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("pt_BR") << "doubleSpinBox4Freq"
                               << "7.5" << 7.5 << "7,5";
        QTest::newRow("en_US") << "doubleSpinBox4Freq"
                               << "7,5" << 7.5 << "7,5";
        QTest::newRow("pt_BR") << "doubleSpinBox5_05_78"
                               << "12.345" << 12.345 << "12,345";
        QTest::newRow("en_US") << "doubleSpinBox6_9cm_07_34"
                               << "5.5" << 5.5 << "5,500";
        QTest::newRow("pt_BR") << "s5AA2"
                               << "4.1" << 4.1 << "4,100";
        QTest::newRow("en_US") << "s7HAr8"
                               << "4,1" << 4.1 << "4,100";
        QTest::newRow("pt_BR") << "doubleSpinBox5_07_MPV"
                               << "1.000" << 1.0 << "1,00";
        QTest::newRow("en_US") << "doubleSpinBox5_05_ZF"
                               << "99.99" << 99.99 << "99,99";
    }
    void decimalKeys()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(double, value);
        QFETCH(QString, shown);
        auto *spinBox = window->findChild<QDoubleSpinBox *>(box);
        QLineEdit *edit = spinBox->findChild<QLineEdit *>();
        for (QWidget *target : {static_cast<QWidget *>(spinBox), static_cast<QWidget *>(edit)}) {
            for (Qt::KeyboardModifier pad : {Qt::NoModifier, Qt::KeypadModifier}) {
                edit->selectAll();
                QTest::keyClicks(target, typed, pad);
                QTest::keyClick(spinBox, Qt::Key_Return);
                QCOMPARE(spinBox->value(), value);
                QCOMPARE(spinBox->text(), shown);
            }
        }
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
