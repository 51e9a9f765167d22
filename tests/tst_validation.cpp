// Next refuses to leave an incomplete step with one error box, in Portuguese
// and with the English catalogue.

#include "dialogdriver.h"
#include "wizard/mainwindow.h"
#include "workdir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTableView>
#include <QTranslator>
#include <QtTest>

namespace {

const QStringList physicalRatings = {"comboBox3cabo",      "comboBox3botoes",
                                     "comboBox3Controles", "comboBox3FiltPoeira",
                                     "comboBox3Monitor",   "comboBox3Transtud"};
const QStringList resolutionChoices = {"comboBox2_05db_RA", "comboBox2_05db_RL",
                                       "comboBox2_05db_ZM", "comboBox2_07db_RA",
                                       "comboBox2_07db_RL", "comboBox2_07db_ZM"};

// A mass row by check box: the check box and its three boxes.
struct Mass
{
    const char *checkBox, *height, *width, *area;
};
const Mass anechoic4cm = {"checkBox4cm", "s5AA4", "s5AL4", "s5AAr4"};
const Mass anechoic8cm07 = {"checkBox8cm_1", "s7AA8", "s7AL8", "s7AAr8"};
const Mass hyper2cm = {"checkBox2cm_3", "s5HA2", "s5HL2", "s5HAr2"};
const Mass hyper6cm07 = {"checkBox6cm_4", "s7HA6", "s7HL6", "s7HAr6"};

enum Language { Portuguese, English };

} // namespace

class TestValidation : public QObject
{
    Q_OBJECT

    QScopedPointer<WorkDir> wd;
    QScopedPointer<MainWindow> window;
    QTranslator translator;
    bool englishInstalled = false;

    template <typename T> T *child(const QString &name)
    {
        T *w = window->findChild<T *>(name);
        if (!w)
            qWarning("no child %s", qPrintable(name));
        return w;
    }
    QStackedWidget *stack() { return child<QStackedWidget>("stackedWidget"); }

    // Installs the English catalogue for the running test, or skips it.
    bool useLanguage(Language language)
    {
        if (language == Portuguese)
            return true;
        if (!QFile::exists(":/languages/ZETU_en_US.qm") ||
            !translator.load(":/languages/ZETU_en_US.qm"))
            return false;
        QCoreApplication::installTranslator(&translator);
        englishInstalled = true;
        // a catalogue without the messages of this window is not the finished one
        return QCoreApplication::translate("MainWindow", "Selecione um equipamento") !=
               QLatin1String("Selecione um equipamento");
    }

    void addLanguageColumn() { QTest::addColumn<int>("language"); }

    // Presses Next on step `index`; returns the text of the error box, or a null
    // string when the step was left without one.
    QString pressNext(int index)
    {
        stack()->setCurrentIndex(index);
        DialogDriver driver;
        driver.press(QMessageBox::Ok);
        QTest::mouseClick(child<QPushButton>("pushButtonNext"), Qt::LeftButton);
        if (driver.seen().isEmpty()) {
            const int expected = index < 7 ? index + 1 : 7;
            if (stack()->currentIndex() != expected)
                qWarning("step %d left to %d", index, stack()->currentIndex());
            return QString();
        }
        const SeenDialog &box = driver.seen().at(0);
        if (box.className != QLatin1String("QMessageBox") || box.title != QLatin1String("Error") ||
            box.icon != QMessageBox::NoIcon ||
            box.buttons != QMessageBox::StandardButtons(QMessageBox::Ok) ||
            driver.seen().size() != 1 || driver.unexpectedCount() != 0)
            return QStringLiteral("unexpected box: ") + box.className + " " + box.title;
        if (stack()->currentIndex() != index)
            return QStringLiteral("step was left");
        return box.text;
    }

    void setRow(const Mass &row, bool checked, double h, double w, double a)
    {
        if (child<QCheckBox>(row.checkBox)->isChecked() != checked)
            child<QCheckBox>(row.checkBox)->click();
        child<QDoubleSpinBox>(row.height)->setValue(h);
        child<QDoubleSpinBox>(row.width)->setValue(w);
        child<QDoubleSpinBox>(row.area)->setValue(a);
    }
    void uncheckAllMassRows()
    {
        for (QCheckBox *c : window->findChildren<QCheckBox *>())
            if (c->isChecked())
                c->click();
    }
    static QString selected(QDoubleSpinBox *box)
    {
        return box->findChild<QLineEdit *>()->selectedText();
    }

private slots:
    void init()
    {
        wd.reset(new WorkDir);
        window.reset(new MainWindow(0));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
    }
    void cleanup()
    {
        window.reset();
        wd.reset();
        if (englishInstalled)
            QCoreApplication::removeTranslator(&translator);
        englishInstalled = false;
    }

