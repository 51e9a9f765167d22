// The report button: the values of every wizard step as the real modal report shows
// them, with the marks of the judged results, the photographs and the footers.

#include "app/language.h"
#include "dialogdriver.h"
#include "report/reportform.h"
#include "wizard/mainwindow.h"
#include "wizardfill.h"
#include "workdir.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QTranslator>
#include <QtTest>

namespace {

QStringList names(const QString &prefix, const QStringList &keys)
{
    QStringList all;
    for (const QString &key : keys)
        all << prefix + key;
    return all;
}
QStringList labels(std::initializer_list<int> numbers)
{
    QStringList all;
    for (int n : numbers)
        all << QStringLiteral("label_%1").arg(n);
    return all;
}

// Distances with a judged mean: wizard boxes, mark cell, mean cell, distance cells.
struct MeanGroup
{
    QStringList boxes;
    QString mark, mean;
    QStringList cells;
};
const QStringList pairs3 = {"12", "23", "34"};
const QStringList pairs9 = {"12", "23", "34", "45", "56", "67", "78", "89", "910"};
const MeanGroup meanGroups[6] = {
    {names("doubleSpinBox5_05_", QStringList{"12", "30"} + pairs9.mid(2)), "label_115", "label_141",
     labels({5, 11, 17, 159, 160, 161, 162, 163, 164})},
    {names("doubleSpinBox5_07_", pairs9), "label_117", "label_140",
     labels({154, 173, 174, 169, 165, 168, 170, 171, 172})},
    {names("doubleSpinBox6_3cm_05_", pairs3), "label_116", "label_145", labels({263, 264, 265})},
    {names("doubleSpinBox6_3cm_07_", pairs3), "label_118", "label_146", labels({268, 266, 267})},
    {names("doubleSpinBox6_9cm_05_", pairs3), "label_121", "label_147", labels({270, 274, 269})},
    {names("doubleSpinBox6_9cm_07_", pairs3), "label_122", "label_148", labels({271, 273, 272})},
};

// Four masses at 2, 4, 6, 8 cm: wizard names, marks (page 1), numbers (page 3).
struct MassGroup
{
    const char *name, *prefix, *wizardSuffix, *reportSuffix;
    QStringList ratio, area, heights, widths, areas;
};
const MassGroup massGroups[4] = {
    {"anechoic 0.5 dB", "s5A", "", "", labels({62, 63, 64, 65}), labels({67, 68, 69, 70}),
     labels({180, 181, 182, 183}), labels({187, 186, 185, 184}), labels({188, 189, 190, 191})},
    {"anechoic 0.7 dB", "s7A", "_1", "_2", labels({47, 49, 50, 46}), labels({54, 53, 52, 51}),
     labels({196, 193, 203, 204}), labels({198, 201, 205, 195}), labels({199, 197, 200, 207})},
    {"hyperechoic 0.5 dB", "s5H", "_3", "_3", labels({77, 78, 79, 80}), labels({82, 83, 84, 85}),
     labels({212, 209, 219, 220}), labels({214, 217, 221, 211}), labels({215, 213, 216, 223})},
    {"hyperechoic 0.7 dB", "s7H", "_4", "_4", labels({92, 93, 94, 95}), labels({97, 98, 99, 100}),
     labels({228, 225, 249, 250}), labels({230, 247, 251, 227}), labels({245, 229, 246, 253})},
};
// Mass row r (0 to 15) is group r / 4 at depth r % 4.
QString cm(int r)
{
    return QString::number(2 + 2 * (r % 4));
}
QString massBox(int r, const char *quantity)
{
    return massGroups[r / 4].prefix + QLatin1String(quantity) + cm(r);
}
QString checkBox(int r, bool wizard)
{
    const MassGroup &g = massGroups[r / 4];
    return "checkBox" + cm(r) + "cm" + (wizard ? g.wizardSuffix : g.reportSuffix);
}

// Rating combo boxes and their word cells on page 2 (mark cells: suffix _2).
const char *const ratingParts[6][2] = {
    {"comboBox3cabo", "labelCaboDeForca"},    {"comboBox3botoes", "labelBotoes"},
    {"comboBox3Controles", "labelControles"}, {"comboBox3FiltPoeira", "labelFiltroPoeira"},
    {"comboBox3Monitor", "labelMonitor"},     {"comboBox3Transtud", "labelTransdutores"}};

// Judged combo boxes of step 4, their mark cell (page 1) and text cell (page 3).
const char *const judged[6][3] = {
    {"comboBox2_05db_ZM", "label_15", "label_132"}, {"comboBox2_07db_ZM", "label_30", "label_131"},
    {"comboBox2_05db_RA", "label_20", "label_135"}, {"comboBox2_07db_RA", "label_31", "label_130"},
    {"comboBox2_05db_RL", "label_21", "label_134"}, {"comboBox2_07db_RL", "label_32", "label_138"}};
// The items chosen in the boxes of `judged` at one frequency, the texts printed and the
// marks ('+' check); each box shows a mark sequence of its own over the rows.
const struct
{
    const char *tag;
    double frequency;
    int index[6];
    const char *texts, *marks;
} judgedRows[] = {
    {"2.5 MHz", 2.5, {3, 4, 2, 3, 2, 0}, "3mm 4mm 1mm 2mm 2mm ----------", "+-+-+-"},
    {"3.0 MHz", 3.0, {2, 3, 3, 2, 0, 2}, "2mm 3mm 2mm 1mm ---------- 2mm", "+--+-+"},
    {"3.5 MHz", 3.5, {0, 2, 2, 3, 2, 1}, "---------- 2mm 1mm 2mm 2mm 1mm", "-++--+"},
    {"5.0 MHz", 5.0, {1, 3, 1, 2, 1, 2}, "1mm 3mm <0.5mm 1mm 1mm 2mm", "+-+-+-"},
    {"7.0 MHz", 7.0, {2, 1, 0, 1, 5, 1}, "2mm 1mm ---------- <0.5mm 5mm 1mm", "-+-+-+"},
};

// One group of `meanGroups` changed, the others left at 10; every group fails once.
const struct
{
    const char *tag;
    int group;
    QVector<double> values; // one value fills every box
    const char *mean;
    bool pass;
} meanRows[] = {
    {"vertical 0.5 nine of 10", 0, {10}, "10", true},
    {"vertical 0.5 10.001 at 2-3", 0, {10, 10.001, 10, 10, 10, 10, 10, 10, 10}, "10.0001", true},
    {"vertical 0.7 10.001 at 9-10", 1, {10, 10, 10, 10, 10, 10, 10, 10, 10.001}, "10.0001", true},
    {"vertical 0.5 10.02", 0, {10.02}, "10.02", false},
    {"vertical 0.7 9.98", 1, {9.98}, "9.98", false},
    {"3 cm 0.5 10.015", 2, {10.015}, "10.015", true},
    {"3 cm 0.5 9.975", 2, {9.975}, "9.975", false},
    {"3 cm 0.7 10.03", 3, {10.03}, "10.03", false},
    {"9 cm 0.5 9.985", 4, {9.99, 9.98, 9.985}, "9.985", true},
    {"9 cm 0.5 10.025", 4, {10.025}, "10.025", false},
    {"9 cm 0.7 9.975", 5, {9.975}, "9.975", false},
};

// Photograph buttons, report cells, comboBoxImage entry (-1: uniformity), file and
// expected picture size.
const struct
{
    const char *tag, *button;
    int entry;
    QSize size, shown;
} photographs[] = {
    {"labelImgCabo", "pushButton3CaboForca", 0, {400, 200}, {180, 90}},
    {"labelImgMonitor", "pushButtonMonitor", 1, {200, 400}, {90, 180}},
    {"labelImgControl", "pushButton3Controles", 2, {60, 30}, {180, 90}},
    {"labelImgButtons", "pushButton3Botoes", 3, {1000, 1000}, {180, 180}},
    {"labelImgFilter", "pushButton3Filtro", 4, {300, 100}, {180, 60}},
    {"labelImgTransdut", "pushButton3Trasdutores", 5, {100, 150}, {120, 180}},
    {"labelUniformidadeANEXO", "pushButtonLoadUniImg", -1, {600, 200}, {300, 100}},
};

const struct
{
    const char *tag;
    int rating;
    const char *explanation, *transducer; // the explanation is pasted into the wizard
    double frequency;
    const char *verdict, *printedFrequency;
} uniformityRows[] = {
    {"uniform", 1, "", "Convexo 3C5", 12.5, "Imagem uniforme", "12,5MHz"},
    {"markup stays text", 2, "<b>x</b> ok", "Linear", 5.0,
     "Apresenta poucas inomogeneidades sem que comprometa o diagnóstico", "5,0MHz"},
    {"large", 3, "Faixa escura à direita, a 4 cm.", "Setorial", 1.0,
     "Apresenta grandes inomogeneidades", "1,0MHz"},
};

// Setter calls out of range write nothing; one valid call shows that a write is seen
// (the assembly tests make the valid calls at the edges of every range).
const struct
{
    const char *tag;
    bool writes;
    void (*call)(ReportForm &);
} setterRows[] = {
    {"dead zone column 2", false, [](ReportForm &f) { f.setDeadZone(true, "x", 2); }},
    {"dead zone column 1", true, [](ReportForm &f) { f.setDeadZone(true, "x", 1); }},
    {"vertical mean column -1", false, [](ReportForm &f) { f.setVerticalMean(true, 10, -1); }},
    {"vertical distances column 2", false,
     [](ReportForm &f) { f.setVerticalDistances(1, 2, 3, 4, 5, 6, 7, 8, 9, 2); }},
    {"horizontal distances set 2", false,
     [](ReportForm &f) { f.setHorizontalDistances(1, 2, 3, 0, 2); }},
    {"horizontal mean set 2", false, [](ReportForm &f) { f.setHorizontalMean(true, 10, 0, 2); }},
    {"mass marks 05 depth 4", false, [](ReportForm &f) { f.setMassMarks05(true, true, 4, 1); }},
    {"mass values 07 type 2", false,
     [](ReportForm &f) { f.setMassValues07(1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 0, 0, 0, 0, 2); }},
    {"rating part 6", false, [](ReportForm &f) { f.setInspectionRating(6, 1); }},
    {"rating 6", false, [](ReportForm &f) { f.setInspectionRating(0, 6); }},
};

template <typename Row, int N> void addRows(const Row (&rows)[N])
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < N; ++i)
        QTest::newRow(rows[i].tag) << i;
}
template <typename Row, int N> const Row &currentRow(const Row (&rows)[N])
{
    QFETCH(int, row);
    return rows[row];
}

