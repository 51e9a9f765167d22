// The steps' own rules: Next leaves a step only when its inputs are complete, otherwise
// one error box with the first failing rule's message; the depth check boxes of step 7
// switch their own boxes; the explanation of an inhomogeneous image on step 3 is
// opened by the rating, kept free of refused characters and held to 120 characters.

#include "dialogdriver.h"
#include "history/inputvalues.h"
#include "wizard/mainwindow.h"
#include "wizardfill.h"
#include "workdir.h"

#include <QtTest>
#include <QtWidgets>

class TestSteps : public QObject
{
    Q_OBJECT

    QScopedPointer<WorkDir> wd;
    QScopedPointer<MainWindow> window;

    template <typename T> T *child(const QString &name) { return window->findChild<T *>(name); }
    QPlainTextEdit *edit() { return child<QPlainTextEdit>("plainTextEdit4"); }
    QComboBox *rating() { return child<QComboBox>("comboBox4ImgUnifor"); }
    QString count() { return child<QLabel>("label_7")->text(); }
    QStringList disabledBoxes()
    {
        QStringList names;
        for (QDoubleSpinBox *box : window->findChildren<QDoubleSpinBox *>())
            if (!box->isEnabled())
                names << box->objectName();
        names.sort();
        return names;
    }

    // Changes a valid wizard by "name=value" entries (a choice's index, a text, a check
    // box's 0 or 1, a number); "equipment=" clears the list's selection, "masses=0" and
    // "checks=0" zero every mass box and uncheck every row.
    void apply(const QStringList &changes)
    {
        QJsonObject values;
        for (const QString &change : changes) {
            const QString name = change.section('=', 0, 0), value = change.section('=', 1);
            QWidget *w = child<QWidget>(name);
            if (name == "equipment")
                child<QTableView>("tableView")->clearSelection();
            else if (name == "masses" || name == "checks")
                for (QWidget *box : window->findChildren<QWidget *>(
                         QRegularExpression(name == "masses" ? "^s[57][AH]" : "^checkBox")))
                    values[box->objectName()] = name == "masses" ? QJsonValue(0) : false;
            else if (qobject_cast<QCheckBox *>(w))
                values[name] = value == "1";
            else if (qobject_cast<QComboBox *>(w) || qobject_cast<QDoubleSpinBox *>(w))
                values[name] = value.toDouble();
            else
                values[name] = value;
        }
        QCOMPARE(InputValues::apply(window.data(), values), QStringList());
    }

private slots:
    void init()
    {
        wd.reset(new WorkDir);
        WizardFill::seedEquipment({{"Hospital", "Sala 2", "US-7", "Logiq", "GE"},
                                   {"Hospital", "Sala 3", "US-8", "Acuson", "Siemens"}});
        window.reset(new MainWindow(0));
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.data()));
        WizardFill::makeStepsValid(window.data());
    }
    void cleanup()
    {
        window.reset();
        wd.reset();
    }

    void rules_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QString>("message"); // empty: the step is left
        QTest::addColumn<QStringList>("selected");
        auto row = [](const QString &tag, int step, const QStringList &changes,
                      const QString &message, const QStringList &selected = {}) {
            QTest::newRow(qPrintable(tag)) << step << changes << message << selected;
        };
        const QString choice = "Selecione um valor para cada campo";
        const QString rating = "Selecione um valor para a uniformidade";
        const QString transducer = "Preencha o campo transdutor";
        const QString explain = "Preencha o campo de texto\nexplicando a inomogeneidade";

        row("1 no selection", 0, {"equipment="}, "Selecione um equipamento");
        // every box of the rule counts, whichever one is left unchosen
        for (const QString box : {"comboBox3cabo", "comboBox3Transtud"})
            row("2 without " + box, 1, {box + "=0"}, choice);

        row("3 not rated", 2, {"comboBox4ImgUnifor=0"}, rating);
        row("3 uniform, no transducer", 2, {"lineEdit4Transdutor="}, transducer);
        row("3 large, no explanation, no transducer: explanation only", 2,
            {"comboBox4ImgUnifor=3", "lineEdit4Transdutor="}, explain);
        row("3 few, no explanation", 2, {"comboBox4ImgUnifor=2"}, explain);
        row("3 few, explained, no transducer", 2,
            {"comboBox4ImgUnifor=2", "plainTextEdit4=sombra", "lineEdit4Transdutor="}, transducer);
        row("3 large, explained", 2, {"comboBox4ImgUnifor=3", "plainTextEdit4=sombra"}, "");
        row("3 blanks count as text", 2,
            {"comboBox4ImgUnifor=2", "plainTextEdit4= ", "lineEdit4Transdutor= "}, "");

        for (const QString box : {"comboBox2_05db_ZM", "comboBox2_07db_RL"})
            row("4 without " + box, 3, {box + "=0"}, choice);
        // every checked row is examined, and only checked rows
        row("7 all unchecked, all zero", 6, {"masses=0", "checks=0"}, "");
        row("7 anechoic width zero", 6, {"s5AL4=0"}, "Massa(s) Anecóicas não preenchida(s)",
            {"s5AL4"});
        row("7 anechoic width zero, unchecked", 6, {"s5AL4=0", "checkBox4cm=0"}, "");
        row("7 hyperechoic area zero", 6, {"s7HAr6=0"}, "Massa(s) Hiperecóicas não preenchida(s)",
            {"s7HAr6"});
        row("7 one per tab, every zero selected", 6,
            {"s7AAr8=0", "s5HA2=0", "s5HL2=0", "s7HA8=0", "checkBox8cm_4=0"},
            "Massa(s) Anecóicas e Hiperecóicas não preenchida(s)", {"s7AAr8", "s5HA2", "s5HL2"});

        row("8 one blank", 7, {"lineTecResp= "}, "");
        row("8 empty", 7, {"lineTecResp="}, "Prencha o nome do responsável técnico");
    }
    void rules()
    {
        QFETCH(int, step);
        QFETCH(QStringList, changes);
        QFETCH(QString, message);
        QFETCH(QStringList, selected);
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
            QCOMPARE(box.title, QStringLiteral("Error"));
            QCOMPARE(box.text, message);
            QCOMPARE(box.icon, QMessageBox::NoIcon);
            QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            QCOMPARE(child<QStackedWidget>("stackedWidget")->currentIndex(), step);
        }
        // the zero boxes of checked rows, and no other box, have their text selected
        for (QDoubleSpinBox *box : window->findChildren<QDoubleSpinBox *>()) {
            const QString text = box->findChild<QLineEdit *>()->selectedText();
            QCOMPARE(text, selected.contains(box->objectName()) ? QStringLiteral("0,000") : "");
        }
    }

    // Composed from the form's naming: check-box suffix per grid, and "s" + attenuation
    // + type + quantity + depth for the boxes.
    void eachCheckBoxSwitchesOnlyItsRow()
    {
        const char *const grids[][2] = {{"", "5A"}, {"_1", "7A"}, {"_3", "5H"}, {"_4", "7H"}};
        for (const auto &grid : grids) {
            for (const char *depth : {"2", "4", "6", "8"}) {
                QStringList boxes;
                for (const char *quantity : {"A", "Ar", "L"})
                    boxes << QString("s%1%2%3").arg(grid[1], quantity, depth);
                auto *box = child<QCheckBox>(QString("checkBox%1cm%2").arg(depth, grid[0]));
                box->click();
                QCOMPARE(disabledBoxes(), boxes);
                box->click();
                QCOMPARE(disabledBoxes(), QStringList());
                // the typed values stay
                for (const QString &name : boxes)
                    QCOMPARE(child<QDoubleSpinBox>(name)->value(), 3.0);
            }
        }
    }

    // Ratings 2 and 3 open the field with the focus in it; 0 and 1 erase what was
    // typed, close it and move the focus to the transducer field.
    void ratingOpensAndClosesTheField()
    {
        child<QStackedWidget>("stackedWidget")->setCurrentIndex(2);
        for (int to : {2, 1, 3, 0}) {
            if (rating()->currentIndex() > 1)
                QTest::keyClicks(edit(), "faixa escura");
            rating()->setCurrentIndex(to);
            QCOMPARE(edit()->isEnabled(), to > 1);
            QCOMPARE(child<QLabel>("labelUniform")->isVisible(), to > 1);
            QCOMPARE(window->focusWidget(), to > 1 ? static_cast<QWidget *>(edit())
                                                   : child<QLineEdit>("lineEdit4Transdutor"));
            QCOMPARE(edit()->toPlainText(), QString());
            QCOMPARE(count(), QStringLiteral("0"));
        }
    }

    // An edit at the cursor: refused characters go from the end, whatever passes 120
    // characters is cut before the cursor.
    void filterAndLimit_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("cursorAt");
        QTest::addColumn<QString>("added");
        QTest::addColumn<QString>("result");
        const QString letters = QString(200, QChar('L'));
        QTest::newRow("refused") << "ok " << 3 << "+$=<|~"
                                 << "ok ";
        QTest::newRow("letters, digits, punctuation, line")
            << "ok " << 3 << "Sombra ção\n12.5%, (x)!"
            << "ok Sombra ção\n12.5%, (x)!";
        QTest::newRow("at 120") << letters.left(119) << 119 << "xy" << letters.left(119) + "x";
        QTest::newRow("into the middle")
            << "abcdefgh" << 3 << letters << "abc" + letters.left(112) + "defgh";
        QTest::newRow("refused ones after the cut")
            << "" << 0 << letters + "<<<" << letters.left(120);
        // a paste this long once nested one call per deleted character
        QTest::newRow("100000 letters")
            << "fim" << 3 << QString(100000, QChar('M')) << "fim" + QString(117, QChar('M'));
    }
    void filterAndLimit()
    {
        QFETCH(QString, start);
        QFETCH(int, cursorAt);
        QFETCH(QString, added);
        QFETCH(QString, result);
        child<QStackedWidget>("stackedWidget")->setCurrentIndex(2);
        rating()->setCurrentIndex(3);
        edit()->insertPlainText(start);
        QTextCursor cursor = edit()->textCursor();
        cursor.setPosition(cursorAt);
        edit()->setTextCursor(cursor);
        edit()->insertPlainText(added);
        QCOMPARE(edit()->toPlainText(), result);
        QCOMPARE(count(), QString::number(result.size()));
    }
};

QTEST_MAIN(TestSteps)
#include "tst_steps.moc"