    void step1Equipment_data()
    {
        addLanguageColumn();
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("select");
        QTest::addColumn<QString>("portuguese");
        QTest::addColumn<QString>("english");
        QTest::newRow("empty list") << 0 << 0 << false << "Selecione um equipamento"
                                    << "Select an equipment";
        QTest::newRow("rows, none selected") << 0 << 3 << false << "Selecione um equipamento"
                                             << "Select an equipment";
        QTest::newRow("row selected") << 0 << 3 << true << QString() << QString();
        QTest::newRow("English, empty list") << 1 << 0 << false << "Selecione um equipamento"
                                             << "Select an equipment";
    }
    void step1Equipment()
    {
        QFETCH(int, language);
        QFETCH(int, rows);
        QFETCH(bool, select);
        QFETCH(QString, portuguese);
        QFETCH(QString, english);
        if (!useLanguage(Language(language)))
            QSKIP("English catalogue not available");
        // the rule looks only at the selection of the list, whatever its model
        auto *view = child<QTableView>("tableView");
        auto *model = new QStandardItemModel(rows, 6, view);
        view->setModel(model);
        if (select)
            view->selectRow(1);
        QCOMPARE(pressNext(0), language == English ? english : portuguese);
        // a deletion leaves the list without selection: the step fails again
        if (select) {
            view->clearSelection();
            QCOMPARE(pressNext(0), QStringLiteral("Selecione um equipamento"));
        }
    }

    void choiceSteps_data()
    {
        addLanguageColumn();
        QTest::addColumn<int>("step");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("unchosen"); // empty: all chosen
        for (int language : {0, 1}) {
            const char *lang = language ? "English, " : "";
            for (const QString &b : physicalRatings)
                QTest::newRow(qPrintable(QString("%1step 2 without %2").arg(lang, b)))
                    << language << 1 << physicalRatings << b;
            for (const QString &b : resolutionChoices)
                QTest::newRow(qPrintable(QString("%1step 4 without %2").arg(lang, b)))
                    << language << 3 << resolutionChoices << b;
        }
        QTest::newRow("step 2 complete") << 0 << 1 << physicalRatings << QString();
        QTest::newRow("step 4 complete") << 0 << 3 << resolutionChoices << QString();
    }
    void choiceSteps()
    {
        QFETCH(int, language);
        QFETCH(int, step);
        QFETCH(QStringList, boxes);
        QFETCH(QString, unchosen);
        if (!useLanguage(Language(language)))
            QSKIP("English catalogue not available");
        int choice = 1;
        for (const QString &b : boxes) // every rating and size is acceptable here
            child<QComboBox>(b)->setCurrentIndex(b == unchosen ? 0 : choice++ % 5 + 1);
        const QString expected = unchosen.isEmpty() ? QString()
                                 : language == English
                                     ? QStringLiteral("Select a value to each field")
                                     : QStringLiteral("Selecione um valor para cada campo");
        QCOMPARE(pressNext(step), expected);
    }

