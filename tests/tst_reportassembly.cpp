// The report button: the wizard's values and marks as the real modal report shows
// them; saving it as a searchable PDF/A, and saves that fail without harm.

#include "app/language.h"
#include "core/judgement.h"
#include "core/tolerance.h"
#include "dialogdriver.h"
#include "report/pagepainter.h"
#include "report/partfile.h"
#include "report/pdfinfo.h"
#include "report/reportfile.h"
#include "report/reportform.h"
#include "wizard/inspectionfields.h"
#include "wizard/inspectionsession.h"
#include "wizard/mainwindow.h"
#include "wizardfill.h"
#include "workdir.h"

#include <QtTest>
#include <QtWidgets>
#include <unistd.h>

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
    QString mounted; // a folder on a tiny tmpfs
    // The last report: texts of labels and check boxes ("on", "off"), marks "+", "-", "".
    QMap<QString, QString> text, mark;
    QMap<QString, QColor> colour; // in the middle of a picture

    template <typename T = QWidget> T *child(const QString &name)
    {
        return window->findChild<T *>(name);
    }

    // Reads the modal report shown and cancels it.
    void readReport(QWidget *report)
    {
        const QImage pass =
            QImage(":/icons/checkmark@4x.png").convertToFormat(QImage::Format_ARGB32);
        const QImage fail = QImage(":/icons/cross@4x.png").convertToFormat(QImage::Format_ARGB32);
        for (QLabel *label : report->findChildren<QLabel *>()) {
            const QImage image = label->pixmap(Qt::ReturnByValue).toImage();
            text[label->objectName()] = label->text();
            colour[label->objectName()] =
                image.isNull() ? QColor() : image.pixelColor(image.rect().center());
            const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
            mark[label->objectName()] = argb == pass ? "+" : argb == fail ? "-" : "";
        }
        for (QCheckBox *box : report->findChildren<QCheckBox *>())
            text[box->objectName()] = box->isChecked() ? "on" : "off";
        report->findChild<QPushButton *>("pushButtonCancel")->click();
    }
    // Presses the report button, or shows a stored inspection's report without the wizard.
    void assemble(const StoredInspection *stored = nullptr)
    {
        DialogDriver driver;
        driver.then([&](QWidget *report) { readReport(report); });
        if (stored)
            InspectionSession::showStoredReport(*stored, window.data());
        else
            QTest::mouseClick(child("pushButtonReport"), Qt::LeftButton);
        QVERIFY(driver.waitDone());
    }

    // Saves through the real file dialog, confirming a replacement; the dialogs seen.
    QList<SeenDialog> saveAs(ReportForm &form, const QString &path, bool warns)
    {
        DialogDriver driver;
        driver.chooseFile(path);
        if (QFileInfo::exists(path))
            driver.press(QMessageBox::Yes);
        if (warns)
            driver.press(QMessageBox::Ok);
        form.findChild<QPushButton *>("pushButtonSave")->click();
        return driver.waitDone() ? driver.seen() : QList<SeenDialog>();
    }
    QList<QUrl> opened; // by the desktop's viewer
    QString run(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.start(program, arguments);
        return process.waitForFinished() ? process.readAllStandardOutput() : QString();
    }

public slots:
    void open(const QUrl &url) { opened << url; }

