// Next leaves a step only when its inputs are complete; otherwise one error box with
// the first failing rule's message, in Portuguese or from the English catalogue.

#include "dialogdriver.h"
#include "wizard/mainwindow.h"
#include "wizardfill.h"
#include "workdir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTableView>
#include <QTranslator>
#include <QtTest>

class TestValidation : public QObject
{
    Q_OBJECT

    QScopedPointer<WorkDir> wd;
    QScopedPointer<MainWindow> window;
    QTranslator translator;

    template <typename T> T *child(const QString &name) { return window->findChild<T *>(name); }

    // Changes a valid wizard by "name=value" entries: combo boxes take an index, text
    // fields a text, check boxes 0 or 1 (clicked like the user does), mass boxes a
    // number; "equipment=none" clears the list's selection, "equipment=empty" gives it
    // no rows, "masses=0" and "checks=0" set all mass boxes to 0 or uncheck all rows.
    void apply(const QStringList &changes)
    {
        for (const QString &change : changes) {
            const QString name = change.section('=', 0, 0);
            const QString value = change.section('=', 1);
            if (name == "equipment") {
                auto *view = child<QTableView>("tableView");
                if (value == "empty")
                    view->setModel(new QStandardItemModel(0, 6, view));
                view->clearSelection();
            } else if (name == "masses") {
                for (QDoubleSpinBox *box : window->findChildren<QDoubleSpinBox *>(
                         QRegularExpression("^s[57][AH](A|L|Ar)[2468]$")))
                    box->setValue(0);
            } else if (name == "checks") {
                for (QCheckBox *box : window->findChildren<QCheckBox *>())
                    if (box->isChecked())
                        box->click();
            } else if (auto *combo = child<QComboBox>(name)) {
                combo->setCurrentIndex(value.toInt());
            } else if (auto *line = child<QLineEdit>(name)) {
                line->setText(value);
            } else if (auto *plain = child<QPlainTextEdit>(name)) {
                plain->setPlainText(value);
            } else if (auto *check = child<QCheckBox>(name)) {
                if (check->isChecked() != (value == "1"))
                    check->click();
            } else if (auto *spin = child<QDoubleSpinBox>(name)) {
                spin->setValue(value.toDouble());
            } else {
                QFAIL(qPrintable("no input " + name));
            }
        }
    }

private slots:
    void init()
    {
        wd.reset(new WorkDir);
        WizardFill::seedEquipment({{"Hospital", "Sala 2", "US-7", "Logiq", "GE"},
                                   {"Hospital", "Sala 3", "US-8", "Acuson", "Siemens"}});
        window.reset(new MainWindow(0));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        WizardFill::makeStepsValid(window.data());
    }
    void cleanup()
    {
        window.reset();
        QCoreApplication::removeTranslator(&translator);
        wd.reset();
    }

    void rules_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<int>("step");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QString>("message"); // empty: the step is left
        QTest::addColumn<QStringList>("selected");

        const QString equipment = "Selecione um equipamento";
        const QString choice = "Selecione um valor para cada campo";
        const QString rating = "Selecione um valor para a uniformidade";
        const QString explain = "Preencha o campo de texto\nexplicando a inomogeneidade";
        const QString transducer = "Preencha o campo transdutor";
        const QString both = "Massa(s) Anecóicas e Hiperecóicas não preenchida(s)";
        const QString responsible = "Prencha o nome do responsável técnico";
        const QStringList none;

        QTest::newRow("1 selected") << false << 0 << none << "" << none;
        QTest::newRow("1 no selection")
            << false << 0 << QStringList{"equipment=none"} << equipment << none;
        QTest::newRow("1 empty list")
            << false << 0 << QStringList{"equipment=empty"} << equipment << none;
        QTest::newRow("1 English")
            << true << 0 << QStringList{"equipment=none"} << "Select an equipment" << none;

        // every box of the rule counts, whichever one is left unchosen
        for (const char *box : {"comboBox3cabo", "comboBox3botoes", "comboBox3Controles",
                                "comboBox3FiltPoeira", "comboBox3Monitor", "comboBox3Transtud"})
            QTest::newRow(qPrintable(QString("2 without %1").arg(box)))
                << false << 1 << QStringList{QString(box) + "=0"} << choice << none;
        QTest::newRow("2 complete") << false << 1 << none << "" << none;
        QTest::newRow("2 English") << true << 1 << QStringList{"comboBox3Transtud=0"}
                                   << "Select a value to each field" << none;

        QTest::newRow("3 not rated")
            << false << 2 << QStringList{"comboBox4ImgUnifor=0"} << rating << none;
        QTest::newRow("3 not rated, nothing else")
            << false << 2 << QStringList{"comboBox4ImgUnifor=0", "lineEdit4Transdutor="} << rating
            << none;
        QTest::newRow("3 uniform, no transducer")
            << false << 2 << QStringList{"lineEdit4Transdutor="} << transducer << none;
        QTest::newRow("3 large, no explanation, no transducer: explanation only")
            << false << 2 << QStringList{"comboBox4ImgUnifor=3", "lineEdit4Transdutor="} << explain
            << none;
        QTest::newRow("3 few, explained, no transducer")
            << false << 2
            << QStringList{"comboBox4ImgUnifor=2", "plainTextEdit4=sombra", "lineEdit4Transdutor="}
            << transducer << none;
        QTest::newRow("3 large, explained")
            << false << 2 << QStringList{"comboBox4ImgUnifor=3", "plainTextEdit4=sombra"} << ""
            << none;
        QTest::newRow("3 blanks count as text")
            << false << 2
            << QStringList{"comboBox4ImgUnifor=2", "plainTextEdit4= ", "lineEdit4Transdutor= "}
            << "" << none;
        QTest::newRow("3 frequency not examined")
            << false << 2 << QStringList{"doubleSpinBox4Freq=1"} << "" << none;
        QTest::newRow("3 English rating") << true << 2 << QStringList{"comboBox4ImgUnifor=0"}
                                          << "Select a value to the uniformity" << none;
        QTest::newRow("3 English explanation")
            << true << 2 << QStringList{"comboBox4ImgUnifor=2"}
            << "Fill the text field explaining the inhomogeneity" << none;
        QTest::newRow("3 English transducer") << true << 2 << QStringList{"lineEdit4Transdutor="}
                                              << "Fill the transducer field" << none;

