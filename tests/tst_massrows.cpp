// The depth check boxes of step 7 switch their own height, width and area
// boxes on and off and leave the typed values alone.

#include "wizard/mainwindow.h"
#include "wizard/massrows.h"
#include "workdir.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QtTest>

namespace {

struct Row
{
    QString checkBox;
    QStringList boxes; // height, width, area
};

// The rows composed from the form's naming schemes (check-box suffix per grid,
// "s" + attenuation + type + quantity + depth), independently of the table
// that the window uses.
QList<Row> composedRows()
{
    const struct
    {
        const char *suffix, *att, *kind;
    } grids[] = {{"", "5", "A"}, {"_1", "7", "A"}, {"_3", "5", "H"}, {"_4", "7", "H"}};
    QList<Row> rows;
    for (const auto &g : grids)
        for (const char *depth : {"2", "4", "6", "8"}) {
            Row r;
            r.checkBox = QString("checkBox%1cm%2").arg(depth, g.suffix);
            for (const char *q : {"A", "L", "Ar"})
                r.boxes << QString("s%1%2%3%4").arg(g.att, g.kind, q, depth);
            rows << r;
        }
    return rows;
}

} // namespace

class TestMassRows : public QObject
{
    Q_OBJECT

    QScopedPointer<WorkDir> wd;
    QScopedPointer<MainWindow> window;

    QCheckBox *check(const QString &name) { return window->findChild<QCheckBox *>(name); }
    QDoubleSpinBox *box(const QString &name) { return window->findChild<QDoubleSpinBox *>(name); }

    QStringList disabledMassBoxes()
    {
        QStringList names;
        for (const Row &r : composedRows())
            for (const QString &b : r.boxes)
                if (!box(b)->isEnabled())
                    names << b;
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

    // The table shared with the report holds the same rows, in slot order.
    void sharedTableMatchesTheForm()
    {
        const QList<Row> rows = composedRows();
        QCOMPARE(rows.size(), massRowCount);
        for (int i = 0; i < massRowCount; ++i) {
            const MassRow &m = massRows[i];
            QCOMPARE(QString(m.checkBox), rows.at(i).checkBox);
            QCOMPARE((QStringList{m.height, m.width, m.area}), rows.at(i).boxes);
            QCOMPARE(m.massType, i < 8 ? 1 : 0);
            QCOMPARE(m.attenuation, (i / 4) % 2);
            QCOMPARE(m.depthColumn, i % 4);
            QVERIFY(check(m.checkBox));
        }
    }

    void eachCheckBoxSwitchesOnlyItsRow_data()
    {
        QTest::addColumn<QString>("checkBox");
        QTest::addColumn<QStringList>("boxes");
        for (const Row &r : composedRows())
            QTest::newRow(qPrintable(r.checkBox)) << r.checkBox << r.boxes;
    }
    void eachCheckBoxSwitchesOnlyItsRow()
    {
        QFETCH(QString, checkBox);
        QFETCH(QStringList, boxes);
        QCheckBox *c = check(checkBox);
        QVERIFY(c);
        c->click();
        QVERIFY(!c->isChecked());
        QCOMPARE(disabledMassBoxes(), boxes);
        c->click();
        QVERIFY(c->isChecked());
        QCOMPARE(disabledMassBoxes(), QStringList());
    }

    void mouseAndKeyboardReachTheSlot()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        window->findChild<QStackedWidget *>("stackedWidget")->setCurrentIndex(6);
        window->findChild<QTabWidget *>("tabWidget_2")->setCurrentIndex(1);
        QCheckBox *c = check("checkBox6cm_3");
        QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(6, c->height() / 2));
        QCOMPARE(disabledMassBoxes(), (QStringList{"s5HA6", "s5HL6", "s5HAr6"}));
        c->setFocus();
        QTest::keyClick(c, Qt::Key_Space);
        QVERIFY(c->isChecked());
        QCOMPARE(disabledMassBoxes(), QStringList());
    }

    void valuesSurviveUnchecking_data()
    {
        QTest::addColumn<QString>("checkBox");
        QTest::addColumn<QString>("spinBox");
        QTest::addColumn<double>("value");
        QTest::newRow("height") << "checkBox4cm"
                                << "s5AA4" << 3.5;
        QTest::newRow("width") << "checkBox8cm_1"
                               << "s7AL8" << 99.999;
        QTest::newRow("area") << "checkBox2cm_4"
                              << "s7HAr2" << 0.001;
    }
    void valuesSurviveUnchecking()
    {
        QFETCH(QString, checkBox);
        QFETCH(QString, spinBox);
        QFETCH(double, value);
        QDoubleSpinBox *b = box(spinBox);
        b->setValue(value);
        check(checkBox)->click();
        QVERIFY(!b->isEnabled());
        QCOMPARE(b->value(), value);
        check(checkBox)->click();
        QVERIFY(b->isEnabled());
        QCOMPARE(b->value(), value);
        QCOMPARE(b->text(), QLocale(QLocale::Portuguese, QLocale::Brazil).toString(value, 'f', 3));
    }
};

QTEST_MAIN(TestMassRows)
#include "tst_massrows.moc"
