// The wizard from the mouse and the keyboard: the eight steps, the number boxes'
// decimal separator, the date of the last step.

#include "app/language.h"
#include "wizard/mainwindow.h"

#include "dialogdriver.h"
#include "wizardfill.h"
#include "workdir.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTranslator>

class TestNavigation : public QObject
{
    Q_OBJECT

    QScopedPointer<WorkDir> workDir;
    QScopedPointer<MainWindow> window;
    QTranslator translator;

    template <typename T = QPushButton> T *child(const char *name)
    {
        return window->findChild<T *>(QLatin1String(name));
    }
    // Next by a click or by Enter on the focused button, then the step shown.
    void next(int page, bool finished = false, bool enter = false)
    {
        QPushButton *button = child("pushButtonNext");
        button->setFocus();
        enter ? QTest::keyClick(button, Qt::Key_Return) : button->click();
        QCOMPARE(child<QStackedWidget>("stackedWidget")->currentIndex(), page);
        QCOMPARE(child<QLabel>("labelStep2")->text(), QStringLiteral("%1 / 8").arg(page + 1));
        QCOMPARE(button->text(), QString(page == 7 ? "Concluir" : "Próximo"));
        QCOMPARE(button->isEnabled(), !finished);
        QCOMPARE(child("pushButtonReport")->isEnabled(), finished);
    }

private slots:
    void init()
    {
        workDir.reset(new WorkDir);
        WizardFill::seedEquipment({{"Hospital Central", "Radiologia", "US-01", "Logiq", "GE"}});
        window.reset(new MainWindow(installCatalogue(translator, QTest::currentDataTag())));
        WizardFill::makeStepsValid(window.data());
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.data()));
    }
    void cleanup()
    {
        window.reset();
        QCoreApplication::removeTranslator(&translator);
        QLocale::setDefault(QLocale::system());
        workDir.reset();
    }

    // Inputs survive the way back; the report opens from its shortcut, and Enter in
    // it saves rather than closing it.
    void forwardAndBack()
    {
        DialogDriver driver;
        for (int round = 0; round < 2; ++round) {
            for (int page = 1; page < 8; ++page)
                next(page, false, page % 2);
            next(7, true, true);
            child("pushButtonPrevious")->click();
            next(7);
            next(7, true);
            for (int page = 7; page >= 0 && round == 0; --page)
                child("pushButtonPrevious")->click();
        }
        bool stayed = false;
        driver.then([&](QWidget *report) {
            QTest::keyClick(report, Qt::Key_Return);
            stayed = report->isVisible();
            report->close();
        });
        driver.cancelFile();
        QTest::keyClick(window.data(), Qt::Key_R, Qt::ControlModifier);
        QVERIFY(driver.waitDone());
        QVERIFY(stayed);
        QCOMPARE(driver.seen().size(), 2); // the report, then the file dialog of Save
    }

    // "." and "," both type the decimal comma, in both languages (the row's tag names
    // the setting), from either key pad; the box shows the value in its own format.
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

    // The highlighted day is the selected date whatever the system's first day of
    // the week; the week starts on Sunday, as in Brazil.
    void calendarHighlightsSelectedDate_data()
    {
        QTest::addColumn<QLocale>("system");
        QTest::newRow("from Monday") << QLocale(QLocale::German, QLocale::Germany);
        QTest::newRow("from Saturday") << QLocale(QLocale::Arabic, QLocale::Egypt);
    }
    void calendarHighlightsSelectedDate()
    {
        QFETCH(QLocale, system);
        QLocale::setDefault(system);
        window.reset(new MainWindow(0));
        auto *calendar = child<QCalendarWidget>("calendarWidget");
        QCOMPARE(calendar->firstDayOfWeek(), Qt::Sunday);
        const QModelIndex cell =
            calendar->findChild<QTableView *>()->selectionModel()->currentIndex();
        QCOMPARE(cell.data().toInt(), calendar->selectedDate().day());
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