// What a report form shows: label and text-edit texts, label pictures, and flags
// (check boxes checked; "<edit> hidden" and "<edit> bold" for the text edits).
struct Cells
{
    QMap<QString, QString> text, picture;
    QMap<QString, bool> flag;
};

QImage normal(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// "check", "cross", "placeholder", "" for none, else size and centre colour.
QString describe(const QPixmap &pixmap)
{
    static const QImage check = normal(QImage(":/icons/checkmark.png"));
    static const QImage cross = normal(QImage(":/icons/cross.png"));
    static const QImage placeholder = normal(QImage(":/icons/icons/no1.png"));
    if (pixmap.isNull())
        return QString();
    const QImage image = normal(pixmap.toImage());
    if (image == check || image == cross || image == placeholder)
        return image == check ? "check" : image == cross ? "cross" : "placeholder";
    const QColor centre = image.pixel(image.width() / 2, image.height() / 2);
    return QStringLiteral("%1x%2 %3").arg(image.width()).arg(image.height()).arg(centre.name());
}

Cells readCells(QWidget *form)
{
    Cells cells;
    for (QLabel *label : form->findChildren<QLabel *>()) {
        cells.text[label->objectName()] = label->text();
        cells.picture[label->objectName()] = describe(label->pixmap(Qt::ReturnByValue));
    }
    // the caption of the uniformity verdict is narrower than its own text
    const QLabel *caption = form->findChild<QLabel *>(QStringLiteral("label_4"));
    cells.flag["label_4 squeezed"] = caption && caption->width() < caption->sizeHint().width();
    for (QCheckBox *box : form->findChildren<QCheckBox *>())
        cells.flag[box->objectName()] = box->isChecked();
    for (QTextEdit *edit : form->findChildren<QTextEdit *>()) {
        cells.text[edit->objectName()] = edit->toPlainText();
        cells.flag[edit->objectName() + " hidden"] = edit->isHidden();
        bool &bold = cells.flag[edit->objectName() + " bold"];
        for (QTextBlock b = edit->document()->begin(); b.isValid(); b = b.next())
            for (auto f = b.begin(); !f.atEnd(); ++f)
                bold = bold || f.fragment().charFormat().fontWeight() > QFont::Normal;
    }
    return cells;
}

} // namespace

