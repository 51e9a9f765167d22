// screen: xcb 192 dpi
// On a screen of twice the usual density every step, the equipment dialog and the
// report pages keep the layout they have at 96 dpi at twice the size: no two
// sibling widgets overlap and no text is cut, in either language.

#include "app/highdpi.h"
#include "app/language.h"
#include "wizard/mainwindow.h"

#include "dialogdriver.h"
#include "wizardfill.h"
#include "workdir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTest>
#include <QTranslator>

namespace {
// Overlapping siblings and widgets smaller than their text, under root.
QStringList faults(QWidget *root)
{
    QStringList found;
    QList<QWidget *> siblings;
    for (QWidget *child : root->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!child->isVisible() || child->isWindow())
            continue;
        found << faults(child);
        if (child->objectName().startsWith("qt_"))
            continue;
        for (QWidget *other : siblings)
            if (other->geometry().intersects(child->geometry()))
                found << other->objectName() + " over " + child->objectName();
        siblings << child;
        auto *label = qobject_cast<QLabel *>(child);
        const bool hasText = (label && !label->text().isEmpty() && !label->wordWrap()) ||
                             qobject_cast<QAbstractButton *>(child) ||
                             qobject_cast<QComboBox *>(child);
        const QSize needed =
            qobject_cast<QComboBox *>(child) ? child->sizeHint() : child->minimumSizeHint();
        if (hasText && (child->width() < needed.width() || child->height() < needed.height()))
            found << child->objectName() + " cut";
    }
    return found;
}
} // namespace

class TestHighDensity : public QObject
{
    Q_OBJECT

    QString shots = qEnvironmentVariable("ZETU_SHOTS"); // folder for screenshots, if set

    QStringList found; // what look saw wrong, by screen

    void look(QWidget *widget, const QSize &size, const QString &name)
    {
        QTest::qWait(20); // layouts follow texts set a moment ago
        const QPixmap shot = widget->grab();
        if (!shots.isEmpty())
            shot.save(shots + "/" + QTest::currentDataTag() + "-" + name + ".png");
        if (widget->devicePixelRatioF() != 2.0 || widget->size() != size || shot.size() != size * 2)
            found << name + ": not at twice the size";
        for (const QString &fault : faults(widget))
            found << name + ": " + fault;
    }

private slots:
    void everyScreen_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("pt_BR") << "pt_BR";
        QTest::newRow("en_US") << "en_US";
    }
    void everyScreen()
    {
        QFETCH(QString, language);
        found.clear();
        WorkDir workDir;
        QTranslator translator;
        WizardFill::seedEquipment({{"Hospital Universitário", "Radiologia", "US-000123",
                                    "Logiq P5 Premium", "GE Healthcare"}});
        MainWindow window(installCatalogue(translator, language));
        WizardFill::makeStepsValid(&window);
        window.findChild<QComboBox *>("comboBox4ImgUnifor")->setCurrentIndex(2);
        window.findChild<QPlainTextEdit *>("plainTextEdit4")->setPlainText("Sombra à esquerda");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        DialogDriver driver;
        auto *next = window.findChild<QAbstractButton *>("pushButtonNext");
        for (int step = 1; step <= 8; ++step) {
            look(&window, QSize(700, 500), QString::number(step));
            next->click();
        }
        driver.then([&](QWidget *dialog) { // the equipment dialog
            look(dialog, QSize(448, 246), "equipment");
            dialog->close();
        });
        window.findChild<QAbstractButton *>("pushButtonNewRecord")->click();
        driver.then([&](QWidget *report) {
            for (int page = 1; page <= 3; ++page) {
                auto *frame = report->findChild<QWidget *>(QString("frameFormPage%1").arg(page));
                look(frame, frame->size(), "report" + QString::number(page));
            }
            report->close();
        });
        window.findChild<QAbstractButton *>("pushButtonReport")->click();
        QVERIFY(driver.waitDone());
        QCOMPARE(driver.unexpectedCount(), 0);
        QCoreApplication::removeTranslator(&translator);
        QVERIFY2(found.isEmpty(), qPrintable(found.join("\n")));
    }
};

int main(int argc, char *argv[])
{
    enableHighDpiScaling();
    QApplication application(argc, argv);
    TestHighDensity test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdensity.moc"
