// The depth check boxes of step 7 switch their own height, width and area boxes on
// and off and leave the typed values alone (a real click is made end to end).

#include "wizard/mainwindow.h"
#include "workdir.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
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

    // Composed from the form's naming: check-box suffix per grid, and "s" + attenuation
    // + type + quantity + depth for the boxes.
    void eachCheckBoxSwitchesOnlyItsRow_data()
    {
        QTest::addColumn<QStringList>("boxes");
        const char *const grids[][2] = {{"", "5A"}, {"_1", "7A"}, {"_3", "5H"}, {"_4", "7H"}};
        for (const auto &grid : grids) {
            for (const char *depth : {"2", "4", "6", "8"}) {
                QStringList boxes;
                for (const char *quantity : {"A", "Ar", "L"})
                    boxes << QString("s%1%2%3").arg(grid[1], quantity, depth);
                QTest::newRow(qPrintable(QString("checkBox%1cm%2").arg(depth, grid[0]))) << boxes;
            }
        }
    }
    void eachCheckBoxSwitchesOnlyItsRow()
    {
        QFETCH(QStringList, boxes);
        auto *box = window->findChild<QCheckBox *>(QTest::currentDataTag());
        QVERIFY(box);
        for (const QString &name : boxes)
            window->findChild<QDoubleSpinBox *>(name)->setValue(3.5);
        QCOMPARE(disabledBoxes(), QStringList());
        box->click();
        QCOMPARE(disabledBoxes(), boxes);
        box->click();
        QCOMPARE(disabledBoxes(), QStringList());
        // the typed values stay
        for (const QString &name : boxes)
            QCOMPARE(window->findChild<QDoubleSpinBox *>(name)->value(), 3.5);
    }
};

QTEST_MAIN(TestMassRows)
#include "tst_massrows.moc"