class TestReportAssembly : public QObject
{
    Q_OBJECT

    QScopedPointer<WorkDir> wd;
    QScopedPointer<QTranslator> translator;
    QScopedPointer<MainWindow> window;

    template <typename T> T *child(const QString &name)
    {
        T *w = window->findChild<T *>(name);
        if (!w)
            qFatal("no child %s", qPrintable(name));
        return w;
    }
    void spin(const QString &name, double value) { child<QDoubleSpinBox>(name)->setValue(value); }
    void combo(const QString &name, int index) { child<QComboBox>(name)->setCurrentIndex(index); }
    void click(const QString &name) { QTest::mouseClick(child<QWidget>(name), Qt::LeftButton); }

    // Opens the window on the seeded registry with every step valid and walks Next to
    // the finished state; the tests then set the inputs they look at.
    bool open(bool english = false)
    {
        if (english) {
            translator.reset(new QTranslator);
            if (installCatalogue(*translator, QStringLiteral("en_US")) != 1)
                return false;
        }
        window.reset(new MainWindow(english ? 1 : 0));
        WizardFill::makeStepsValid(window.data());
        window->show();
        DialogDriver driver; // answers the message of a refused step
        for (int step = 0; step < 8; ++step)
            click("pushButtonNext");
        return driver.seen().isEmpty() && child<QPushButton>("pushButtonReport")->isEnabled();
    }

