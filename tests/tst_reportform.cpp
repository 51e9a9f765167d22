// The report dialog's form: which caption heads each cell the report assembly
// writes into, what the pages show before the report is filled, the page and
// picture sizes, the check boxes, and the English captions.

#include "app/language.h"
#include "report/reportform.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QTranslator>
#include <QtTest>

namespace {

// The text of the label or check box at a grid position, or a null string.
QString textAt(QGridLayout *grid, int row, int column)
{
    QLayoutItem *item = grid->itemAtPosition(row, column);
    QWidget *w = item ? item->widget() : nullptr;
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *box = qobject_cast<QCheckBox *>(w))
        return box->text();
    return QString();
}

QWidget *page(const ReportForm &form, int number)
{
    return form.findChild<QWidget *>(QStringLiteral("frameFormPage%1").arg(number));
}

} // namespace

class TestReportForm : public QObject
{
    Q_OBJECT

private slots:
    void dialog();
    void cellsUnderTheirCaptions_data();
    void cellsUnderTheirCaptions();
    void unfilledCellsPerPage();
    void pages();
    void pictureCells_data();
    void pictureCells();
    void checkBoxes();
    void textEdits();
    void englishCaptions_data();
    void englishCaptions();
};

void TestReportForm::dialog()
{
    ReportForm form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Relatório"));
    QCOMPARE(form.minimumSize(), QSize(800, 600));
    QCOMPARE(form.maximumSize(), QSize(800, 600));
    auto *cancel = form.findChild<QPushButton *>(QStringLiteral("pushButtonCancel"));
    auto *save = form.findChild<QPushButton *>(QStringLiteral("pushButtonSave"));
    QVERIFY(cancel && save);
    QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
    QCOMPARE(save->text(), QStringLiteral("Save"));

    // Cancel closes the shown dialog.
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    cancel->click();
    QVERIFY(!form.isVisible());
}

void TestReportForm::cellsUnderTheirCaptions_data()
{
    // A cell, its page, the caption that heads its row (at column 0, or just left of
    // the cell) and the caption that heads its column at the given header row (none: -1).
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("rowCaption");
    QTest::addColumn<bool>("captionLeftOfCell");
    QTest::addColumn<int>("headerRow");
    QTest::addColumn<QString>("columnCaption");

    auto row = [](const char *cell, int page, const char *rowCaption, int headerRow,
                  const char *columnCaption, bool left = false) {
        QTest::newRow(cell) << QString::fromLatin1(cell) << page << QString::fromUtf8(rowCaption)
                            << left << headerRow << QString::fromUtf8(columnCaption);
    };
    const char *att05 = "Atenuacao de 0.5 db";
    const char *att07 = "Atenuacao de 0.7 db";
    row("labelManufact", 1, "Fabricante:", -1, "", true);
    row("labelID", 1, "ID:", -1, "", true);
    row("label_15", 1, "Zona Morta", 0, att05);
    row("label_31", 1, "Resolução Axial", 0, att07);
    row("label_115", 1, "Medidas na Veritcal", 0, att05);
    row("label_118", 1, "Conjunto à 3cm", 0, att07);
    row("labelControles_2", 1, "Controles", -1, "");
    row("label_64", 1, "Altura/Largura", 0, "6cm");
    row("label_54", 1, "Área", 0, "2cm");
    row("label_93", 1, "Altura/Largura", 0, "4cm");
    row("label_131", 3, "Zona Morta", 0, att07);
    row("label_141", 3, "Medidas na Veritcal (média)", 0, att05);
    row("label07ZonaFocal", 3, "Zona Focal:", 0, att07);
    row("label05MaxPenetracao", 3, "Máxima Penetração:", 0, att05);
    row("label_147", 3, "Conjunto à 9cm", 0, att05);
    row("label_17", 3, "3-4", -1, "", true);
    row("label_168", 3, "6-7", -1, "", true);
    row("label_264", 3, "0.5 dB", 2, "2-3");
    row("label_271", 3, "0.7 dB", 2, "1-2");
    row("label_183", 3, "Altura", 0, "8cm");
    row("label_197", 3, "Área", 0, "4cm");
    row("label_211", 3, "Largura", 0, "8cm");
    row("label_249", 3, "Altura", 0, "6cm");
}

