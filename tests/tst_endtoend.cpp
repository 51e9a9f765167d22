// One whole inspection from an empty working directory through the real widgets and
// dialogs: a scanner added, every step filled, the report saved as a PDF and the
// inspection kept as reported.

#include "dialogdriver.h"
#include "history/inspectionstore.h"
#include "wizard/mainwindow.h"
#include "workdir.h"

#include <QtTest>
#include <QtWidgets>
#include <functional>

namespace {

const char *const pageNames[] = {"frameFormPage1", "frameFormPage2", "frameFormPage3"};

// The page objects of a PDF file, -1 for any other file; `a4` counts the media boxes
// of 595 x 842 points. The program writes uncompressed page dictionaries.
int pdfPages(const QString &path, int *a4 = nullptr)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = file.readAll();
    const QString data = QString::fromLatin1(bytes.constData(), bytes.size());
    if (!data.startsWith(QLatin1String("%PDF-")))
        return -1;
    const QRegularExpression box(
        QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)"));
    for (auto it = box.globalMatch(data); a4 && it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        *a4 +=
            qAbs(m.captured(1).toDouble() - 595) <= 1 && qAbs(m.captured(2).toDouble() - 842) <= 1;
    }
    return data.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![s\\w])")));
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

    QScopedPointer<WorkDir> wd;
    QScopedPointer<MainWindow> window;
    QScopedPointer<DialogDriver> driver;

    template <typename T = QWidget> T *child(const char *name, QWidget *parent = nullptr)
    {
        return (parent ? parent : window.data())->findChild<T *>(QLatin1String(name));
    }
    void click(const char *name, QWidget *parent = nullptr)
    {
        QTest::mouseClick(child(name, parent), Qt::LeftButton);
    }
    // Types like a keyboard; keys that QTest cannot name come as their text alone.
    static void type(QWidget *w, const QString &text)
    {
        if (auto *spin = qobject_cast<QAbstractSpinBox *>(w))
            spin->selectAll();
        for (const QChar c : text) {
            if (c.unicode() < 128) {
                QTest::keyClick(w, c.toLatin1());
            } else {
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
                QCoreApplication::sendEvent(w, &press);
            }
        }
    }
    // Writes a picture of one colour and chooses it in the button's file dialog.
    void choosePicture(const char *button, const char *name, QColor colour)
    {
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(colour);
        QVERIFY(image.save(wd->file(name)));
        driver->chooseFile(wd->file(name));
        click(button);
        QVERIFY(driver->waitDone());
    }
    void next(const char *counter)
    {
        click("pushButtonNext");
        QCOMPARE(child<QLabel>("labelStep2")->text(), QString::fromLatin1(counter));
    }
    void walkToFinished();
    void inReport(const std::function<void(QWidget *)> &inside);
    void save(QWidget *report, const QString &path)
    {
        driver->chooseFile(path);
        click("pushButtonSave", report);
    }
    static void checkStillOpenAndBoxed(QWidget *report)
    {
        QVERIFY(report->isVisible());
        for (const char *name : pageNames)
            QCOMPARE(report->findChild<QFrame *>(QLatin1String(name))->frameShape(), QFrame::Box);
    }

private slots:
    void init()
    {
        wd.reset(new WorkDir);
        driver.reset(new DialogDriver);
        window.reset(new MainWindow(0));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
    }
    void cleanup()
    {
        window.reset();
        driver.reset();
        wd.reset();
    }
    void wholeInspectionToPdf();
};