    void step3Uniformity_data()
    {
        addLanguageColumn();
        QTest::addColumn<int>("rating");
        QTest::addColumn<QString>("explanation");
        QTest::addColumn<QString>("transducer");
        QTest::addColumn<QString>("portuguese");
        QTest::addColumn<QString>("english");
        const QString noRating = "Selecione um valor para a uniformidade";
        const QString noExplanation = "Preencha o campo de texto\nexplicando a inomogeneidade";
        const QString noTransducer = "Preencha o campo transdutor";
        const QString enNoRating = "Select a value to the uniformity";
        const QString enNoExplanation = "Fill the text field explaining the inhomogeneity";
        const QString enNoTransducer = "Fill the transducer field";
        for (int language : {0, 1}) {
            const QString lang = language ? "English, " : "";
            QTest::newRow(qPrintable(lang + "not rated")) << language << 0 << ""
                                                          << "" << noRating << enNoRating;
            QTest::newRow(qPrintable(lang + "not rated, transducer"))
                << language << 0 << ""
                << "linear" << noRating << enNoRating;
            QTest::newRow(qPrintable(lang + "uniform, no transducer"))
                << language << 1 << ""
                << "" << noTransducer << enNoTransducer;
            QTest::newRow(qPrintable(lang + "large, nothing: explanation first"))
                << language << 3 << ""
                << "" << noExplanation << enNoExplanation;
            QTest::newRow(qPrintable(lang + "few, no explanation"))
                << language << 2 << ""
                << "convexo" << noExplanation << enNoExplanation;
            QTest::newRow(qPrintable(lang + "few, explained, no transducer"))
                << language << 2 << "faixa escura"
                << "" << noTransducer << enNoTransducer;
        }
        QTest::newRow("uniform with transducer") << 0 << 1 << ""
                                                 << "linear"
                                                 << ""
                                                 << "";
        QTest::newRow("transducer of one blank") << 0 << 1 << ""
                                                 << " "
                                                 << ""
                                                 << "";
        QTest::newRow("explanation of one blank") << 0 << 3 << " "
                                                  << "x"
                                                  << ""
                                                  << "";
        QTest::newRow("large, explained") << 0 << 3 << "sombra"
                                          << "setorial"
                                          << ""
                                          << "";
    }
    void step3Uniformity()
    {
        QFETCH(int, language);
        QFETCH(int, rating);
        QFETCH(QString, explanation);
        QFETCH(QString, transducer);
        QFETCH(QString, portuguese);
        QFETCH(QString, english);
        if (!useLanguage(Language(language)))
            QSKIP("English catalogue not available");
        child<QComboBox>("comboBox4ImgUnifor")->setCurrentIndex(rating);
        child<QPlainTextEdit>("plainTextEdit4")->setPlainText(explanation);
        child<QLineEdit>("lineEdit4Transdutor")->setText(transducer);
        // the frequency is never examined
        child<QDoubleSpinBox>("doubleSpinBox4Freq")->setValue(1.0);
        const QString expected = language == English ? english : portuguese;
        QCOMPARE(pressNext(2), expected.isEmpty() ? QString() : expected);
    }

    void measurementStepsAlwaysPass_data()
    {
        QTest::addColumn<int>("step");
        QTest::newRow("vertical") << 4;
        QTest::newRow("horizontal") << 5;
    }
    void measurementStepsAlwaysPass()
    {
        QFETCH(int, step);
        QCOMPARE(pressNext(step), QString());
        QCOMPARE(stack()->currentIndex(), step + 1);
    }

