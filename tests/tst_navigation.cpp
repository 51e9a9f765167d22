// Moving through the eight steps with Previous and Next.

#include "wizard/mainwindow.h"

#include "dialogdriver.h"
#include "wizardfill.h"
#include "workdir.h"

#include <QLabel>
#include <QPushButton>
#include <QScopedPointer>
#include <QStackedWidget>
#include <QTest>

class TestNavigation : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        workDir.reset(new WorkDir);
        WizardFill::seedEquipment({{"Hospital Central", "Radiologia", "US-01", "Logiq", "GE"}});
        window.reset(new MainWindow(0));
        WizardFill::makeStepsValid(window.data());
        window->show();
        stack = window->findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
        next = window->findChild<QPushButton *>(QStringLiteral("pushButtonNext"));
        previous = window->findChild<QPushButton *>(QStringLiteral("pushButtonPrevious"));
        reportButton = window->findChild<QPushButton *>(QStringLiteral("pushButtonReport"));
        title = window->findChild<QLabel *>(QStringLiteral("labelStep"));
        counter = window->findChild<QLabel *>(QStringLiteral("labelStep2"));
    }
    void cleanup()
    {
        window.reset();
        workDir.reset();
    }

    void firstView();
    void nextWalksThroughSteps_data();
    void nextWalksThroughSteps();
    void finishedStateAndBack();
    void previousOnFirstStepChangesNothing();
    void inputsSurviveNavigation();

private:
    void pressNext(int times)
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(next, Qt::LeftButton);
    }
    void checkStep(int page, const QString &stepTitle, const QString &stepCounter,
                   const QString &nextText, bool nextEnabled, bool reportEnabled)
    {
        QCOMPARE(stack->currentIndex(), page);
        QCOMPARE(title->text(), stepTitle);
        QCOMPARE(counter->text(), stepCounter);
        QCOMPARE(next->text(), nextText);
        QCOMPARE(next->isEnabled(), nextEnabled);
        QCOMPARE(reportButton->isEnabled(), reportEnabled);
        QVERIFY(previous->isEnabled());
    }

    QScopedPointer<WorkDir> workDir;
    QScopedPointer<MainWindow> window;
    QStackedWidget *stack = nullptr;
    QPushButton *next = nullptr;
    QPushButton *previous = nullptr;
    QPushButton *reportButton = nullptr;
    QLabel *title = nullptr;
    QLabel *counter = nullptr;
};

void TestNavigation::firstView()
{
    checkStep(0, QStringLiteral("Equipamento"), QStringLiteral("1 / 8"), QStringLiteral("Próximo"),
              true, false);
    QCOMPARE(stack->count(), 8);
}

void TestNavigation::nextWalksThroughSteps_data()
{
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("stepTitle");
    QTest::addColumn<QString>("nextText");

    QTest::newRow("step 2") << 1 << QStringLiteral("Inspeções Físicas e Mecânicas")
                            << QStringLiteral("Próximo");
    QTest::newRow("step 3") << 2 << QStringLiteral("Uniformidade da imagem")
                            << QStringLiteral("Próximo");
    QTest::newRow("step 4") << 3 << QStringLiteral("Zona Morta / Resolução")
                            << QStringLiteral("Próximo");
    QTest::newRow("step 5") << 4 << QStringLiteral("Medidas na Vertical")
                            << QStringLiteral("Próximo");
    QTest::newRow("step 6") << 5 << QStringLiteral("Medidas na Horizontal")
                            << QStringLiteral("Próximo");
    QTest::newRow("step 7") << 6 << QStringLiteral("Massas") << QStringLiteral("Próximo");
    QTest::newRow("step 8") << 7 << QStringLiteral("Relatório") << QStringLiteral("Concluir");
}

void TestNavigation::nextWalksThroughSteps()
{
    QFETCH(int, presses);
    QFETCH(QString, stepTitle);
    QFETCH(QString, nextText);

    DialogDriver driver;
    pressNext(presses);
    QCOMPARE(driver.seen().size(), 0);
    checkStep(presses, stepTitle, QStringLiteral("%1 / 8").arg(presses + 1), nextText, true, false);
}

void TestNavigation::finishedStateAndBack()
{
    DialogDriver driver;
    pressNext(8);
    // Finished: step 8 stays, Next is greyed out, the report can be made.
    checkStep(7, QStringLiteral("Relatório"), QStringLiteral("8 / 8"), QStringLiteral("Concluir"),
              false, true);

    QTest::mouseClick(previous, Qt::LeftButton);
    checkStep(6, QStringLiteral("Massas"), QStringLiteral("7 / 8"), QStringLiteral("Próximo"), true,
              false);

    pressNext(1);
    checkStep(7, QStringLiteral("Relatório"), QStringLiteral("8 / 8"), QStringLiteral("Concluir"),
              true, false);
    pressNext(1);
    checkStep(7, QStringLiteral("Relatório"), QStringLiteral("8 / 8"), QStringLiteral("Concluir"),
              false, true);
    QCOMPARE(driver.seen().size(), 0);
}

void TestNavigation::previousOnFirstStepChangesNothing()
{
    QTest::mouseClick(previous, Qt::LeftButton);
    checkStep(0, QStringLiteral("Equipamento"), QStringLiteral("1 / 8"), QStringLiteral("Próximo"),
              true, false);

    pressNext(3);
    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(previous, Qt::LeftButton);
    checkStep(0, QStringLiteral("Equipamento"), QStringLiteral("1 / 8"), QStringLiteral("Próximo"),
              true, false);
}

void TestNavigation::inputsSurviveNavigation()
{
    auto *responsible = window->findChild<QLineEdit *>(QStringLiteral("lineTecResp"));
    QVERIFY(responsible);
    pressNext(7);
    responsible->setText(QStringLiteral("João da Silva"));
    for (int i = 0; i < 7; ++i)
        QTest::mouseClick(previous, Qt::LeftButton);
    pressNext(7);
    QCOMPARE(responsible->text(), QStringLiteral("João da Silva"));
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
