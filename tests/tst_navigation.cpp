// Moving through the eight steps with Previous and Next, every step valid: titles,
// counters, the Next button's text and the finished state.

#include "wizard/mainwindow.h"

#include "dialogdriver.h"
#include "wizardfill.h"
#include "workdir.h"

#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

class TestNavigation : public QObject
{
    Q_OBJECT

    QScopedPointer<WorkDir> workDir;
    QScopedPointer<MainWindow> window;

    template <typename T = QPushButton> T *child(const char *name)
    {
        return window->findChild<T *>(QLatin1String(name));
    }
    void click(const char *button, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(child(button), Qt::LeftButton);
    }
    // Step `page` on screen; `finished`: Next greyed out and the report enabled.
    void checkStep(int page, bool finished = false)
    {
        static const QStringList titles = {"Equipamento",
                                           "Inspeções Físicas e Mecânicas",
                                           "Uniformidade da imagem",
                                           "Zona Morta / Resolução",
                                           "Medidas na Vertical",
                                           "Medidas na Horizontal",
                                           "Massas",
                                           "Relatório"};
        QCOMPARE(child<QStackedWidget>("stackedWidget")->currentIndex(), page);
        QCOMPARE(child<QLabel>("labelStep")->text(), titles.at(page));
        QCOMPARE(child<QLabel>("labelStep2")->text(), QStringLiteral("%1 / 8").arg(page + 1));
        QCOMPARE(child("pushButtonNext")->text(), QString(page == 7 ? "Concluir" : "Próximo"));
        QCOMPARE(child("pushButtonNext")->isEnabled(), !finished);
        QCOMPARE(child("pushButtonReport")->isEnabled(), finished);
        QVERIFY(child("pushButtonPrevious")->isEnabled());
    }

private slots:
    void init()
    {
        workDir.reset(new WorkDir);
        WizardFill::seedEquipment({{"Hospital Central", "Radiologia", "US-01", "Logiq", "GE"}});
        window.reset(new MainWindow(0));
        WizardFill::makeStepsValid(window.data());
        window->show();
    }
    void cleanup()
    {
        window.reset();
        workDir.reset();
    }

    void forwardAndBack()
    {
        DialogDriver driver;
        checkStep(0);
        click("pushButtonPrevious");
        checkStep(0);
        for (int page = 1; page < 8; ++page) {
            click("pushButtonNext");
            checkStep(page);
        }
        click("pushButtonNext");
        checkStep(7, true);
        // back from the finished state, then finished again
        click("pushButtonPrevious");
        checkStep(6);
        click("pushButtonNext");
        checkStep(7);
        click("pushButtonNext");
        checkStep(7, true);
        click("pushButtonPrevious", 9);
        checkStep(0);
        // every input survived: each step lets Next through again
        click("pushButtonNext", 8);
        checkStep(7, true);
        QCOMPARE(driver.seen().size(), 0);
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