    // Presses the report button, reads the modal report and cancels it.
    Cells assemble()
    {
        Cells cells;
        bool read = false;
        DialogDriver driver;
        driver.then([&](QWidget *modal) {
            if (!qobject_cast<ReportForm *>(modal))
                return QTest::keyClick(modal, Qt::Key_Escape);
            cells = readCells(modal);
            read = true;
            modal->findChild<QPushButton *>(QStringLiteral("pushButtonCancel"))->click();
        });
        click("pushButtonReport");
        if (!driver.waitDone() || !read)
            QTest::qFail("the report was not shown", __FILE__, __LINE__);
        return cells;
    }

    void loadPhotograph(const char *button, QSize size, QColor colour)
    {
        const QString path = wd->file(QStringLiteral("photo.png"));
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        QVERIFY(image.save(path));
        DialogDriver driver;
        driver.chooseFile(path);
        click(button);
        QVERIFY(driver.waitDone());
    }

private slots:
    void init()
    {
        wd.reset(new WorkDir);
        WizardFill::seedEquipment({{"Hospital Central", "Radiologia", "US-01", "Logiq", "GE"},
                                   {"Clínica Sul", "Sala 2", "US-77", "Acuson", "Siemens"}});
    }
    void cleanup()
    {
        window.reset();
        if (translator)
            QCoreApplication::removeTranslator(translator.data());
        translator.reset();
        wd.reset();
    }

    void headerAndFooters()
    {
        QVERIFY(open());
        child<QTableView>("tableView")->selectRow(1);
        child<QCalendarWidget>("calendarWidget")->setSelectedDate(QDate(2024, 3, 7));
        child<QLineEdit>("lineTecResp")->setText("Ana Lima");
        const Cells r = assemble();
        const QStringList cells = {"labelManufact", "labelModel", "labelInstitution", "labelLocal",
                                   "labelID"};
        const QStringList record = {"Siemens", "Acuson", "Clínica Sul", "Sala 2", "US-77"};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(r.text[cells[i]], record[i]);
        for (const QString page : {"", "_2", "_3"}) {
            QCOMPARE(r.text["labelDate" + page], QString("07/03/2024"));
            QCOMPARE(r.text["labelResp" + page], QString("Ana Lima"));
        }
    }