        for (const char *box : {"comboBox2_05db_RA", "comboBox2_05db_RL", "comboBox2_05db_ZM",
                                "comboBox2_07db_RA", "comboBox2_07db_RL", "comboBox2_07db_ZM"})
            QTest::newRow(qPrintable(QString("4 without %1").arg(box)))
                << false << 3 << QStringList{QString(box) + "=0"} << choice << none;

        QTest::newRow("5 start values") << false << 4 << none << "" << none;
        QTest::newRow("6 start values") << false << 5 << none << "" << none;

        QTest::newRow("7 all filled") << false << 6 << none << "" << none;
        QTest::newRow("7 all unchecked, all zero")
            << false << 6 << QStringList{"masses=0", "checks=0"} << "" << none;
        QTest::newRow("7 anechoic width zero")
            << false << 6 << QStringList{"s5AL4=0"} << "Massa(s) Anecóicas não preenchida(s)"
            << QStringList{"s5AL4"};
        QTest::newRow("7 anechoic width zero, unchecked")
            << false << 6 << QStringList{"s5AL4=0", "checkBox4cm=0"} << "" << none;
        QTest::newRow("7 hyperechoic area zero")
            << false << 6 << QStringList{"s7HAr6=0"} << "Massa(s) Hiperecóicas não preenchida(s)"
            << QStringList{"s7HAr6"};
        QTest::newRow("7 one per tab, every zero selected")
            << false << 6
            << QStringList{"s7AAr8=0", "s5HA2=0", "s5HL2=0", "s7HA8=0", "checkBox8cm_4=0"} << both
            << QStringList{"s7AAr8", "s5HA2", "s5HL2"};
        QTest::newRow("7 English both")
            << true << 6 << QStringList{"s5AA2=0", "s5HA2=0"}
            << "Masse(s) Anechoic e Hyperechoic not filled(s)" << QStringList{"s5AA2", "s5HA2"};

        QTest::newRow("8 named") << false << 7 << none << "" << none;
        QTest::newRow("8 one blank") << false << 7 << QStringList{"lineTecResp= "} << "" << none;
        QTest::newRow("8 empty") << false << 7 << QStringList{"lineTecResp="} << responsible
                                 << none;
        QTest::newRow("8 English") << true << 7 << QStringList{"lineTecResp="}
                                   << "Fill the specialist person name" << none;
    }
    void rules()
    {
        QFETCH(bool, english);
        QFETCH(int, step);
        QFETCH(QStringList, changes);
        QFETCH(QString, message);
        QFETCH(QStringList, selected);
        if (english) {
            QVERIFY(translator.load(":/languages/ZETU_en_US.qm"));
            QCoreApplication::installTranslator(&translator);
        }
        apply(changes);
        child<QStackedWidget>("stackedWidget")->setCurrentIndex(step);

        DialogDriver driver;
        if (!message.isEmpty())
            driver.press(QMessageBox::Ok);
        QTest::mouseClick(child<QPushButton>("pushButtonNext"), Qt::LeftButton);
        QVERIFY(driver.waitDone());
        QCOMPARE(driver.unexpectedCount(), 0);
        if (message.isEmpty()) {
            QCOMPARE(driver.seen().size(), 0);
            // the last step stays on screen and enters the finished state
            QCOMPARE(child<QStackedWidget>("stackedWidget")->currentIndex(), qMin(step + 1, 7));
            QCOMPARE(child<QPushButton>("pushButtonReport")->isEnabled(), step == 7);
        } else {
            QCOMPARE(driver.seen().size(), 1);
            const SeenDialog &box = driver.seen().at(0);
            QCOMPARE(box.className, QStringLiteral("QMessageBox"));
            QCOMPARE(box.title, QStringLiteral("Error"));
            QCOMPARE(box.text, message);
            QCOMPARE(box.icon, QMessageBox::NoIcon);
            QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            QCOMPARE(child<QStackedWidget>("stackedWidget")->currentIndex(), step);
            QVERIFY(child<QPushButton>("pushButtonNext")->isEnabled());
        }
        // the zero boxes of checked rows, and no other box, have their text selected
        for (QDoubleSpinBox *box : window->findChildren<QDoubleSpinBox *>()) {
            const QString text = box->findChild<QLineEdit *>()->selectedText();
            QCOMPARE(text, selected.contains(box->objectName()) ? QStringLiteral("0,000") : "");
        }
    }
};

QTEST_MAIN(TestValidation)
#include "tst_validation.moc"
