// The steps' own rules, the mass rows, the explanation field and the photographs,
// through the real window and dialogs.

#include "dialogdriver.h"
#include "wizard/inspectionfields.h"
#include "wizard/mainwindow.h"
#include "wizard/photograph.h"
#include "wizardfill.h"
#include "workdir.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// The part buttons in the order of the part index, the uniformity button, the clears.
const char *const buttons[] = {
    "pushButton3CaboForca", "pushButtonMonitor",      "pushButton3Controles",
    "pushButton3Botoes",    "pushButton3Filtro",      "pushButton3Trasdutores",
    "pushButtonLoadUniImg", "pushButtonPartImgClear", "pushButtonUniformImgClear"};

// An image file of one colour, "no picture" for an empty size; a JPEG may carry an EXIF
// orientation (APP1, one entry) and claim another height and width (hex) in its frame.
QByteArray picture(QSize size, const char *format = "PNG", int orientation = 1,
                   const char *claimed = "", QColor colour = Qt::gray)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QBuffer buffer;
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, format))
        return "no picture\n";
    QByteArray bytes = buffer.data();
    if (orientation != 1)
        bytes.insert(2, QByteArray::fromHex("ffe10022457869660000"
                                            "4d4d002a000000080001011200030000000100") +
                            char(orientation) + QByteArray(6, '\0'));
    if (*claimed)
        bytes.replace(bytes.indexOf("\xff\xc0") + 5, 4, QByteArray::fromHex(claimed));
    return bytes;
}

