// The wizard from the mouse and the keyboard: the eight steps with Previous and
// Next, the number boxes' decimal separator, the date of the last step.

#include "app/language.h"
#include "wizard/mainwindow.h"

#include "dialogdriver.h"
#include "wizardfill.h"
#include "workdir.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
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
    void open(bool english = false)
    {
        if (english)
            installCatalogue(translator, QStringLiteral("en_US"));
        window.reset(new MainWindow(english ? 1 : 0));
        WizardFill::makeStepsValid(window.data());
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.data()));
    }
    // Next by a click, or by Enter on the focused button; `finished`: the report is enabled.
    void next(int page, bool finished = false, bool enter = false)
    {
        QPushButton *button = child("pushButtonNext");
        if (enter) {
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Return);
        } else {
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QCOMPARE(child<QStackedWidget>("stackedWidget")->currentIndex(), page);
        QCOMPARE(child<QLabel>("labelStep2")->text(), QStringLiteral("%1 / 8").arg(page + 1));
        QCOMPARE(button->text(), QString(page == 7 ? "Concluir" : "Próximo"));
        QCOMPARE(button->isEnabled(), !finished);
        QCOMPARE(child("pushButtonReport")->isEnabled(), finished);
    }
    void previous(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(child("pushButtonPrevious"), Qt::LeftButton);
    }

private slots:
    void init()
    {
        workDir.reset(new WorkDir);
        WizardFill::seedEquipment({{"Hospital Central", "Radiologia", "US-01", "Logiq", "GE"}});
    }
    void cleanup()
    {
        window.reset();
        QCoreApplication::removeTranslator(&translator);
        QLocale::setDefault(QLocale::system());
        workDir.reset();
    }

    // Every input survives the way back; the report opens from its shortcut, and Enter
    // in it saves rather than closing it.
    void forwardAndBack()
    {
        open();
        DialogDriver driver;
        previous();
        QCOMPARE(child<QStackedWidget>("stackedWidget")->currentIndex(), 0);
        for (int page = 1; page < 8; ++page)
            next(page, false, page % 2);
        next(7, true, true);
        previous();
        QCOMPARE(child<QLabel>("labelStep")->text(), QStringLiteral("Massas"));
        next(7);
        next(7, true);
        previous(9);
        for (int page = 1; page < 8; ++page)
            next(page);
        next(7, true);
        QCOMPARE(driver.seen().size(), 0);

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

    // "." and "," both type the decimal comma, in both languages, from either key
    // pad; a box shows its value in its own format.
    void decimalKeys_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("frequency, dot") << false << "doubleSpinBox4Freq"
                                        << "7.5" << false << 7.5 << "7,5";
        QTest::newRow("frequency, comma") << true << "doubleSpinBox4Freq"
                                          << "7,5" << false << 7.5 << "7,5";
        QTest::newRow("distance, keypad dot") << false << "doubleSpinBox5_05_78"
                                              << "12.345" << true << 12.345 << "12,345";
        QTest::newRow("distance, english, dot") << true << "doubleSpinBox6_9cm_07_34"
                                                << "5.5" << false << 5.5 << "5,500";
        QTest::newRow("mass, dot") << false << "s5AA2"
                                   << "4.1" << false << 4.1 << "4,100";
        QTest::newRow("mass, english, comma") << true << "s7HAr8"
                                              << "4,1" << true << 4.1 << "4,100";
        QTest::newRow("never a thousand") << false << "doubleSpinBox5_07_MPV"
                                          << "1.000" << false << 1.0 << "1,00";
        QTest::newRow("focal zone, english, dot") << true << "doubleSpinBox5_05_ZF"
                                                  << "99.99" << false << 99.99 << "99,99";
    }
    void decimalKeys()
    {
        QFETCH(bool, english);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(bool, keypad);
        QFETCH(double, value);
        QFETCH(QString, shown);
        open(english);
        auto *spinBox = window->findChild<QDoubleSpinBox *>(box);
        QLineEdit *edit = spinBox->findChild<QLineEdit *>();
        edit->selectAll();
        // keys reach the box itself or, as the window system delivers them, its line edit
        QTest::keyClicks(keypad ? static_cast<QWidget *>(edit) : spinBox, typed,
                         keypad ? Qt::KeypadModifier : Qt::NoModifier);
        QTest::keyClick(spinBox, Qt::Key_Return);
        QCOMPARE(spinBox->value(), value);
        QCOMPARE(spinBox->text(), shown);
    }

    // The highlighted day is the selected date whatever the system's first day of
    // the week.
    void calendarHighlightsSelectedDate_data()
    {
        QTest::addColumn<QLocale>("system");
        QTest::newRow("week from Monday") << QLocale(QLocale::German, QLocale::Germany);
        QTest::newRow("week from Saturday") << QLocale(QLocale::Arabic, QLocale::Egypt);
        QTest::newRow("week from Sunday") << QLocale(QLocale::English, QLocale::UnitedStates);
    }
    void calendarHighlightsSelectedDate()
    {
        QFETCH(QLocale, system);
        QLocale::setDefault(system);
        open();
        auto *calendar = child<QCalendarWidget>("calendarWidget");
        auto *days = calendar->findChild<QTableView *>();
        QCOMPARE(calendar->firstDayOfWeek(), Qt::Sunday); // as in Brazil
        const QModelIndex cell = days->selectionModel()->currentIndex();
        QCOMPARE(cell.data().toInt(), calendar->selectedDate().day());
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