void TestReportForm::cellsUnderTheirCaptions()
{
    QFETCH(QString, cell);
    QFETCH(int, page);
    QFETCH(QString, rowCaption);
    QFETCH(bool, captionLeftOfCell);
    QFETCH(int, headerRow);
    QFETCH(QString, columnCaption);
    ReportForm form;
    auto *label = form.findChild<QLabel *>(cell);
    QVERIFY(label);
    QVERIFY(::page(form, page)->isAncestorOf(label));
    auto *grid = qobject_cast<QGridLayout *>(label->parentWidget()->layout());
    QVERIFY(grid);
    int row, column, rowSpan, columnSpan;
    grid->getItemPosition(grid->indexOf(label), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(textAt(grid, row, captionLeftOfCell ? column - 1 : 0), rowCaption);
    if (headerRow >= 0)
        QCOMPARE(textAt(grid, headerRow, column), columnCaption);
}

// Every value cell reads "---" until it is filled; a cell moved to another page or
// left with the form's own text changes the counts.
void TestReportForm::unfilledCellsPerPage()
{
    ReportForm form;
    const int expected[] = {17, 6, 96};
    for (int number = 1; number <= 3; ++number) {
        int unfilled = 0;
        for (QLabel *label : page(form, number)->findChildren<QLabel *>())
            unfilled += label->text() == QLatin1String("---");
        QCOMPARE(unfilled, expected[number - 1]);
    }
    for (const char *name : {"labelManufact", "labelLocal", "labelModel", "labelInstitution",
                             "labelID", "label_62", "label_100"})
        QCOMPARE(form.findChild<QLabel *>(QLatin1String(name))->text(), QString());
    QCOMPARE(form.findChild<QLabel *>(QStringLiteral("labelUniformidadeDaImagem"))->text(),
             QStringLiteral("uniformidade"));
    // each page carries its own footer
    for (int number = 1; number <= 3; ++number) {
        const QString suffix = number == 1 ? QString() : QStringLiteral("_%1").arg(number);
        for (const QString &cell : {"labelResp" + suffix, "labelDate" + suffix}) {
            QVERIFY2(page(form, number)->isAncestorOf(form.findChild<QLabel *>(cell)),
                     qPrintable(cell));
        }
        QCOMPARE(form.findChild<QLabel *>("labelDate" + suffix)->text(),
                 QStringLiteral("01/01/2013"));
    }
}

void TestReportForm::pages()
{
    ReportForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QWidget *contents = form.findChild<QWidget *>(QStringLiteral("scrollAreaWidgetContents"));
    int previousBottom = -1;
    for (int i = 1; i <= 3; ++i) {
        QWidget *frame = page(form, i);
        QVERIFY(frame);
        QCOMPARE(frame->parentWidget(), contents);
        QCOMPARE(frame->size(), QSize(700, 950));
        // stacked from the top in page order
        QVERIFY(frame->y() > previousBottom);
        previousBottom = frame->geometry().bottom();
        // everything on the page fits inside it
        for (QWidget *child : frame->findChildren<QWidget *>()) {
            if (child->isVisibleTo(frame)) {
                const QRect r(child->mapTo(frame, QPoint(0, 0)), child->size());
                QVERIFY2(frame->rect().contains(r), qPrintable(child->objectName()));
            }
        }
    }
}

void TestReportForm::pictureCells_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("side");
    for (const char *name : {"labelImgCabo", "labelImgControl", "labelImgFilter", "labelImgMonitor",
                             "labelImgButtons", "labelImgTransdut"})
        QTest::newRow(name) << 2 << 180;
    QTest::newRow("labelUniformidadeANEXO") << 2 << 300;
}

