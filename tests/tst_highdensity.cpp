// screen: xcb 192 dpi
// At twice the usual density, with a system week from Monday, in both languages:
// every step, the equipment dialog and each report page keep their 96 dpi layout at
// twice the size, without overlapping siblings or cut text; the calendar highlights
// the selected date; each step opens with its first input focused, and Enter there
// (or on Next) moves on; the report opens from its shortcut.

#include "app/highdpi.h"
#include "app/language.h"
#include "wizard/mainwindow.h"

#include "dialogdriver.h"
#include "wizardfill.h"
#include "workdir.h"

#include <QtTest>
#include <QtWidgets>

class TestHighDensity : public QObject
{
    Q_OBJECT

    QStringList found; // what look saw wrong, by screen

    // Siblings that overlap and widgets smaller than their text, under root.
    void inspect(QWidget *root, const QString &screen)
    {
        QList<QWidget *> siblings;
        for (QWidget *child :
             root->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!child->isVisible() || child->isWindow())
                continue;
            inspect(child, screen);
            const QString name = screen + ": " + child->objectName();
            if (child->objectName().isEmpty() || name.contains(" qt_"))
                continue; // Qt's own parts of a widget
            for (QWidget *other : siblings)
                if (other->geometry().intersects(child->geometry()))
                    found << name + " over " + other->objectName();
            siblings << child;
            const bool combo = child->inherits("QComboBox");
            const QSize needed = combo ? child->sizeHint() : child->minimumSizeHint();
            if ((combo || child->inherits("QAbstractButton") || child->inherits("QLabel")) &&
                (child->width() < needed.width() || child->height() < needed.height()))
                found << name + " cut";
        }
    }
    void look(QWidget *widget, const QSize &size, const QString &screen)
    {
        QTest::qWait(20); // layouts follow texts set a moment ago
        if (widget->devicePixelRatioF() != 2 || widget->size() != size ||
            widget->grab().size() != size * 2)
            found << screen + ": not at twice the size";
        inspect(widget, screen);
    }

private slots:
    void everyScreen_data()
    {
        QTest::addColumn<int>("none"); // the tag is the language
        QTest::newRow("pt_BR"), QTest::newRow("en_US");
    }
    void everyScreen()
    {
        WorkDir workDir;
        QTranslator translator;
        found.clear();
        WizardFill::seedEquipment({{"Hospital Universitário", "Radiologia", "US-000123",
                                    "Logiq P5 Premium", "GE Healthcare"}});
        MainWindow window(installCatalogue(translator, QTest::currentDataTag()));
        WizardFill::makeStepsValid(&window);
        window.findChild<QComboBox *>("comboBox4ImgUnifor")->setCurrentIndex(2);
        window.findChild<QPlainTextEdit *>("plainTextEdit4")->setPlainText("Sombra à esquerda");
        auto *calendar = window.findChild<QCalendarWidget *>("calendarWidget");
        const QModelIndex day = calendar->findChild<QTableView *>()->currentIndex();
        QCOMPARE(day.data().toInt(), calendar->selectedDate().day());
        window.show();
        auto *next = window.findChild<QPushButton *>("pushButtonNext");
        QStringList focused;
        for (int step = 1; step <= 8; ++step) { // Enter in the focused field, else on Next
            // the steps' 700 × 500 and the menu bar above them
            look(&window, QSize(700, 500 + window.menuBar()->height()), QString::number(step));
            QCOMPARE(next->text(),
                     QCoreApplication::translate("MainWindow", step == 8 ? "Concluir" : "Próximo"));
            QWidget *focus = window.focusWidget();
            focused << focus->objectName();
            if (!focus->inherits("QLineEdit") && !focus->inherits("QAbstractSpinBox"))
                (focus = next)->setFocus();
            QTest::keyClick(focus, step % 2 ? Qt::Key_Return : Qt::Key_Enter, Qt::NoModifier);
        }
        QCOMPARE(focused.join(' '), "tableView comboBox3cabo comboBox4ImgUnifor comboBox2_07db_ZM "
                                    "doubleSpinBox5_05_12 doubleSpinBox6_3cm_05_12 s5AA2 "
                                    "lineTecResp");
        DialogDriver driver;
        driver.then([&](QWidget *dialog) {
            look(dialog, QSize(448, 246), "equipment");
            dialog->close();
        });
        window.findChild<QPushButton *>("pushButtonNewRecord")->click();
        bool stayed = false;
        driver.then([&](QWidget *dialog) { // Enter saves: the file dialog, not the end
            for (QWidget *page : dialog->findChildren<QWidget *>(QRegularExpression("^frameFormP")))
                look(page, page->size(), page->objectName());
            QTest::keyClick(dialog, Qt::Key_Return);
            stayed = dialog->isVisible();
            dialog->close();
        });
        driver.cancelFile();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
        QVERIFY(driver.waitDone());
        QVERIFY2(found.isEmpty(), qPrintable(found.join("\n")));
        QVERIFY(stayed);
    }
};

int main(int argc, char *argv[])
{
    enableHighDpiScaling();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QApplication application(argc, argv);
    TestHighDensity test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdensity.moc"