    void deadZoneResolution_data() { addRows(judgedRows); }
    void deadZoneResolution()
    {
        const auto &row = currentRow(judgedRows);
        QVERIFY(open());
        spin("doubleSpinBox4Freq", row.frequency);
        for (int i = 0; i < 6; ++i)
            combo(judged[i][0], row.index[i]);
        const Cells r = assemble();
        const QStringList texts = QString(row.texts).split(' ');
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(r.picture[judged[i][1]], QString(row.marks[i] == '+' ? "check" : "cross"));
            QCOMPARE(r.text[judged[i][2]], texts[i]);
        }
    }

    void means_data() { addRows(meanRows); }
    void means()
    {
        const auto &row = currentRow(meanRows);
        QVERIFY(open());
        const QStringList &boxes = meanGroups[row.group].boxes;
        for (int i = 0; i < boxes.size(); ++i)
            spin(boxes[i], row.values.value(i, row.values[0]));
        const Cells r = assemble();
        for (int g = 0; g < 6; ++g) {
            QCOMPARE(r.text[meanGroups[g].mean], QString(g == row.group ? row.mean : "10"));
            QCOMPARE(r.picture[meanGroups[g].mark],
                     QString(g != row.group || row.pass ? "check" : "cross"));
        }
    }

    // Every distance box holds a value of its own, so a swapped cell shows.
    void distances()
    {
        QVERIFY(open());
        auto value = [](int g, int i) { return 5.5 + 1.5 * g + 0.125 * i; };
        for (int g = 0; g < 6; ++g)
            for (int i = 0; i < meanGroups[g].boxes.size(); ++i)
                spin(meanGroups[g].boxes[i], value(g, i));
        spin("doubleSpinBox5_07_ZF", 2.5);
        spin("doubleSpinBox5_05_MPV", 150.25);
        const Cells r = assemble();
        const QStringList means = {"6", "7.5", "8.625", "10.125", "11.625", "13.125"};
        for (int g = 0; g < 6; ++g) {
            for (int i = 0; i < meanGroups[g].cells.size(); ++i)
                QCOMPARE(r.text[meanGroups[g].cells[i]], QString::number(value(g, i)));
            QCOMPARE(r.text[meanGroups[g].mean], means[g]);
            QCOMPARE(r.picture[meanGroups[g].mark], QString("cross"));
        }
        // printed without a mark; the focal zone's start value 1 prints as "1"
        const QStringList cells = {"label05ZonaFocal", "label07ZonaFocal", "label05MaxPenetracao",
                                   "label07MaxPenetracao"};
        const QStringList printed = {"1", "2.5", "150.25", "1"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(r.text[cells[i]], printed[i]);
            QCOMPARE(r.picture[cells[i]], QString());
        }
    }

    // Every mass box holds a value of its own. Mass `target` passes both checks, the next
    // mass only the ratio, all others fail both; one depth is switched off in the wizard
    // and is printed and judged all the same.
    void masses_data()
    {
        QTest::addColumn<int>("target");
        for (int r = 0; r < 16; ++r)
            QTest::newRow(qPrintable(QStringLiteral("%1 %2cm").arg(massGroups[r / 4].name, cm(r))))
                << r;
    }
    void masses()
    {
        QFETCH(int, target);
        QVERIFY(open());
        const int next = (target + 1) % 16, off = target % 2 ? (target + 2) % 16 : target;
        const double goodArea[4] = {3.1, 12.5, 28, 28}; // passes at its own depth only
        auto width = [](int r) { return 30.25 + r; };
        auto height = [&](int r) { return width(r) - (r == target ? 0 : r == next ? 0.5 : 2); };
        auto area = [&](int r) { return r == target ? goodArea[r % 4] : 50.5 + r; };
        for (int r = 0; r < 16; ++r) {
            spin(massBox(r, "A"), height(r));
            spin(massBox(r, "L"), width(r));
            spin(massBox(r, "Ar"), area(r));
        }
        click(checkBox(off, true));
        const Cells cells = assemble();
        for (int r = 0; r < 16; ++r) {
            const MassGroup &g = massGroups[r / 4];
            QCOMPARE(cells.text[g.heights[r % 4]], QString::number(height(r)));
            QCOMPARE(cells.text[g.widths[r % 4]], QString::number(width(r)));
            QCOMPARE(cells.text[g.areas[r % 4]], QString::number(area(r)));
            QCOMPARE(cells.picture[g.ratio[r % 4]],
                     QString(r == target || r == next ? "check" : "cross"));
            QCOMPARE(cells.picture[g.area[r % 4]], QString(r == target ? "check" : "cross"));
            QCOMPARE(cells.flag[checkBox(r, false)], r != off);
        }
    }

    // Part i gets rating (i + shift) % 6, so each part sees every rating.
    void ratings_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<int>("shift");
        for (int shift = 0; shift < 6; ++shift)
            QTest::newRow(qPrintable(QStringLiteral("shift %1").arg(shift))) << false << shift;
        QTest::newRow("english") << true << 0;
    }
    void ratings()
    {
        QFETCH(bool, english);
        QFETCH(int, shift);
        const QStringList words =
            english ? QStringList{"---", "Great", "Good", "Regular", "Bad", "Terrible"}
                    : QStringList{"---", "Ótimo", "Bom", "Regular", "Ruim", "Péssimo"};
        QVERIFY(open(english));
        for (int i = 0; i < 6; ++i)
            combo(ratingParts[i][0], (i + shift) % 6);
        const Cells r = assemble();
        for (int i = 0; i < 6; ++i) {
            const int rating = (i + shift) % 6;
            const QString word = ratingParts[i][1];
            QCOMPARE(r.text[word], words[rating]);
            QCOMPARE(r.picture[word + "_2"],
                     QString(rating >= 1 && rating <= 3 ? "check" : "cross"));
        }
    }

    // One photograph loaded: scaled into its cell, every other picture cell shows the
    // placeholder; after the wizard clears it, the next assembly shows the placeholder.
    void photograph_data() { addRows(photographs); }
    void photograph()
    {
        const auto &row = currentRow(photographs);
        QVERIFY(open());
        loadPhotograph(row.button, row.size, Qt::red);
        const Cells r = assemble();
        const QString shown =
            QStringLiteral("%1x%2 #ff0000").arg(row.shown.width()).arg(row.shown.height());
        for (const auto &other : photographs)
            QCOMPARE(r.picture[other.tag], &other == &row ? shown : QString("placeholder"));
        if (row.entry >= 0)
            combo("comboBoxImage", row.entry);
        click(row.entry >= 0 ? "pushButtonPartImgClear" : "pushButtonUniformImgClear");
        QCOMPARE(assemble().picture[row.tag], QString("placeholder"));
    }

    void uniformity_data() { addRows(uniformityRows); }
    void uniformity()
    {
        const auto &row = currentRow(uniformityRows);
        QVERIFY(open());
        combo("comboBox4ImgUnifor", row.rating);
        child<QPlainTextEdit>("plainTextEdit4")->insertPlainText(row.explanation);
        child<QLineEdit>("lineEdit4Transdutor")->setText(row.transducer);
        spin("doubleSpinBox4Freq", row.frequency);
        const Cells r = assemble();
        QCOMPARE(r.text["labelUniformidadeDaImagem"], QString(row.verdict));
        QCOMPARE(r.text["textEditImgUnif"], QString(row.explanation));
        QCOMPARE(r.flag["textEditImgUnif hidden"], !*row.explanation);
        QVERIFY(!r.flag["textEditImgUnif bold"]);
        QCOMPARE(r.text["labelTrandutor"], QString(row.transducer));
        QCOMPARE(r.text["labelFrequencia"], QString(row.printedFrequency));
    }

    // The English verdicts are wider than the page: the verdict wraps, its caption stays.
    void longVerdictKeepsCaption_data()
    {
        QTest::addColumn<bool>("english");
        QTest::newRow("Portuguese") << false;
        QTest::newRow("English") << true;
    }
    void longVerdictKeepsCaption()
    {
        QFETCH(bool, english);
        QVERIFY(open(english));
        combo("comboBox4ImgUnifor", 2);
        const Cells r = assemble();
        QVERIFY(!r.flag["label_4 squeezed"]);
    }

    void setterRange_data() { addRows(setterRows); }
    void setterRange()
    {
        const auto &row = currentRow(setterRows);
        ReportForm form;
        const Cells before = readCells(&form);
        row.call(form);
        const Cells after = readCells(&form);
        QCOMPARE(after.text != before.text || after.picture != before.picture ||
                     after.flag != before.flag,
                 row.writes);
    }
};

QTEST_MAIN(TestReportAssembly)
#include "tst_reportassembly.moc"