void TestEndToEnd::walkToFinished()
{
    // Step 1: a new scanner typed into the equipment dialog, then chosen in the list.
    driver->then([this](QWidget *dialog) {
        const char *fields[] = {"lineEditInstit", "lineEditLocal", "lineEditID", "lineEditModelo",
                                "lineEditFabricante"};
        const QStringList values{"Hospital São Lucas", "Radiologia", "US-03", "Logiq P6", "GE"};
        for (int i = 0; i < 5; ++i)
            type(child(fields[i], dialog), values.at(i));
        click("pushButtonAdd", dialog);
    });
    click("pushButtonNewRecord");
    QVERIFY(driver->waitDone());
    auto *view = child<QTableView>("tableView");
    view->clearSelection(); // chosen by a click on its row
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(0, 2)).center());
    next("2 / 8");

    // Step 2: six ratings and two photographs.
    const char *ratings[] = {"comboBox3cabo",   "comboBox3Monitor",    "comboBox3Controles",
                             "comboBox3botoes", "comboBox3FiltPoeira", "comboBox3Transtud"};
    for (int i = 0; i < 6; ++i)
        child<QComboBox>(ratings[i])->setCurrentIndex(1 + i % 5);
    choosePicture("pushButtonMonitor", "monitor.png", Qt::darkBlue);
    choosePicture("pushButton3Trasdutores", "transducer.png", Qt::darkGreen);
    next("3 / 8");

    // Step 3: not uniform, so an explanation; the uniformity image; the transducer.
    child<QComboBox>("comboBox4ImgUnifor")->setCurrentIndex(2);
    const QString explanation = QStringLiteral("Faixa escura à esquerda, 2 cm.");
    type(child("plainTextEdit4"), explanation);
    QCOMPARE(child<QPlainTextEdit>("plainTextEdit4")->toPlainText(), explanation);
    choosePicture("pushButtonLoadUniImg", "uniformity.png", Qt::gray);
    type(child("lineEdit4Transdutor"), QStringLiteral("Convexo"));
    next("4 / 8");

    // Step 4: dead zone and resolution.
    for (const char *name : {"comboBox2_05db_ZM", "comboBox2_05db_RA", "comboBox2_05db_RL",
                             "comboBox2_07db_ZM", "comboBox2_07db_RA", "comboBox2_07db_RL"})
        child<QComboBox>(name)->setCurrentIndex(2);
    next("5 / 8");

    // Steps 5 and 6: distances typed with the decimal comma.
    type(child("doubleSpinBox5_05_12"), QStringLiteral("9,8"));
    type(child("doubleSpinBox5_07_910"), QStringLiteral("10,25"));
    QCOMPARE(child<QDoubleSpinBox>("doubleSpinBox5_05_12")->value(), 9.8);
    QCOMPARE(child<QDoubleSpinBox>("doubleSpinBox5_07_910")->value(), 10.25);
    next("6 / 8");
    type(child("doubleSpinBox6_3cm_05_12"), QStringLiteral("10,1"));
    type(child("doubleSpinBox6_9cm_07_34"), QStringLiteral("9,9"));
    next("7 / 8");

    // Step 7: every mass measured but hyperechoic 0.5 dB at 6 cm, unchecked with its
    // boxes left at 0 (the step refuses them otherwise).
    for (QDoubleSpinBox *box : window->findChildren<QDoubleSpinBox *>(
             QRegularExpression(QStringLiteral("^s[57][AH](A|L|Ar)[2468]$")))) {
        if (!box->objectName().startsWith(QLatin1String("s5H")) ||
            !box->objectName().endsWith(QLatin1Char('6')))
            box->setValue(4.5);
    }
    child<QTabWidget>("tabWidget_2")->setCurrentIndex(1);
    click("checkBox6cm_3");
    next("8 / 8");

    // Step 8: the technician; Concluir enters the finished state.
    type(child("lineTecResp"), QStringLiteral("Ana Lúcia Lima"));
    next("8 / 8");
    QVERIFY(!child("pushButtonNext")->isEnabled());
    QVERIFY(child("pushButtonReport")->isEnabled());
    QCOMPARE(driver->unexpectedCount(), 0); // no validation box on the way
    QCOMPARE(driver->seen().size(), 4);     // the equipment dialog and three file dialogs
    driver->clear();
}

// Opens the report with its button and runs `inside` on the modal report; whatever
// `inside` leaves open is closed, so a failure inside cannot hang the test.
void TestEndToEnd::inReport(const std::function<void(QWidget *)> &inside)
{
    QPointer<QWidget> shown;
    driver->then([&](QWidget *report) {
        shown = report;
        inside(report);
        if (report->isVisible())
            report->close();
    });
    click("pushButtonReport");
    QVERIFY(driver->waitDone());
    QVERIFY(shown);
    QCOMPARE(shown->metaObject()->className(), "ReportForm");
    QVERIFY(!shown->isVisible());
}

void TestEndToEnd::wholeInspectionToPdf()
{
    walkToFinished();
    if (QTest::currentTestFailed())
        return;
    const QString first = wd->file(QStringLiteral("home/Documents/relatorio_zetu.pdf"));
    const QString second = wd->file(QStringLiteral("segunda via.pdf"));
    bool cancelClosed = false;
    inReport([&](QWidget *report) {
        save(report, first);
        save(report, second);
        checkStillOpenAndBoxed(report);
        click("pushButtonCancel", report);
        cancelClosed = !report->isVisible();
    });
    QVERIFY(cancelClosed);
    QCOMPARE(driver->unexpectedCount(), 0);
    QCOMPARE(driver->seen().size(), 3); // the report and two save dialogs
    for (const QString &path : {first, second}) {
        int a4 = 0;
        QCOMPARE(pdfPages(path, &a4), 3);
        QCOMPARE(a4, 3);
    }
    // the inspection is kept as reported, with the last file saved and its values
    const QVector<StoredInspection> kept = InspectionStore::forEquipment(1);
    QCOMPARE(kept.size(), 1);
    QCOMPARE(kept[0].state, StoredInspection::Reported);
    QCOMPARE(kept[0].pdfPath, second);
    QCOMPARE(kept[0].values["lineTecResp"].toString(), QStringLiteral("Ana Lúcia Lima"));
    QCOMPARE(kept[0].values["doubleSpinBox5_07_910"].toDouble(), 10.25);
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