    void step7Masses_data()
    {
        addLanguageColumn();
        QTest::addColumn<QString>("portuguese");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QStringList>("selectedBoxes");
        QTest::addColumn<int>("scene");
        // scenes: 0 all unchecked, 1 anechoic 4 cm with zero width, 2 one per tab,
        // 3 only hyperechoic, 4 all sixteen checked at zero, 5 filled rows only
        const QString both = "Massa(s) Anecóicas e Hiperecóicas não preenchida(s)";
        const QString enBoth = "Masse(s) Anechoic e Hyperechoic not filled(s)";
        for (int language : {0, 1}) {
            const QString lang = language ? "English, " : "";
            QTest::newRow(qPrintable(lang + "all unchecked"))
                << language << QString() << QString() << QStringList() << 0;
            QTest::newRow(qPrintable(lang + "anechoic width zero"))
                << language << "Massa(s) Anecóicas não preenchida(s)"
                << "Masse(s) Anechoic not filled(s)" << QStringList{"s5AL4"} << 1;
            QTest::newRow(qPrintable(lang + "one per tab"))
                << language << both << enBoth << QStringList{"s7AAr8", "s5HA2", "s5HL2"} << 2;
            QTest::newRow(qPrintable(lang + "hyperechoic only"))
                << language << "Massa(s) Hiperecóicas não preenchida(s)"
                << "Masse(s) Hyperechoic not filled(s)" << QStringList{"s7HAr6"} << 3;
        }
        QStringList all;
        for (const char *att : {"5", "7"})
            for (const char *kind : {"A", "H"})
                for (const char *q : {"A", "L", "Ar"})
                    for (const char *d : {"2", "4", "6", "8"})
                        all << QString("s%1%2%3%4").arg(att, kind, q, d);
        QTest::newRow("start state, every box selected") << 0 << both << enBoth << all << 4;
        QTest::newRow("checked rows filled") << 0 << QString() << QString() << QStringList() << 5;
    }
    void step7Masses()
    {
        QFETCH(int, language);
        QFETCH(QString, portuguese);
        QFETCH(QString, english);
        QFETCH(QStringList, selectedBoxes);
        QFETCH(int, scene);
        if (!useLanguage(Language(language)))
            QSKIP("English catalogue not available");
        if (scene != 4)
            uncheckAllMassRows();
        switch (scene) {
        case 1:
            setRow(anechoic4cm, true, 4, 0, 12.5);
            break;
        case 2:
            setRow(anechoic8cm07, true, 6, 6, 0);
            setRow(hyper2cm, true, 0, 0, 3);
            setRow(hyper6cm07, false, 0, 0, 0);
            break;
        case 3:
            setRow(anechoic4cm, true, 4, 4, 12.5);
            setRow(hyper6cm07, true, 6, 6.1, 0);
            break;
        case 5:
            setRow(anechoic4cm, true, 4, 4, 12.5);
            setRow(hyper6cm07, true, 6, 6.1, 28);
            setRow(hyper2cm, false, 0, 0, 0); // unchecked zeros do not count
            break;
        default:
            break;
        }
        const QString expected = language == English ? english : portuguese;
        QCOMPARE(pressNext(6), expected.isEmpty() ? QString() : expected);
        // every zero box of every checked row has its text selected, no other box
        for (QDoubleSpinBox *b : window->findChildren<QDoubleSpinBox *>()) {
            const bool shouldBe = selectedBoxes.contains(b->objectName());
            QCOMPARE(selected(b).isEmpty(), !shouldBe);
            if (shouldBe)
                QCOMPARE(selected(b), QStringLiteral("0,000"));
        }
    }

    void step8Responsible_data()
    {
        addLanguageColumn();
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("portuguese");
        QTest::addColumn<QString>("english");
        QTest::newRow("empty") << 0 << ""
                               << "Prencha o nome do responsável técnico"
                               << "Fill the specialist person name";
        QTest::newRow("English, empty") << 1 << ""
                                        << "Prencha o nome do responsável técnico"
                                        << "Fill the specialist person name";
        QTest::newRow("named") << 0 << "Maria" << QString() << QString();
        QTest::newRow("one blank") << 0 << " " << QString() << QString();
    }
    void step8Responsible()
    {
        QFETCH(int, language);
        QFETCH(QString, name);
        QFETCH(QString, portuguese);
        QFETCH(QString, english);
        if (!useLanguage(Language(language)))
            QSKIP("English catalogue not available");
        child<QLineEdit>("lineTecResp")->setText(name);
        const QString expected = language == English ? english : portuguese;
        QCOMPARE(pressNext(7), expected.isEmpty() ? QString() : expected);
        // passing enters the finished state: Next off, report on
        QCOMPARE(child<QPushButton>("pushButtonNext")->isEnabled(), !expected.isEmpty());
        if (expected.isEmpty())
            QVERIFY(child<QPushButton>("pushButtonReport")->isEnabled());
    }

    void spinBoxesFilled_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("c");
        QTest::addColumn<bool>("filled");
        QTest::newRow("all set") << 1.0 << 2.0 << 3.0 << true;
        QTest::newRow("smallest step") << 0.001 << 0.001 << 0.001 << true;
        QTest::newRow("first zero") << 0.0 << 2.0 << 3.0 << false;
        QTest::newRow("middle zero") << 1.0 << 0.0 << 3.0 << false;
        QTest::newRow("last zero") << 1.0 << 2.0 << 0.0 << false;
        QTest::newRow("all zero") << 0.0 << 0.0 << 0.0 << false;
    }
    void spinBoxesFilled()
    {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, c);
        QFETCH(bool, filled);
        QDoubleSpinBox boxes[3];
        const double values[3] = {a, b, c};
        for (int i = 0; i < 3; ++i) {
            boxes[i].setDecimals(3);
            boxes[i].setValue(values[i]);
        }
        QCOMPARE(::spinBoxesFilled(&boxes[0], &boxes[1], &boxes[2]), filled);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(selected(&boxes[i]).isEmpty(), values[i] != 0.0);
    }
};

QTEST_MAIN(TestValidation)
#include "tst_validation.moc"
