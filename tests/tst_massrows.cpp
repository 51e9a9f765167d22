// The depth check boxes of step 7 switch their own height, width and area boxes on
// and off and leave the typed values alone.

#include "wizard/mainwindow.h"
#include "wizard/massrows.h"
#include "workdir.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QtTest>

class TestMassRows : public QObject
{
    Q_OBJECT

    QScopedPointer<WorkDir> wd;
    QScopedPointer<MainWindow> window;

    QStringList disabledBoxes()
    {
        QStringList names;
        for (QDoubleSpinBox *box : window->findChildren<QDoubleSpinBox *>())
            if (!box->isEnabled())
                names << box->objectName();
        names.sort();
        return names;
    }

private slots:
    void init()
    {
        wd.reset(new WorkDir);
        window.reset(new MainWindow(0));
    }
    void cleanup()
    {
        window.reset();
        wd.reset();
    }

    // The rows are composed here from the form's naming rules (check-box suffix per
    // grid, "s" + attenuation + type + quantity + depth), independently of the table
    // that the window and the report use, and compared with it.
    void eachCheckBoxSwitchesOnlyItsRow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("checkBox");
        QTest::addColumn<QStringList>("boxes");
        const struct
        {
            const char *suffix, *attenuation, *type;
        } grids[] = {{"", "5", "A"}, {"_1", "7", "A"}, {"_3", "5", "H"}, {"_4", "7", "H"}};
        int row = 0;
        for (const auto &grid : grids) {
            for (const char *depth : {"2", "4", "6", "8"}) {
                QStringList boxes;
                for (const char *quantity : {"A", "L", "Ar"})
                    boxes << QString("s%1%2%3%4").arg(grid.attenuation, grid.type, quantity, depth);
                const QString checkBox = QString("checkBox%1cm%2").arg(depth, grid.suffix);
                QTest::newRow(qPrintable(checkBox)) << row++ << checkBox << boxes;
            }
        }
    }
    void eachCheckBoxSwitchesOnlyItsRow()
    {
        QFETCH(int, row);
        QFETCH(QString, checkBox);
        QFETCH(QStringList, boxes);
        const MassRow &mass = massRows[row];
        QCOMPARE(QString(mass.checkBox), checkBox);
        QCOMPARE((QStringList{mass.height, mass.width, mass.area}), boxes);
        QCOMPARE(mass.massType, row < 8 ? 1 : 0);
        QCOMPARE(mass.attenuation, row / 4 % 2);
        QCOMPARE(mass.depthColumn, row % 4);

        auto *box = window->findChild<QCheckBox *>(checkBox);
        QVERIFY(box);
        QCOMPARE(disabledBoxes(), QStringList());
        box->click();
        boxes.sort();
        QCOMPARE(disabledBoxes(), boxes);
        box->click();
        QCOMPARE(disabledBoxes(), QStringList());
    }

    // A real click and the space key reach the slot; the typed value survives.
    void mouseKeyboardAndValues()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        window->findChild<QStackedWidget *>("stackedWidget")->setCurrentIndex(6);
        window->findChild<QTabWidget *>("tabWidget_2")->setCurrentIndex(1);
        auto *box = window->findChild<QCheckBox *>("checkBox6cm_3");
        auto *height = window->findChild<QDoubleSpinBox *>("s5HA6");
        height->setValue(3.5);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        QCOMPARE(disabledBoxes(), (QStringList{"s5HA6", "s5HAr6", "s5HL6"}));
        QCOMPARE(height->text(), QStringLiteral("3,500"));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
        QVERIFY(box->isChecked());
        QCOMPARE(disabledBoxes(), QStringList());
        QCOMPARE(height->text(), QStringLiteral("3,500"));
    }
};

QTEST_MAIN(TestMassRows)
#include "tst_massrows.moc"