void TestReportForm::pictureCells()
{
    QFETCH(int, page);
    QFETCH(int, side);
    ReportForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *cell = form.findChild<QLabel *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(cell);
    QVERIFY(::page(form, page)->isAncestorOf(cell));
    QCOMPARE(cell->size(), QSize(side, side));
    // the placeholder until a photograph is set
    QCOMPARE(cell->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_RGB32),
             QImage(QStringLiteral(":/icons/icons/no1.png")).convertToFormat(QImage::Format_RGB32));
}

// The depth check boxes of each mass table: the anechoic and hyperechoic tables at
// 0.5 and 0.7 dB, all checked until the report is filled.
void TestReportForm::checkBoxes()
{
    ReportForm form;
    const char *frames[] = {"frame_9", "frame_10", "frame_11", "frame_12"};
    const char *suffixes[] = {"", "_2", "_3", "_4"};
    for (int f = 0; f < 4; ++f) {
        for (const QString depth : {"2cm", "4cm", "6cm", "8cm"}) {
            const QString name = "checkBox" + depth + suffixes[f];
            const QList<QCheckBox *> found = form.findChildren<QCheckBox *>(name);
            QCOMPARE(found.size(), 1);
            QCOMPARE(found.first()->parentWidget()->objectName(), QString(frames[f]));
            QCOMPARE(found.first()->text(), depth);
            QVERIFY(found.first()->isChecked());
        }
    }
    // the wizard's naming of anechoic 0.7 must not leak into the report
    QVERIFY(!form.findChild<QCheckBox *>(QStringLiteral("checkBox2cm_1")));
}

void TestReportForm::textEdits()
{
    ReportForm form;
    auto *notice = form.findChild<QTextEdit *>(QStringLiteral("textEdit_2"));
    QVERIFY(page(form, 1)->isAncestorOf(notice));
    QCOMPARE(notice->toPlainText(), QStringLiteral("A validade deste documento é garantida somente "
                                                   "pela assinatura do responsavel técnico."));
    auto *explanation = form.findChild<QTextEdit *>(QStringLiteral("textEditImgUnif"));
    QVERIFY(page(form, 1)->isAncestorOf(explanation));
    QVERIFY(explanation->isReadOnly());
    QVERIFY(explanation->toPlainText().isEmpty());
}

void TestReportForm::englishCaptions_data()
{
    // An object name (or "caption:" and the English text to look for) and the text shown.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("english");
    auto row = [](const char *name, const char *english) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(english);
    };
    row("label", "Quality Control - B mode Ultrasound");
    row("label_4", "Image uniformity:");
    row("label_102", "Physical and Mechanical Inspections");
    row("label_278", "Anechoic Masses (mm)");
    row("labelUniformidadeDaImagem", "uniformity");
    row("labelResp", "Specialist");
    row("labelResp_2", "Specialist");
    row("labelResp_3", "Resposável"); // no entry: stays Portuguese until filled
    row("label_30", "---");
    row("checkBox6cm_4", "6cm");
    row("caption:Manufactor:", "Manufactor:");
    row("caption:Distance (mm)", "Distance (mm)");
    row("caption:Vertical Measurements (mean)", "Vertical Measurements (mean)");
    row("caption:Maximum Depth:", "Maximum Depth:");
}

void TestReportForm::englishCaptions()
{
    QFETCH(QString, name);
    QFETCH(QString, english);
    QTranslator translator;
    QCOMPARE(installCatalogue(translator, QStringLiteral("en_US")), 1);
    ReportForm form;
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(form.windowTitle(), QStringLiteral("Report"));
    if (name.startsWith(QLatin1String("caption:"))) {
        const QList<QLabel *> labels = form.findChildren<QLabel *>();
        const bool shown = std::any_of(labels.begin(), labels.end(),
                                       [&](QLabel *label) { return label->text() == english; });
        QVERIFY2(shown, qPrintable(english));
    } else if (auto *box = form.findChild<QCheckBox *>(name)) {
        QCOMPARE(box->text(), english);
    } else {
        auto *label = form.findChild<QLabel *>(name);
        QVERIFY(label);
        QCOMPARE(label->text(), english);
    }
}

QTEST_MAIN(TestReportForm)
#include "tst_reportform.moc"