QColor shown(QLabel *label) // the colour in the middle of its picture, or invalid
{
    const QImage image = label->pixmap(Qt::ReturnByValue).toImage();
    return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
}

} // namespace

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

    // Changes a valid wizard by inputs' values in JSON, null for a value not measured;
    // "equipment" clears the list's selection, "none" unchecks every mass row and empties
    // its boxes, "blank" empties every measuring box of a step.
    void apply(const QString &changes)
    {
        const InspectionFields fields(window.data());
        Inspection values = fields.read();
        QJsonObject read = QJsonDocument::fromJson(changes.toUtf8()).object();
        if (read.take("equipment").toBool())
            child<QTableView>("tableView")->clearSelection();
        const bool none = read.take("none").toBool();
        const int blank = read.take("blank").toInt(-1);
        for (const MeasuringField &field : Inspection::measuringFields()) {
            const bool mass = !field.depthCheckBox.isEmpty();
            if (field.step == blank || (none && mass))
                values.remove(field.name);
            if (none && mass)
                values.set(field.depthCheckBox, false);
        }
        for (auto change = read.begin(); change != read.end(); ++change)
            change->isNull() ? values.remove(change.key()) : values.set(change.key(), *change);
        QCOMPARE(fields.write(values), QStringList());
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
        // steps 2 to 8 are built by themselves once it is shown, the report button disabled
        QTRY_VERIFY(child<QWidget>("pushButtonReport") &&
                    !child<QWidget>("pushButtonReport")->isEnabled());
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
        QTest::addColumn<QString>("changes");
        QTest::addColumn<QString>("message"); // empty: the step is left
        QTest::addColumn<QString>("focused"); // the box that takes the focus, its tab shown
        QTest::addColumn<QString>("typed");   // typed into that box: then the step is left
        auto row = [](const QString &tag, int step, const char *changes, const QString &message,
                      const QString &focused = {}, const QString &typed = {}) {
            QTest::newRow(qPrintable(tag))
                << step << QString(changes) << message << focused << typed;
        };
        const QString choice = "Selecione um valor para cada campo";
        const QString rating = "Selecione um valor para a uniformidade";
        const QString transducer = "Preencha o campo transdutor";
        const QString explain = "Preencha o campo de texto\nexplicando a inomogeneidade";
        const QString measure = "Digite o valor medido de %1.";

        row("1 no selection", 0, R"({"equipment": true})", "Selecione um equipamento");
        row("2 without the last rating", 1, R"({"comboBox3Transtud": 0})", choice);
        row("3 not rated", 2, R"({"comboBox4ImgUnifor": 0})", rating);
        row("3 uniform, no transducer", 2, R"({"lineEdit4Transdutor": ""})", transducer);
        row("3 few, no explanation", 2, R"({"comboBox4ImgUnifor": 2})", explain);
        row("3 large, explained", 2, R"({"comboBox4ImgUnifor": 3, "plainTextEdit4": "sombra"})",
            "");
        row("3 blanks count as text", 2,
            R"({"comboBox4ImgUnifor": 2, "plainTextEdit4": " ", "lineEdit4Transdutor": " "})", "");
        row("4 without the last choice", 3, R"({"comboBox2_07db_RL": 0})", choice);
        // untouched boxes are not measured; the old start value typed on purpose is
        row("5 untouched", 4, R"({"blank": 4})",
            measure.arg("distância vertical 1-2 a 0,5 dB") + " Faltam 22 valores nesta etapa.",
            "doubleSpinBox5_05_12", "10,000");
        row("5 one box of the hidden tab", 4, R"({"doubleSpinBox5_07_ZF": null})",
            measure.arg("zona focal a 0,7 dB"), "doubleSpinBox5_07_ZF", "1,00");
        row("6 untouched", 5, R"({"blank": 5})",
            measure.arg("distância horizontal 1-2 a 3 cm, 0,5 dB") + " Faltam 12 valores nesta "
                                                                     "etapa.",
            "doubleSpinBox6_3cm_05_12");
        row("6 the last box", 5, R"({"doubleSpinBox6_9cm_07_34": null})",
            measure.arg("distância horizontal 3-4 a 9 cm, 0,7 dB"), "doubleSpinBox6_9cm_07_34",
            "10,000");
        // every checked row is examined, and only checked rows; a 0 measures nothing
        row("7 all unchecked, none measured", 6, R"({"none": true})", "");
        row("7 anechoic width", 6, R"({"s5AL4": null})",
            measure.arg("largura da massa anecoica a 4 cm, 0,5 dB"), "s5AL4", "4,2");
        row("7 anechoic width, unchecked", 6, R"({"s5AL4": null, "checkBox4cm": false})", "");
        row("7 hyperechoic area zero", 6, R"({"s7HAr6": 0})",
            measure.arg("área da massa hiperecoica a 6 cm, 0,7 dB"), "s7HAr6");
        row("7 one per tab, the first named", 6,
            R"({"s7AAr8": null, "s5HA2": null, "s7HA8": null, "checkBox8cm_4": false})",
            measure.arg("área da massa anecoica a 8 cm, 0,7 dB") + " Faltam 2 valores nesta etapa.",
            "s7AAr8");
        row("8 one blank", 7, R"({"lineTecResp": " "})", "");
        row("8 empty", 7, R"({"lineTecResp": ""})", "Prencha o nome do responsável técnico");
    }
    void rules()
    {
        QFETCH(int, step);
        QFETCH(QString, changes);
        QFETCH(QString, message);
        QFETCH(QString, focused);
        QFETCH(QString, typed);
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
        if (!focused.isEmpty()) {
            auto *box = child<QDoubleSpinBox>(focused);
            QCOMPARE(window->focusWidget(), box);
            QVERIFY(box->isVisible());
            QCOMPARE(box->text().trimmed(), QString());
        }
        if (!typed.isEmpty()) { // typed, the value is measured; the step is left when it was the
                                // last
            QTest::keyClicks(window->focusWidget(), typed);
            QCOMPARE(InspectionFields(window.data()).read().number(focused),
                     QLocale(QLocale::Portuguese, QLocale::Brazil).toDouble(typed));
            driver.clear();
            driver.press(QMessageBox::Ok);
            QTest::mouseClick(child<QPushButton>("pushButtonNext"), Qt::LeftButton);
            QCOMPARE(driver.waitDone(300), message.contains("Faltam"));
            QCOMPARE(child<QStackedWidget>("stackedWidget")->currentIndex(),
                     step + !message.contains("Faltam"));
            return;
        }
        // Kept on step 8, the same values come back on the first step that fails, which
        // says why; step 8's own check waits for Concluir.
        child<QStackedWidget>("stackedWidget")->setCurrentIndex(7);
        if (!window->close() || step == 0)
            return;
        window.reset();
        window.reset(new MainWindow(0));
        const bool says = step < 7 && !message.isEmpty();
        driver.clear();
        driver.press(QMessageBox::Yes).press(QMessageBox::Ok);
        window->resumeAtStart();
        QVERIFY(driver.waitDone(says ? 2000 : 300) == says);
        QCOMPARE(driver.seen().size(), 1 + says);
        QCOMPARE(driver.seen().last().text, says ? message : driver.seen().first().text);
        QCOMPARE(child<QStackedWidget>("stackedWidget")->currentIndex(),
                 message.isEmpty() ? 7 : step);
    }

    // Each step opens on its first tab with its first input focused (step 1 from step 3
    // by Ctrl+Home in a field); Tab runs through its fields (the distances and masses by
    // rows, the depth check boxes after them) to Next, never to Back.
    void tabOrder_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("order");
        auto names = [](const QString &pattern, const QStringList &rows,
                        const QStringList &columns) {
            QStringList all;
            for (const QString &row : rows)
                for (const QString &column : columns)
                    all << pattern.arg(row, column);
            return all.join(' ');
        };
        const QStringList depths = {"2", "4", "6", "8"};
        QTest::newRow("1") << 0
                           << "tableView pushButtonNewRecord pushButtonEdit pushButtonDeleteRecord "
                              "comboBoxTransducer "
                              "pushButtonTransducerEdit pushButtonTransducerRemove "
                              "pushButtonHistory pushButtonTrend pushButtonTolerances "
                              "pushButtonNewInspection comboBox";
        QTest::newRow("2")
            << 1
            << "comboBox3cabo pushButtonMonitor comboBox3Monitor pushButton3Controles "
               "comboBox3Controles pushButton3Botoes comboBox3botoes pushButton3Filtro "
               "comboBox3FiltPoeira pushButton3Trasdutores comboBox3Transtud "
               "comboBoxImage pushButtonPartImgClear";
        QTest::newRow("3") << 2
                           << "comboBox4ImgUnifor plainTextEdit4 pushButtonLoadUniImg "
                              "pushButtonUniformImgClear lineEdit4Transdutor doubleSpinBox4Freq";
        QTest::newRow("4") << 3
                           << "comboBox2_07db_ZM comboBox2_05db_ZM comboBox2_07db_RA "
                              "comboBox2_05db_RA comboBox2_07db_RL comboBox2_05db_RL";
        QTest::newRow("5") << 4
                           << names("doubleSpinBox5_05_%1%2",
                                    {"12", "30", "34", "45", "56", "67", "78", "89", "910", "ZF",
                                     "MPV"},
                                    {""});
        QTest::newRow("6") << 5
                           << names("doubleSpinBox6_%1_%2",
                                    {"3cm_05", "3cm_07", "9cm_05", "9cm_07"}, {"12", "23", "34"});
        QTest::newRow("7") << 6
                           << names("s%1%2", {"5AA", "5AL", "5AAr", "7AA", "7AL", "7AAr"}, depths) +
                                  ' ' + names("checkBox%2cm%1", {"", "_1"}, depths);
        QTest::newRow("8") << 7 << "lineTecResp calendarWidget";
    }
    void tabOrder()
    {
        QFETCH(int, step);
        QFETCH(QString, order);
        apply(R"({"comboBox4ImgUnifor": 3, "plainTextEdit4": "sombra"})");
        for (QTabWidget *tabs : window->findChildren<QTabWidget *>())
            tabs->setCurrentIndex(1);
        auto *pages = child<QStackedWidget>("stackedWidget");
        pages->setCurrentIndex(step ? step - 1 : 2);
        if (step)
            QTest::mouseClick(child<QPushButton>("pushButtonNext"), Qt::LeftButton);
        else
            QTest::keyClick(child<QLineEdit>("lineEdit4Transdutor"), Qt::Key_Home,
                            Qt::ControlModifier);
        QCOMPARE(pages->currentIndex(), step);
        QCOMPARE(child<QLabel>("labelStep2")->text(), QString("%1 / 8").arg(step + 1));
        for (QTabWidget *tabs : pages->currentWidget()->findChildren<QTabWidget *>())
            QCOMPARE(tabs->currentIndex(), 0);
        auto focused = [this] { // a number box for its line edit, the calendar for its parts
            QWidget *focus = window->focusWidget();
            while (focus->objectName().isEmpty() || focus->objectName().startsWith("qt_"))
                focus = focus->parentWidget();
            return focus->objectName();
        };
        QStringList stops;
        for (int tab = 0; tab < 60 && focused() != "pushButtonNext"; ++tab) {
            if (stops.value(stops.size() - 1) != focused())
                stops << focused();
            QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(stops.join(' '), order);
    }

    // Step 1 left before steps 2 to 8 were built: they are, and step 3 names the
    // scanner's transducer, read-only, at its nominal frequency.
    void leftBeforeBuilt()
    {
        window.reset();
        Transducer probe = TransducerStore::forEquipment(1).value(0);
        probe.frequency = 7.5;
        QCOMPARE(TransducerStore::save(probe, InspectionStore::equipmentRecord(1)),
                 InspectionStore::Done);
        window.reset(new MainWindow(0));
        QVERIFY(!child<QWidget>("comboBox3cabo"));
        WizardFill::selectEquipment(window.data());
        DialogDriver driver;
        QTest::mouseClick(child<QPushButton>("pushButtonNext"), Qt::LeftButton);
        QCOMPARE(driver.unexpectedCount(), 0);
        QCOMPARE(child<QStackedWidget>("stackedWidget")->currentIndex(), 1);
        QVERIFY(child<QLineEdit>("lineEdit4Transdutor")->isReadOnly());
        QCOMPARE(child<QDoubleSpinBox>("doubleSpinBox4Freq")->value(), 7.5);
    }

    // Enter moves on as Next does from the list, a closed combo box, a check box and a
    // field, but not from the explanation, which takes it as a line break.
    void enterMovesOn_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("widget");
        QTest::addColumn<int>("to");
        QTest::newRow("list") << 0 << "tableView" << 1;
        QTest::newRow("combo box") << 1 << "comboBox3cabo" << 2;
        QTest::newRow("explanation") << 2 << "plainTextEdit4" << 2;
        QTest::newRow("check box") << 6 << "checkBox8cm_4" << 7;
    }
    void enterMovesOn()
    {
        QFETCH(int, step);
        QFETCH(QString, widget);
        QFETCH(int, to);
        apply(R"({"comboBox4ImgUnifor": 3, "plainTextEdit4": "sombra"})");
        auto *pages = child<QStackedWidget>("stackedWidget");
        pages->setCurrentIndex(step);
        QWidget *input = child<QWidget>(widget);
        input->setFocus();
        QTest::keyClick(input, Qt::Key_Return);
        QCOMPARE(pages->currentIndex(), to);
        QCOMPARE(child<QPlainTextEdit>("plainTextEdit4")->toPlainText().count('\n'),
                 int(to == step));
    }

    // Every kind of input tells its change once, so that each change is kept.
    void everyInputIsWatched()
    {
        int changes = 0;
        QObject context;
        InspectionFields(window.data()).watch(&context, [&changes] { ++changes; });
        child<QComboBox>("comboBox3cabo")->setCurrentIndex(2);
        child<QCheckBox>("checkBox2cm")->toggle();
        child<QDoubleSpinBox>("s5AA2")->setValue(4.5);
        child<QLineEdit>("lineTecResp")->setText("Zé");
        child<QPlainTextEdit>("plainTextEdit4")->setPlainText("sombra");
        child<QCalendarWidget>("calendarWidget")->setSelectedDate(QDate(2025, 1, 2));
        QCOMPARE(changes, 6);
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

    // Photographs loaded on steps 2 and 3 are shown as large in a window that resumes them.
    void resumedPhotographsAsLoaded()
    {
        const QString path = wd->file("p.png");
        QVERIFY(QImage(640, 480, QImage::Format_RGB32).save(path));
        QList<QSizeF> shown[2]; // fresh, resumed
        for (int run = 0; run < 2; ++run) {
            DialogDriver driver;
            if (run) { // the draft kept on leaving step 3
                window.reset(new MainWindow(0));
                window->show();
                driver.press(QMessageBox::Yes);
                window->resumeAtStart();
            }
            for (int step : {1, 2}) {
                child<QStackedWidget>("stackedWidget")->setCurrentIndex(step);
                if (!run) {
                    driver.chooseFile(path);
                    child<QPushButton>(buttons[step == 1 ? 0 : 6])->click();
                }
                QVERIFY(driver.waitDone());
                QTest::qWait(20); // the page is laid out
                QPixmap pixmap = child<QLabel>(step == 1 ? "labelEquipPartImg" : "labelUniformImg")
                                     ->pixmap(Qt::ReturnByValue);
                shown[run] << QSizeF(pixmap.size()) / pixmap.devicePixelRatio();
            }
            if (!run)
                QTest::mouseClick(child<QPushButton>("pushButtonNext"), Qt::LeftButton);
        }
        QCOMPARE(shown[1], shown[0]);
    }

    // Each button stores its picture (a part's selected at once), shown fitted in its
    // label, upright, kept no larger than printed; Clear removes it and nothing else. A
    // failed choice changes nothing; only a file too large to decode says why.
    void loading_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QSize>("kept"); // empty: refused
        QTest::addColumn<QString>("message");
        QTest::newRow("cables wide") << 0 << picture({2000, 100}) << QSize(2000, 100) << "";
        QTest::newRow("large part") << 3 << picture({4800, 1200}, "JPG") << QSize(2400, 600) << "";
        QTest::newRow("filter upright") << 4 << picture({40, 20}, "JPG", 6) << QSize(20, 40) << "";
        QTest::newRow("transducers huge")
            << 5 << picture({16, 16}, "JPG", 1, "75307530") << QSize(0, 0)
            << "A imagem \"f.jpg\" tem 30000 × 30000 pixels e precisaria de 3600 MB de memória "
               "para ser aberta; o limite é de 500 MB.";
        QTest::newRow("uniform large") << 6 << picture({5000, 1000}) << QSize(2400, 480) << "";
        QTest::newRow("uniform no image") << 6 << picture({}) << QSize(0, 0) << "";
    }
    void loading()
    {
        QFETCH(int, button);
        QFETCH(QByteArray, file);
        QFETCH(QSize, kept);
        QFETCH(QString, message);
        WorkDir wd;
        MainWindow window(0);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.buildSteps();
        const bool part = button < 6;
        window.findChild<QStackedWidget *>("stackedWidget")->setCurrentIndex(part ? 1 : 2);
        auto *selector = window.findChild<QComboBox *>("comboBoxImage");
        QLabel *parts = window.findChild<QLabel *>("labelEquipPartImg");
        QLabel *uniform = window.findChild<QLabel *>("labelUniformImg");
        QLabel *label = part ? parts : uniform;
        const QSize cell = label->size();
        auto write = [&wd](const QString &name, const QByteArray &bytes) {
            QFile out(wd.file(name));
            return out.open(QIODevice::WriteOnly) && out.write(bytes) >= 0 ? out.fileName() : "";
        };
        auto colour = [](int b) { return QColor(Qt::GlobalColor(Qt::red + b)); }; // chosen first
        auto choose = [&](int b, const QString &path, bool box = false) {
            DialogDriver driver;
            path.isNull() ? driver.cancelFile() : driver.chooseFile(path);
            if (box)
                driver.press(QMessageBox::Ok);
            window.findChild<QPushButton *>(buttons[b])->click();
            if (!driver.waitDone() || driver.seen().size() != 1 + box || driver.unexpectedCount())
                QTest::qFail("the dialogs were not answered", __FILE__, __LINE__);
            return driver.seen();
        };
        auto stored = [&](int b) { // as browsing to it shows it
            selector->setCurrentIndex(b == 0 ? 1 : 0);
            selector->setCurrentIndex(b);
            return shown(parts);
        };

        choose(5, QString());         // cancelled: the next dialog opens at home still
        for (int b = 0; b < 7; ++b) { // a picture of its own colour for every button
            const QByteArray old = picture({9, 9}, "PNG", 1, "", colour(b));
            const SeenDialog dialog = choose(b, write(QString("%1.png").arg(b), old)).value(0);
            QCOMPARE(QDir(dialog.directory), QDir(b ? wd.path() : wd.file("home")));
            QCOMPARE(selector->currentIndex(), b < 6 ? b : 5);
            QCOMPARE(shown(b < 6 ? parts : uniform), colour(b));
        }
        selector->setCurrentIndex((button + 1) % 6);
        const QString path = write("f.jpg", file);
        const SeenDialog box = choose(button, path, !message.isEmpty()).value(1);
        QCOMPARE(box.text, message);
        QCOMPARE(readPhotograph(path).size(), kept);
        QCOMPARE(label->size(), cell);
        QCOMPARE(selector->currentIndex(), part && !kept.isEmpty() ? button : (button + 1) % 6);
        if (!kept.isEmpty()) {
            stored(part ? button : 0);
            QCOMPARE(label->pixmap(Qt::ReturnByValue).size(),
                     kept.scaled(cell, Qt::KeepAspectRatio));
            window.findChild<QPushButton *>(buttons[part ? 7 : 8])->click();
            QCOMPARE(shown(label), QColor());
        }
        for (int b = 0; b < 7; ++b)
            QCOMPARE(b < 6 ? stored(b) : shown(uniform),
                     b == button && !kept.isEmpty() ? QColor() : colour(b));
    }
};

QTEST_MAIN(TestSteps)
#include "tst_steps.moc"