private slots:
    // The window on the registry, every step valid, walked to the finished state.
    void init()
    {
        window.reset();
        wd.reset(new WorkDir);
        WizardFill::seedEquipment({{"Hospital Central", "Radiologia", "US-01", "Logiq", "GE"},
                                   {"Clínica Sul", "Sala 2", "US-77", "Acuson", "Siemens"}});
        window.reset(new MainWindow(QString(QTest::currentDataTag()).startsWith("en")));
        WizardFill::makeStepsValid(window.data());
        window->show();
        for (int step = 0; step < 8; ++step)
            QTest::mouseClick(child("pushButtonNext"), Qt::LeftButton);
        QVERIFY(child("pushButtonReport")->isEnabled());
    }
    // Each dead-zone, resolution and rating choice reaches its own cell, judged: the one
    // box on a passing choice holds the only pass mark. Every photograph reaches its own
    // cell, and every distance is printed once.
    void deadZoneResolutionRatingsPhotographs()
    {
        const QStringList boxes = QString("2_05db_ZM 2_07db_ZM 2_05db_RA 2_07db_RA 2_05db_RL "
                                          "2_07db_RL 3cabo 3Controles 3FiltPoeira 3Monitor "
                                          "3botoes 3Transtud")
                                      .split(' ');
        const QStringList cells = QString("_15:_132 _30:_131 _20:_135 _31:_130 _21:_134 _32:_138 "
                                          "CaboDeForca_2:CaboDeForca Controles_2:Controles "
                                          "FiltroPoeira_2:FiltroPoeira Monitor_2:Monitor "
                                          "Botoes_2:Botoes Transdutores_2:Transdutores")
                                      .split(' ');
        const QStringList photos =
            QString("3CaboForca:ImgCabo Monitor:ImgMonitor 3Controles:ImgControl "
                    "3Botoes:ImgButtons 3Filtro:ImgFilter "
                    "3Trasdutores:ImgTransdut LoadUniImg:UniformidadeANEXO")
                .split(' ');
        const QStringList words = {"---", "Ótimo", "Bom", "Regular", "Ruim", "Péssimo"};
        DialogDriver driver;
        for (int i = 0; i < 7; ++i) {
            QImage image(40, 30, QImage::Format_RGB32);
            image.fill(Qt::GlobalColor(Qt::red + i));
            image.save(wd->file(QString("%1.png").arg(i)));
            driver.chooseFile(wd->file(QString("%1.png").arg(i)));
            child<QPushButton>("pushButton" + photos[i].section(':', 0, 0))->click();
        }
        QStringList typed; // squares, so that no mean equals a distance
        const auto pairs = window->findChildren<QDoubleSpinBox *>(
            QRegularExpression("^doubleSpinBox[56]_.*_\\d+$"));
        for (int n = 0; n < pairs.size(); ++n)
            pairs[n]->setValue(9 + n * n * 0.001),
                typed << QString::number(pairs[n]->value()).replace('.', ',');
        ReportForm form; // a depth or column past the last writes no other cell
        form.setMassMarks05(Result::Pass, Result::Pass, 0, 1);
        const QImage kept =
            form.findChild<QLabel *>("label_62")->pixmap(Qt::ReturnByValue).toImage();
        form.setMassMarks05(Result::Fail, Result::Fail, 4, 0),
            form.setMassMarks07(Result::NotJudged, Result::NotJudged, 0, 2);
        QCOMPARE(form.findChild<QLabel *>("label_62")->pixmap(Qt::ReturnByValue).toImage(), kept);
        auto texts = [&form] {
            QStringList all;
            for (QLabel *label : form.findChildren<QLabel *>())
                all << label->text();
            return all;
        };
        const QStringList before = texts();
        form.setHorizontalDistances(1, 2, 3, 2, 0); // so do a column, part or rating past the last
        form.setInspectionRating(6, 1, Result::Pass), form.setInspectionRating(-1, 1, Result::Pass),
            form.setInspectionRating(0, 6, Result::Pass);
        QCOMPARE(texts(), before);
        form.setLocale(QLocale(QLocale::Portuguese, QLocale::Brazil)); // six digits, no groups
        for (int column : {0, 1, 2})
            form.setFocalZone(1234.5678 + column, column),
                form.setMaxPenetration(7 + column, column);
        QString shown;
        for (const char *name :
             {"05ZonaFocal", "07ZonaFocal", "05MaxPenetracao", "07MaxPenetracao"})
            shown += form.findChild<QLabel *>(QString("label") + name)->text() + " ";
        QCOMPARE(shown, "1234,57 1235,57 7 8 ");
        child<QDoubleSpinBox>("doubleSpinBox4Freq")->setValue(5.0);
        for (int b = 0; b < 12; ++b) {
            for (int o = 0; o < 12; ++o)
                child<QComboBox>("comboBox" + boxes[o])->setCurrentIndex(o == b ? 1 : 4 + o % 2);
            assemble();
            for (int o = 0; o < 12; ++o) {
                const QStringList c = cells[o].split(':');
                QCOMPARE(mark["label" + c[0]], QString(o == b ? "+" : "-"));
                auto *box = child<QComboBox>("comboBox" + boxes[o]);
                QCOMPARE(text["label" + c[1]],
                         o < 6 ? box->currentText() : words.value(box->currentIndex()));
            }
        }
        for (int i = 0; i < 7; ++i)
            QCOMPARE(colour["label" + photos[i].section(':', 1)],
                     QColor(Qt::GlobalColor(Qt::red + i)));
        QCOMPARE(typed.size(), 30);
        for (const QString &value : typed)
            QCOMPARE(std::count(text.begin(), text.end(), value), 1);
    }

    // Every mass box a value of its own. Mass `target` passes both checks, the next only
    // the ratio, the others fail both; then the next but one is unchecked in the wizard
    // and a second report empties its marks and still prints its numbers. The header
    // shows the selected record, not the first; the footers the values of step 8.
    void reportOfMasses_data()
    {
        QTest::addColumn<int>("target"); // the tag names the language of the window
        for (int r = 0; r < 16; ++r)
            QTest::newRow(qPrintable(QString(r % 2 ? "en %1" : "pt %1").arg(r))) << r;
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
                child<QDoubleSpinBox>(group(r)[0] + QStringList{"A", "L", "Ar"}[q] +
                                      cm(r).chopped(2))
                    ->setValue(value(r, q));
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
                for (int q = 0; q < 3; ++q) // 30.25, 30,25 in Portuguese
                    QCOMPARE(text[c[8 + 4 * q + r % 4]],
                             QString::number(value(r, q)).replace('.', target % 2 ? "." : ","));
                const char *marks = r == target ? "++" : r == next ? "+-" : "--";
                QCOMPARE(mark[c[r % 4]] + mark[c[4 + r % 4]], judged ? marks : "");
                QCOMPARE(text["checkBox" + cm(r) + group(r)[2].remove('-')], judged ? "on" : "off");
            }
            // the history's count of failed results is the report's count of crosses
            QCOMPARE(int(std::count(mark.begin(), mark.end(), "-")),
                     failedCount(judge(InspectionFields(window.data()).read())));
        }
    }
    // A stored inspection's report, built from its values alone, equals the wizard's
    // value for value and mark for mark, a result not measured unmarked in both; a stored
    // rating that is no choice fails there as in the history's count. A new inspection is
    // dated today and keeps its technician.
    void storedReportAsTheWizards()
    {
        child<QCalendarWidget>("calendarWidget")->setSelectedDate(QDate(2024, 3, 7));
        auto *distance = child<QDoubleSpinBox>("doubleSpinBox5_07_45");
        distance->setValue(distance->minimum());
        assemble();
        const QMap<QString, QString> wizardText = text, wizardMark = mark;
        QCOMPARE(wizardMark["label_117"] + wizardText["label_140"] + wizardText["label_169"], "");
        StoredInspection stored;
        stored.values = InspectionFields(window.data()).read().values();
        stored.values.insert(Field::transducerRecord, // as the wizard took it on step 1
                             TransducerStore::forEquipment(1).value(0).toJson());
        stored.scanner = QStringList{"Hospital Central", "Radiologia", "US-01", "Logiq", "GE"};
        text.clear(), mark.clear();
        assemble(&stored);
        QCOMPARE(text, wizardText);
        QCOMPARE(mark, wizardMark);
        stored.values["comboBox3cabo"] = 2.5;
        QImage red(40, 30, QImage::Format_RGB32); // the first part's photograph, read again
        red.fill(Qt::red);
        QVERIFY(red.save(wd->file("cabo.png")));
        stored.values["photos"] = QJsonObject{{"0", wd->file("cabo.png")}};
        assemble(&stored);
        QCOMPARE(colour["labelImgCabo"], QColor(Qt::red));
        QCOMPARE(mark["labelCaboDeForca_2"], "-");
        QCOMPARE(int(std::count(mark.begin(), mark.end(), "-")),
                 failedCount(judge(Inspection(stored.values))));
        child<QPushButton>("pushButtonNewInspection")->click();
        QCOMPARE(child<QCalendarWidget>("calendarWidget")->selectedDate(), QDate::currentDate());
        QCOMPARE(child<QLineEdit>("lineTecResp")->text(), "Maria Souza");
        QVERIFY(!InspectionFields(window.data()).read().isMeasured("doubleSpinBox5_05_12"));
    }
    // Under TG-128 page 2 gains a table of the results judged by a change from the
    // baseline or a deviation from a nominal value, and the criteria name the set and
    // the baseline; the inspection that is the baseline says so; the original rules
    // print no table and their criteria as always.
    void baselineTable_data()
    {
        QTest::addColumn<QString>("baseline"); // "kept", "none" (the baseline itself), "original"
        QTest::addColumn<QString>("rows");     // the axial and penetration rows at 0.5 dB
        QTest::addColumn<QString>("criteria"); // the criteria's start
        // clang-format off
        QTest::newRow("pt TG-128") << "kept"
            << "Resolução axial a 0,5 dB|0,5 (10/06/2025)|0,5|0|até 1 mm da linha de base|aprovado/"
               "Penetração máxima a 0,5 dB|120 (10/06/2025)|105|-15|até 10 mm da linha de base|reprovado"
            << "Conjunto de tolerâncias: AAPM TG-128, versão 1; linha de base de 10/06/2025. Critérios: zona morta até 2mm (5,0 MHz); física";
        QTest::newRow("en TG-128") << "kept"
            << "Axial resolution at 0.5 dB|0.5 (10/06/2025)|0.5|0|within 1 mm of the baseline|passed/"
               "Maximum penetration at 0.5 dB|120 (10/06/2025)|105|-15|within 10 mm of the baseline|failed"
            << "Tolerance set: AAPM TG-128, version 1; baseline of 10/06/2025. Criteria: dead zone up to 2mm (5.0 MHz); physical";
        QTest::newRow("pt the baseline itself") << "none"
            << "Resolução axial a 0,5 dB|esta inspeção|0,5||até 1 mm da linha de base|sem linha de base/"
               "Penetração máxima a 0,5 dB|esta inspeção|105||até 10 mm da linha de base|sem linha de base"
            << "Conjunto de tolerâncias: AAPM TG-128, versão 1; esta inspeção é a linha de base.";
        QTest::newRow("pt original rules") << "original" << "" << "Critérios: zona morta até 2mm, axial até <0.5mm";
        // clang-format on
    }
    void baselineTable()
    {
        QFETCH(QString, baseline);
        text.clear();
        QTranslator translator;
        installCatalogue(translator,
                         QString(QTest::currentDataTag()).startsWith("en") ? "en_US" : "");
        StoredInspection stored;
        stored.scanner = QStringList{"Hospital Central", "Radiologia", "US-01", "Logiq", "GE"};
        stored.values = InspectionFields(window.data()).read().values();
        stored.values["calendarWidget"] = "2025-06-10";
        stored.values["doubleSpinBox5_05_MPV"] = 120;
        const Baseline kept = Baseline::of(1, Inspection(stored.values));
        stored.values["calendarWidget"] = "2026-03-05";
        stored.values["doubleSpinBox5_05_MPV"] = 105; // 15 mm below its baseline
        if (baseline != "original")
            stored.values[Field::toleranceSet] = ToleranceSet::tg128().toJson();
        if (baseline == "kept")
            stored.values[Field::baseline] = kept.toJson();
        assemble(&stored);
        QStringList rows;
        for (int row : {0, 10}) {
            QStringList cells;
            for (int column = 0; column < 6; ++column)
                cells << text.value(QString("labelBaselineCell%1_%2").arg(row).arg(column));
            if (!cells.join("").isEmpty())
                rows << cells.join('|');
        }
        QTEST(rows.join('/'), "rows");
        QFETCH(QString, criteria);
        QVERIFY2(text["labelLimits"].startsWith(criteria), qPrintable(text["labelLimits"]));
        // every result of step 4 and 5 that TG-128 judges against a reference is measured
        const int count =
            text.keys().filter(QRegularExpression("^labelBaselineCell\\d+_0$")).size();
        QCOMPARE(count, baseline == "original" ? 0 : 12);
    }
    // The proposed name takes the scanner's ID as a file name can hold it; a chosen name
    // gets ".pdf" when it lacks it.
    void reportFileNames_data()
    {
        QTest::addColumn<QString>("id"); // null: the row checks the suffix of "chosen"
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("name");
        QTest::newRow("slashes") << "HU/RAD\\US:01*"
                                 << ""
                                 << "CQ_HU-RAD-US-01_2026-03-05.pdf";
        QTest::newRow("spaces") << " US  01\t"
                                << ""
                                << "CQ_US_01_2026-03-05.pdf";
        QTest::newRow("accents") << "Cardiológico-Ç"
                                 << ""
                                 << "CQ_Cardiológico-Ç_2026-03-05.pdf";
        QTest::newRow("empty") << ""
                               << ""
                               << "CQ_2026-03-05.pdf";
        QTest::newRow("nothing safe") << ".?/\n"
                                      << ""
                                      << "CQ_2026-03-05.pdf";
        QTest::newRow("long") << QString(300, 'x') << ""
                              << "CQ_" + QString(80, 'x') + "_2026-03-05.pdf";
        QTest::newRow("no suffix") << QString() << "/a/laudo"
                                   << "/a/laudo.pdf";
        QTest::newRow("other suffix") << QString() << "/a/laudo.v2"
                                      << "/a/laudo.v2.pdf";
        QTest::newRow("upper case") << QString() << "/a/laudo.PDF"
                                    << "/a/laudo.PDF";
    }
    void reportFileNames()
    {
        QFETCH(QString, id);
        QFETCH(QString, chosen);
        QFETCH(QString, name);
        QCOMPARE(id.isNull() ? ReportFile::withPdfSuffix(chosen)
                             : ReportFile::proposedName(id, QDate(2026, 3, 5)),
                 name);
    }

    void cleanup()
    {
        if (!mounted.isEmpty())
            QProcess::execute("umount", {mounted});
        mounted.clear();
    }

    // A filled report in each language, saved twice under one name and read back as a
    // reader of the file sees it: each page's every text, all fonts embedded, no picture
    // but the cells' own (lossless marks, placeholders, a photograph at 300 ppi or more), a sound
    // PDF/A with its document information.
    void savesSearchableReport_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("Portuguese") << "pt_BR";
        QTest::newRow("English") << "en_US";
    }
    void savesSearchableReport()
    {
        QFETCH(QString, language);
        QTranslator translator;
        window.reset();
        window.reset(new MainWindow(installCatalogue(translator, language)));
        WizardFill::makeStepsValid(window.data());
        child<QLineEdit>("lineTecResp")->setText("José Conceição");
        QImage photo(400, 300, QImage::Format_RGB32);
        photo.fill(Qt::darkCyan);
        photo.save(wd->file("p.png"));
        DialogDriver driver;
        driver.chooseFile(wd->file("p.png"));
        child<QPushButton>("pushButton3Botoes")->click();
        for (int step = 0; step < 8; ++step)
            child<QPushButton>("pushButtonNext")->click();
        const QString path = wd->file("r.pdf"), printed = wd->file("printed.pdf");
        QStringList texts[3], pictures[3];
        QList<QRectF> boxes[3]; // where each text may be, in the page's pixels
        int differ[3] = {-1, -1, -1};
        QPointF id; // where the ID starts on its page, in points
        driver.then([&](QWidget *report) {
            QSignalSpy saved(report, SIGNAL(reportSaved(QString)));
            // a long name wraps in its cell; typed without ".pdf", saved with it
            qobject_cast<ReportForm *>(report)->setInstitution(QString("Hospital Universitário "
                                                                       "Clementino Fraga ")
                                                                   .repeated(3));
            driver.clear();
            driver.chooseFile(wd->file("r")).chooseFile(wd->file("r")).press(QMessageBox::Yes);
            auto *save = report->findChild<QPushButton *>("pushButtonSave");
            auto *cancel = report->findChild<QPushButton *>("pushButtonCancel");
            auto *open = report->findChild<QPushButton *>("pushButtonOpen");
            QVERIFY(!open->isVisible());
            save->click(); // the second over the first, whose permissions it keeps
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
            save->click();
            QCOMPARE(QFile::permissions(path) & (QFile::ReadGroup | QFile::ReadOther),
                     QFile::ReadGroup);
            auto *cell = report->findChild<QWidget *>("labelID"); // left, centred vertically
            const QRectF r(cell->mapTo(cell->parentWidget()->parentWidget(), QPoint()),
                           cell->size());
            id = QPointF(r.left(), r.center().y()) * 0.75;
            QCOMPARE(saved.value(1).value(0).toString(), path);
            // proposed in the documents folder, then in the folder of the last report
            const QString name = "/CQ_US-01_" + QDate::currentDate().toString(Qt::ISODate) + ".pdf";
            QCOMPARE(driver.seen().value(0).file, wd->file("home/Documents") + name);
            QCOMPARE(driver.seen().value(1).file, wd->path() + name);
            QCOMPARE(cancel->text(), language == "pt_BR" ? "Fechar" : "Close");
            opened.clear();
            QDesktopServices::setUrlHandler("file", this, "open");
            open->click();
            QDesktopServices::unsetUrlHandler("file");
            QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(path)});
            // printed by the same painter: the print dialog's file, vector text on A4
            driver.then([&](QWidget *dialog) {
                dialog->findChild<QLineEdit *>("filename")->setText(printed);
                QMetaObject::invokeMethod(dialog, "accept");
            });
            report->findChild<QPushButton *>("pushButtonPrint")->click();
            QVERIFY(driver.waitDone());
            auto *line = report->findChild<QLabel *>("labelSaved"); // beside the buttons
            QCOMPARE(line->toolTip(), path); // the line itself may be cut beside five buttons
            QVERIFY(line->text().startsWith(language == "pt_BR" ? "Salvo em /" : "Saved to /"));
            line->resize(150, line->height()); // a short line cuts the path in its middle
            QVERIFY(line->text().endsWith(QChar(0x2026) + QString("df")));
            QShowEvent shown; // a report shown anew has not been saved
            QCoreApplication::sendEvent(report, &shown);
            QVERIFY(line->text().isEmpty() && line->toolTip().isEmpty() && !open->isVisible());
            for (int i = 0; i < 3; ++i) {
                auto *page = report->findChild<QWidget *>(QString("frameFormPage%1").arg(i + 1));
                // The printed drawing is the page as shown, but for its outline, the
                // check boxes' indicators and the shade of lines.
                QImage printed(page->size(), QImage::Format_RGB32);
                printed.fill(Qt::white);
                printed.setDotsPerMeterX(qRound(page->logicalDpiX() / 0.0254));
                printed.setDotsPerMeterY(qRound(page->logicalDpiY() / 0.0254));
                QPainter painter(&printed);
                PagePainter(&painter).drawPage(page);
                painter.end();
                const QImage shown = page->grab().toImage().convertToFormat(QImage::Format_RGB32);
                QRegion compared = static_cast<QFrame *>(page)->contentsRect();
                for (QCheckBox *box : page->findChildren<QCheckBox *>()) { // their texts count
                    QStyleOptionButton option;
                    option.initFrom(box);
                    compared -= box->style()
                                    ->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box)
                                    .translated(box->mapTo(page, QPoint()));
                }
                differ[i] = 0;
                for (const QRect &r : compared)
                    for (int y = r.top(); y <= r.bottom(); ++y)
                        for (int x = r.left(); x <= r.right(); ++x)
                            differ[i] +=
                                qAbs(qGray(printed.pixel(x, y)) - qGray(shown.pixel(x, y))) > 40;
                for (QWidget *w : page->findChildren<QWidget *>()) {
                    const auto *label = qobject_cast<QLabel *>(w);
                    const QPixmap pixmap = label ? label->pixmap(Qt::ReturnByValue) : QPixmap();
                    if (!w->isVisibleTo(page))
                        continue;
                    if (w->inherits("QLabel") || w->inherits("QAbstractButton") ||
                        w->inherits("QTextEdit")) // the rectangle their text is clipped to
                        boxes[i] << QRectF(w->mapTo(page, w->contentsRect().topLeft()),
                                           w->contentsRect().size());
                    if (!pixmap.isNull())
                        pictures[i] << QString("%1x%2").arg(pixmap.width()).arg(pixmap.height());
                    else if (w->inherits("QLabel") || w->inherits("QAbstractButton"))
                        texts[i] << w->property("text").toString();
                    else if (w->inherits("QTextEdit"))
                        texts[i] << qobject_cast<QTextEdit *>(w)->toPlainText().simplified();
                }
            }
            report->close();
        });
        // what killed saves of r.pdf left goes with the next save, and nothing else, not
        // even one that another copy is still writing
        QStringList kept = {".r.pdf.1k2z9.part",   ".r.pdf.0.part",  ".other.part",
                            ".r.pdf.a.b.part",     ".r.pdf.Up.part", "r.pdf.q.part",
                            ".r.pdf.10000000.part"};
        for (const QString &name : kept)
            QVERIFY(QFile(wd->file(name)).open(QIODevice::WriteOnly));
        const PartFileGuard writing(wd->file(".r.pdf.held.part"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("being written: \"No such file"));
        const PartFileGuard nowhere(wd->file("gone/.r.pdf.x.part")); // logged with its reason
        QFile::link(wd->file("r.pdf.q.part"), wd->file(".r.pdf.link.part")); // not a file
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("link.part\" not opened"));
        QTest::mouseClick(child("pushButtonReport"), Qt::LeftButton);
        QVERIFY(driver.waitDone(20000));
        QCOMPARE(QVector<int>(differ, differ + 3), QVector<int>(3, 0));
        kept = kept.mid(2) << "r.pdf"
                           << "printed.pdf"
                           << ".r.pdf.held.part"
                           << ".r.pdf.link.part";
        kept.sort();
        QCOMPARE(
            QDir(wd->path()).entryList({"*.part", "*.pdf"}, QDir::Files | QDir::Hidden, QDir::Name),
            kept);
        const QStringList pageTexts =
            run("pdftotext", {path, "-"}).remove(QRegularExpression("[^\\S\\f]")).split('\f');
        for (int i = 0; i < 3; ++i) { // word by word: a value may wrap in its cell
            for (const QString &word :
                 texts[i].join(' ').split(QRegularExpression("\\s+"), Qt::SkipEmptyParts))
                QVERIFY2(pageTexts.value(i).contains(word), qPrintable(word));
        }
        // every word of the file inside the box that clips it: none was cut
        const QRegularExpression word("<page |xMin=\"(.*)\" yMin=\"(.*)\" xMax=\"(.*)\" "
                                      "yMax=\"(.*)\">(.*)</word>");
        int page = -1;
        QStringList cut;
        for (auto m = word.globalMatch(run("pdftotext", {"-bbox", path, "-"})); m.hasNext();) {
            const QRegularExpressionMatch w = m.next();
            if (w.captured(5).isNull()) {
                ++page;
                continue;
            }
            const QRectF r = QRectF(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                                    QPointF(w.captured(3).toDouble(), w.captured(4).toDouble()));
            const QRectF inPage(r.topLeft() / 0.75 - QPointF(46, 86), r.size() / 0.75);
            // pdftotext joins the texts of neighbouring cells: each end in a box of its own
            auto within = [&](qreal x) {
                return std::any_of(boxes[page].begin(), boxes[page].end(), [&](QRectF box) {
                    box.adjust(-1, -2, 1, 2);
                    return box.left() <= x && x <= box.right() && box.top() <= inPage.top() &&
                           inPage.bottom() <= box.bottom();
                });
            };
            if (!within(inPage.left()) || !within(inPage.right()))
                cut << w.captured(5);
        }
        QCOMPARE(cut, QStringList());
        QCOMPARE(run("pdftotext", {printed, "-"}), run("pdftotext", {path, "-"}));
        QVERIFY(run("pdfinfo", {printed})
                    .contains(QRegularExpression("Pages: +3\n(.*\n)*Page size: +595.* x 84[12]")));
        const QStringList fonts = run("pdffonts", {path}).split('\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!fonts.isEmpty());
        for (const QString &font : fonts)
            QVERIFY2(font.contains(QRegularExpression(" yes +(yes|no) +(yes|no) +\\d+ +\\d+$")),
                     qPrintable(font));
        // page num type width height color comp bpc enc interp object ID x-ppi y-ppi ...
        QStringList images[3];
        for (const QString &line : run("pdfimages", {"-list", path}).split('\n').mid(2)) {
            const QStringList f = line.simplified().split(' ');
            if (f.size() > 13 && f[0].toInt() >= 1 && f[0].toInt() <= 3) {
                images[f[0].toInt() - 1] << f[3] + "x" + f[4];
                QVERIFY2(f[3].toInt() <= 64 ? f[8] == "image" : f[12].toInt() >= 300,
                         qPrintable(line));
            }
        }
        for (int i = 0; i < 3; ++i) {
            std::sort(images[i].begin(), images[i].end());
            std::sort(pictures[i].begin(), pictures[i].end());
            QCOMPARE(images[i], pictures[i]);
        }
        QVERIFY(pictures[1].contains("630x472"));
        QVERIFY(run("qpdf", {"--check", path}).contains("No syntax or stream encoding errors"));
        const QString title = language == "en_US" ? "Quality Control - B mode Ultrasound"
                                                  : "Controle de Qualidade - Ultrassom modo B";
        QVERIFY(
            run("pdfinfo", {path})
                .contains(QRegularExpression("Title: +" + title +
                                             " - US-01\nSubject: +US-01\nAuthor: +José Conceição\n"
                                             "Creator: +ZETU\n(.*\n)*Pages: +3\n(.*\n)*Page size: "
                                             "+595 x 842 pts \\(A4\\)")));
        const QString meta = run("pdfinfo", {"-meta", path});
        for (const QString &entry :
             {"<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">" + title + " - US-01</rdf:li>",
              QString("<dc:creator><rdf:Seq><rdf:li>José Conceição</rdf:li>"),
              QString("<dc:description><rdf:Alt><rdf:li xml:lang=\"x-default\">US-01</rdf:li>"),
              QString("xmp:CreatorTool=\"ZETU\""), QString("pdfaid:part=\"1\"")})
            QVERIFY2(meta.contains(entry), qPrintable(entry));
        // the page in the middle of the A4 sheet: the ID where the page shows it
        const QRegularExpressionMatch box =
            QRegularExpression("xMin=\"(.*)\" yMin=\"(.*)\" xMax=\"(.*)\" yMax=\"(.*)\">US-01<")
                .match(run("pdftotext", {"-bbox", "-l", "1", path, "-"}));
        QVERIFY(box.hasMatch());
        const QPointF centre(box.captured(1).toDouble(),
                             (box.captured(2).toDouble() + box.captured(4).toDouble()) / 2);
        const QPointF offset = centre - id - QPointF(595.28 - 525, 841.89 - 712.5) / 2;
        QVERIFY(offset.manhattanLength() < 2);
        // a file that is not whole, or that QPdfWriter did not write, is left as it is
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray whole = file.readAll();
        for (const char *part : {"/Info", "/Metadata", "/Size", "%%EOF", "/CreationDate"}) {
            QFile broken(wd->file("b.pdf"));
            QVERIFY(broken.open(QIODevice::WriteOnly) &&
                    broken.write(QByteArray(whole).replace(part, "")));
            broken.close();
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("b.pdf\" is incomplete"));
            QVERIFY(!writePdfInfo(broken.fileName(), PdfInfo()));
        }
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot open .*No such file"));
        QVERIFY(!writePdfInfo(wd->file("none/b.pdf"), PdfInfo()));
    }

    // A full disk (as root, on a tiny tmpfs) or a folder that cannot be written (as a
    // user): the warning, the earlier file byte for byte, no partial file beside it.
    void failingSaveKeepsEarlierFile()
    {
        const QString dir = wd->file("out"), path = dir + "/r.pdf";
        const bool root = geteuid() == 0;
        QDir().mkpath(dir);
        if (root && QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=32k", "tmpfs", dir}))
            QSKIP("no tmpfs can be mounted here");
        mounted = root ? dir : QString();
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write(QByteArray(20000, 'e')));
        earlier.close();
        if (!root)
            QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
        ReportForm form;
        QSignalSpy saved(&form, &ReportForm::reportSaved);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot write .*part\" : -?\\d+ of"));
        const QList<SeenDialog> seen = saveAs(form, path, true);
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(seen.value(seen.size() - 1).text,
                 "Não foi possível gravar o arquivo PDF " + path + ".");
        QCOMPARE(saved.size(), 0);
        QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList("r.pdf"));
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray(20000, 'e'));
        // the longest name a folder takes (255 bytes; its partial file's is cut short)
        const QString longest = wd->file("a" + QString(125, QChar(0xe9)) + ".pdf");
        QVERIFY(saveAs(form, longest, false).size() == 1 && QFileInfo(longest).size() > 0);
        // a name that just fits (241 bytes) keeps its whole stem in its partial file's
        const QString fits = QString(237, 'a') + ".pdf";
        QVERIFY(isPartFileName("." + fits + ".z.part", fits));
    }
};

QTEST_MAIN(TestReportAssembly)
#include "tst_reportassembly.moc"
