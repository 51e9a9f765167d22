// The report button: the wizard's values as the real modal report shows them, with
// the marks of the judged results and the footers.

#include "dialogdriver.h"
#include "wizard/mainwindow.h"
#include "wizardfill.h"
#include "workdir.h"

#include <QtTest>
#include <QtWidgets>

// Per group of masses: wizard prefix, check-box suffixes in the wizard and on the report
// ("-" none), the labels of the ratio and area marks, heights, widths, areas by depth.
const char *const masses[4] = {
    "s5A - - 62 63 64 65 67 68 69 70 180 181 182 183 187 186 185 184 188 189 190 191",
    "s7A _1 _2 47 49 50 46 54 53 52 51 196 193 203 204 198 201 205 195 199 197 200 207",
    "s5H _3 _3 77 78 79 80 82 83 84 85 212 209 219 220 214 217 221 211 215 213 216 223",
    "s7H _4 _4 92 93 94 95 97 98 99 100 228 225 249 250 230 247 251 227 245 229 246 253"};

class TestReportAssembly : public QObject
{
    Q_OBJECT

    QScopedPointer<WorkDir> wd;
    QScopedPointer<MainWindow> window;
    // The last report: texts of labels and check boxes ("on", "off"), marks "+", "-", "".
    QMap<QString, QString> text, mark;

    template <typename T = QWidget> T *child(const QString &name)
    {
        return window->findChild<T *>(name);
    }
    void spin(const QString &name, double value) { child<QDoubleSpinBox>(name)->setValue(value); }

    // Presses the report button, reads the modal report and cancels it.
    void assemble()
    {
        const QImage pass =
            QImage(":/icons/checkmark@4x.png").convertToFormat(QImage::Format_ARGB32);
        DialogDriver driver;
        driver.then([&](QWidget *report) {
            for (QLabel *label : report->findChildren<QLabel *>()) {
                const QImage image = label->pixmap(Qt::ReturnByValue).toImage();
                text[label->objectName()] = label->text();
                mark[label->objectName()] = image.isNull() ? ""
                                            : image.convertToFormat(QImage::Format_ARGB32) == pass
                                                ? "+"
                                                : "-";
            }
            for (QCheckBox *box : report->findChildren<QCheckBox *>())
                text[box->objectName()] = box->isChecked() ? "on" : "off";
            report->findChild<QPushButton *>("pushButtonCancel")->click();
        });
        QTest::mouseClick(child("pushButtonReport"), Qt::LeftButton);
        QVERIFY(driver.waitDone());
    }

private slots:
    // The window on the registry, every step valid, walked to the finished state.
    void init()
    {
        window.reset();
        wd.reset(new WorkDir);
        WizardFill::seedEquipment({{"Hospital Central", "Radiologia", "US-01", "Logiq", "GE"},
                                   {"Clínica Sul", "Sala 2", "US-77", "Acuson", "Siemens"}});
        window.reset(new MainWindow(0));
        WizardFill::makeStepsValid(window.data());
        window->show();
        for (int step = 0; step < 8; ++step)
            QTest::mouseClick(child("pushButtonNext"), Qt::LeftButton);
        QVERIFY(child("pushButtonReport")->isEnabled());
    }
    // Each dead-zone and resolution choice reaches its own cell, judged at the frequency:
    // the one box on a passing choice holds the only pass mark.
    void deadZoneAndResolution()
    {
        const QStringList boxes = {"05db_ZM", "07db_ZM", "05db_RA",
                                   "07db_RA", "05db_RL", "07db_RL"};
        const QStringList cells = {"15 132", "30 131", "20 135", "31 130", "21 134", "32 138"};
        child<QDoubleSpinBox>("doubleSpinBox4Freq")->setValue(5.0);
        ReportForm().clearMassMarks(0, 4, 0); // a depth past the fourth is no cell
        for (int b = 0; b < 6; ++b) {
            for (int o = 0; o < 6; ++o)
                child<QComboBox>("comboBox2_" + boxes[o])->setCurrentIndex(o == b ? 1 : 4);
            assemble();
            for (int o = 0; o < 6; ++o) {
                const QStringList c = cells[o].split(' ');
                QCOMPARE(mark["label_" + c[0]], QString(o == b ? "+" : "-"));
                QCOMPARE(text["label_" + c[1]],
                         child<QComboBox>("comboBox2_" + boxes[o])->currentText());
            }
        }
    }

    // Every mass box a value of its own. Mass `target` passes both checks, the next only
    // the ratio, the others fail both; then the next but one is unchecked in the wizard
    // and a second report empties its marks and still prints its numbers. The header
    // shows the selected record, not the first; the footers the values of step 8.
    void reportOfMasses_data()
    {
        QTest::addColumn<int>("target");
        for (int r = 0; r < 16; ++r)
            QTest::newRow(qPrintable(QString::number(r))) << r;
    }
    void reportOfMasses()
    {
        QFETCH(int, target);
        const int next = (target + 1) % 16, off = (target + 2) % 16;
        const double goodArea[4] = {3.1, 12.5, 28, 28}; // passes at its own depth only
        auto value = [&](int r, int q) {                // q: 0 height, 1 width, 2 area
            if (q == 2)
                return r == target ? goodArea[r % 4] : 50.5 + r;
            return 30.25 + r - (q == 1 || r == target ? 0 : r == next ? 0.5 : 2);
        };
        auto cm = [](int r) { return QString::number(2 + 2 * (r % 4)) + "cm"; };
        auto group = [](int r) { return QString(masses[r / 4]).split(' '); };
        child<QTableView>("tableView")->selectRow(1);
        child<QCalendarWidget>("calendarWidget")->setSelectedDate(QDate(2024, 3, 7));
        child<QLineEdit>("lineTecResp")->setText("Ana Lima");
        for (int r = 0; r < 16; ++r)
            for (int q = 0; q < 3; ++q)
                spin(group(r)[0] + QStringList{"A", "L", "Ar"}[q] + cm(r).chopped(2), value(r, q));
        for (bool second : {false, true}) {
            if (second)
                child<QCheckBox>("checkBox" + cm(off) + group(off)[1].remove('-'))
                    ->setChecked(false);
            assemble();
            QCOMPARE(text["labelManufact"] + text["labelModel"] + text["labelInstitution"] +
                         text["labelLocal"] + text["labelID"],
                     "SiemensAcusonClínica SulSala 2US-77");
            for (const QString page : {"", "_2", "_3"})
                QCOMPARE(text["labelDate" + page] + text["labelResp" + page], "07/03/2024Ana Lima");
            for (int r = 0; r < 16; ++r) {
                const QStringList c = ("label_" + group(r).mid(3).join(" label_")).split(' ');
                const bool judged = !second || r != off;
                for (int q = 0; q < 3; ++q)
                    QCOMPARE(text[c[8 + 4 * q + r % 4]], QString::number(value(r, q)));
                const char *marks = r == target ? "++" : r == next ? "+-" : "--";
                QCOMPARE(mark[c[r % 4]] + mark[c[4 + r % 4]], judged ? marks : "");
                QCOMPARE(text["checkBox" + cm(r) + group(r)[2].remove('-')], judged ? "on" : "off");
            }
        }
    }
};

QTEST_MAIN(TestReportAssembly)
#include "tst_reportassembly.moc"
