// The report dialog's form: every cell the report assembly writes into, where it
// stands and what it shows before the report is filled, the page and picture
// sizes, the check boxes, and the English captions.

#include "app/language.h"
#include "report/reportform.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTranslator>
#include <QtTest>

namespace {

enum Align { Left, Centred, Right };

struct CellGroup
{
    const char *container; // the page or block the cells stand in
    const char *text;      // what they show before the report is filled
    Align align;
    QStringList names;
};

// Written out by hand from the report's layout: a misspelt or misplaced name in
// the form would silently drop a value from the report.
const QList<CellGroup> &cellGroups()
{
    static const QList<CellGroup> groups = {
        // page 1
        {"widget",
         "",
         Left,
         {"labelManufact", "labelLocal", "labelModel", "labelInstitution", "labelID"}},
        {"widget_12",
         "---",
         Centred,
         {"label_15", "label_30", "label_20", "label_31", "label_21", "label_32", "label_117",
          "label_116", "label_118", "label_121", "label_122"}},
        {"widget_12", "", Centred, {"label_115"}},
        {"widget_15",
         "---",
         Left,
         {"labelCaboDeForca_2", "labelMonitor_2", "labelControles_2", "labelBotoes_2",
          "labelFiltroPoeira_2", "labelTransdutores_2"}},
        {"widget_3", "uniformidade", Left, {"labelUniformidadeDaImagem"}},
        {"widget_5",
         "",
         Centred,
         {"label_62", "label_63", "label_64", "label_65", "label_67", "label_68", "label_69",
          "label_70", "label_47", "label_49", "label_50", "label_46", "label_54", "label_53",
          "label_52", "label_51"}},
        {"widget_7",
         "",
         Centred,
         {"label_77", "label_78", "label_79", "label_80", "label_82", "label_83", "label_84",
          "label_85", "label_92", "label_93", "label_94", "label_95", "label_97", "label_98",
          "label_99", "label_100"}},
        {"frameFormPage1", "Responsável", Left, {"labelResp"}},
        {"frameFormPage1", "01/01/2013", Right, {"labelDate"}},
        // page 2
        {"widget_101",
         "---",
         Left,
         {"labelCaboDeForca", "labelControles", "labelFiltroPoeira", "labelMonitor", "labelBotoes",
          "labelTransdutores"}},
        {"widget_91", "Resposavel", Left, {"labelResp_2"}},
        {"widget_91", "01/01/2013", Right, {"labelDate_2"}},
        // page 3
        {"widget_2", "---", Left, {"labelTrandutor"}},
        {"widget_2", "---", Centred, {"labelFrequencia"}},
        {"frame_16",
         "---",
         Centred,
         {"label_132", "label_131", "label_135", "label_130", "label_134", "label_138", "label_141",
          "label_140", "label05ZonaFocal", "label07ZonaFocal", "label05MaxPenetracao",
          "label07MaxPenetracao", "label_145", "label_146", "label_147", "label_148"}},
        {"frame_3",
         "---",
         Centred,
         {"label_5", "label_11", "label_17", "label_159", "label_160", "label_161", "label_162",
          "label_163", "label_164"}},
        {"frame_4",
         "---",
         Centred,
         {"label_154", "label_173", "label_174", "label_169", "label_165", "label_168", "label_170",
          "label_171", "label_172"}},
        {"frame_22",
         "---",
         Centred,
         {"label_263", "label_264", "label_265", "label_268", "label_266", "label_267"}},
        {"frame_23",
         "---",
         Centred,
         {"label_270", "label_274", "label_269", "label_271", "label_273", "label_272"}},
        {"frame_9",
         "---",
         Centred,
         {"label_180", "label_181", "label_182", "label_183", "label_187", "label_186", "label_185",
          "label_184", "label_188", "label_189", "label_190", "label_191"}},
        {"frame_10",
         "---",
         Centred,
         {"label_196", "label_193", "label_203", "label_204", "label_198", "label_201", "label_205",
          "label_195", "label_199", "label_197", "label_200", "label_207"}},
        {"frame_11",
         "---",
         Centred,
         {"label_212", "label_209", "label_219", "label_220", "label_214", "label_217", "label_221",
          "label_211", "label_215", "label_213", "label_216", "label_223"}},
        {"frame_12",
         "---",
         Centred,
         {"label_228", "label_225", "label_249", "label_250", "label_230", "label_247", "label_251",
          "label_227", "label_245", "label_229", "label_246", "label_253"}},
        {"frameFormPage3", "Resposável", Left, {"labelResp_3"}},
        {"frameFormPage3", "01/01/2013", Right, {"labelDate_3"}},
    };
    return groups;
}

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

} // namespace

class TestReportForm : public QObject
{
    Q_OBJECT

private slots:
    void dialog();
    void cells_data();
    void cells();
    void cellCount();
    void gridPositions_data();
    void gridPositions();
    void pages();
    void pictureCells_data();
    void pictureCells();
    void checkBoxes_data();
    void checkBoxes();
    void textEdits();
    void englishCaptions_data();
    void englishCaptions();
};

void TestReportForm::dialog()
{
    ReportForm form;
    QCOMPARE(form.objectName(), QStringLiteral("ReportForm"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Relatório"));
    QCOMPARE(form.size(), QSize(800, 600));
    QCOMPARE(form.minimumSize(), QSize(800, 600));
    QCOMPARE(form.maximumSize(), QSize(800, 600));
    QCOMPARE(form.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(form.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QVERIFY(!form.isModal());
    QVERIFY(!form.isSizeGripEnabled());
    QVERIFY(!form.parentWidget());
    QCOMPARE(form.locale(), QLocale(QLocale::Portuguese, QLocale::Brazil));

    auto *scroll = form.findChild<QScrollArea *>(QStringLiteral("scrollArea"));
    QVERIFY(scroll);
    QVERIFY(scroll->widgetResizable());
    QCOMPARE(scroll->widget()->objectName(), QStringLiteral("scrollAreaWidgetContents"));
    QCOMPARE(scroll->widget()->styleSheet(),
             QStringLiteral("QWidget{\nbackground-color:white;\n}"));

    auto *cancel = form.findChild<QPushButton *>(QStringLiteral("pushButtonCancel"));
    auto *save = form.findChild<QPushButton *>(QStringLiteral("pushButtonSave"));
    QVERIFY(cancel && save);
    QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
    QCOMPARE(save->text(), QStringLiteral("Save"));
    QCOMPARE(cancel->parentWidget()->objectName(), QStringLiteral("frame_2"));

    // Cancel closes the shown dialog.
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    cancel->click();
    QVERIFY(!form.isVisible());
}

void TestReportForm::cells_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("align");
    for (const CellGroup &group : cellGroups()) {
        for (const QString &name : group.names) {
            QTest::newRow(qPrintable(name)) << QString::fromLatin1(group.container)
                                            << QString::fromUtf8(group.text) << int(group.align);
        }
    }
}

void TestReportForm::cells()
{
    QFETCH(QString, container);
    QFETCH(QString, text);
    QFETCH(int, align);
    ReportForm form;
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const QList<QLabel *> found = form.findChildren<QLabel *>(name);
    QCOMPARE(found.size(), 1);
    QLabel *cell = found.first();
    QCOMPARE(cell->text(), text);
    QVERIFY(cell->pixmap(Qt::ReturnByValue).isNull());

    auto *block = form.findChild<QWidget *>(container);
    QVERIFY(block);
    QVERIFY2(block->isAncestorOf(cell), qPrintable(cell->parentWidget()->objectName()));

    const Qt::Alignment horizontal = cell->alignment() & Qt::AlignHorizontal_Mask;
    switch (align) {
    case Left:
        QVERIFY(horizontal == Qt::AlignLeft || horizontal == Qt::AlignLeading);
        break;
    case Centred:
        QCOMPARE(cell->alignment(), Qt::AlignCenter);
        break;
    case Right:
        QVERIFY(horizontal & (Qt::AlignRight | Qt::AlignTrailing));
        break;
    }
}

void TestReportForm::cellCount()
{
    // No cell beyond the known ones shows the "not filled" text.
    QSet<QString> known;
    for (const CellGroup &group : cellGroups()) {
        if (QByteArray(group.text) == "---")
            known.unite(QSet<QString>(group.names.begin(), group.names.end()));
    }
    ReportForm form;
    QSet<QString> shown;
    for (QLabel *label : form.findChildren<QLabel *>()) {
        if (label->text() == QLatin1String("---"))
            shown.insert(label->objectName());
    }
    QCOMPARE(shown, known);
    QCOMPARE(known.size(), 119);
}

void TestReportForm::gridPositions_data()
{
    // A cell, the caption that heads its row (at column 0, or just left of the
    // cell for the pair captions of the vertical distances) and the caption that
    // heads its column at the given header row (none: -1).
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("rowCaption");
    QTest::addColumn<bool>("captionLeftOfCell");
    QTest::addColumn<int>("headerRow");
    QTest::addColumn<QString>("columnCaption");

    auto row = [](const char *cell, const char *rowCaption, int headerRow,
                  const char *columnCaption, bool left = false) {
        QTest::newRow(cell) << QString::fromLatin1(cell) << QString::fromUtf8(rowCaption) << left
                            << headerRow << QString::fromUtf8(columnCaption);
    };
    const char *att05 = "Atenuacao de 0.5 db";
    const char *att07 = "Atenuacao de 0.7 db";
    row("label_15", "Zona Morta", 0, att05);
    row("label_31", "Resolução Axial", 0, att07);
    row("label_21", "Resolução Lateral", 0, att05);
    row("label_115", "Medidas na Veritcal", 0, att05);
    row("label_118", "Conjunto à 3cm", 0, att07);
    row("label_121", "Conjunto à 9cm", 0, att05);
    row("labelControles_2", "Controles", -1, "");
    row("label_64", "Altura/Largura", 0, "6cm");
    row("label_46", "Altura/Largura", 0, "8cm");
    row("label_54", "Área", 0, "2cm");
    row("label_85", "Área", 0, "8cm");
    row("label_93", "Altura/Largura", 0, "4cm");
    row("label_131", "Zona Morta", 0, att07);
    row("label_141", "Medidas na Veritcal (média)", 0, att05);
    row("label07ZonaFocal", "Zona Focal:", 0, att07);
    row("label05MaxPenetracao", "Máxima Penetração:", 0, att05);
    row("label_147", "Conjunto à 9cm", 0, att05);
    row("label_17", "3-4", -1, "", true);
    row("label_160", "5-6", -1, "", true);
    row("label_172", "9-10", -1, "", true);
    row("label_154", "1-2", -1, "", true);
    row("label_168", "6-7", -1, "", true);
    row("label_264", "0.5 dB", 2, "2-3");
    row("label_267", "0.7 dB", 2, "3-4");
    row("label_269", "0.5 dB", 2, "3-4");
    row("label_271", "0.7 dB", 2, "1-2");
    row("label_183", "Altura", 0, "8cm");
    row("label_186", "Largura", 0, "4cm");
    row("label_190", "Área", 0, "6cm");
    row("label_203", "Altura", 0, "6cm");
    row("label_195", "Largura", 0, "8cm");
    row("label_197", "Área", 0, "4cm");
    row("label_209", "Altura", 0, "4cm");
    row("label_211", "Largura", 0, "8cm");
    row("label_223", "Área", 0, "8cm");
    row("label_249", "Altura", 0, "6cm");
    row("label_230", "Largura", 0, "2cm");
    row("label_229", "Área", 0, "4cm");
}

void TestReportForm::gridPositions()
{
    QFETCH(QString, cell);
    QFETCH(QString, rowCaption);
    QFETCH(bool, captionLeftOfCell);
    QFETCH(int, headerRow);
    QFETCH(QString, columnCaption);
    ReportForm form;
    auto *label = form.findChild<QLabel *>(cell);
    QVERIFY(label);
    auto *grid = qobject_cast<QGridLayout *>(label->parentWidget()->layout());
    QVERIFY(grid);
    int row, column, rowSpan, columnSpan;
    grid->getItemPosition(grid->indexOf(label), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(textAt(grid, row, captionLeftOfCell ? column - 1 : 0), rowCaption);
    if (headerRow >= 0)
        QCOMPARE(textAt(grid, headerRow, column), columnCaption);
}

void TestReportForm::pages()
{
    ReportForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QWidget *contents = form.findChild<QWidget *>(QStringLiteral("scrollAreaWidgetContents"));
    int previousBottom = -1;
    for (int i = 1; i <= 3; ++i) {
        auto *page = form.findChild<QFrame *>(QStringLiteral("frameFormPage%1").arg(i));
        QVERIFY(page);
        QCOMPARE(page->parentWidget(), contents);
        QCOMPARE(page->size(), QSize(700, 950));
        QCOMPARE(page->minimumSize(), QSize(700, 950));
        QCOMPARE(page->maximumSize(), QSize(700, 950));
        QCOMPARE(page->frameShape(), QFrame::Box);
        if (i == 3)
            QCOMPARE(page->frameShadow(), QFrame::Raised);
        // stacked from the top in page order
        QVERIFY(page->y() > previousBottom);
        previousBottom = page->geometry().bottom();
        // everything on the page fits inside it
        for (QWidget *child : page->findChildren<QWidget *>()) {
            if (child->isVisibleTo(page)) {
                const QRect r(child->mapTo(page, QPoint(0, 0)), child->size());
                QVERIFY2(page->rect().contains(r), qPrintable(child->objectName()));
            }
        }
    }
    auto *title = form.findChild<QLabel *>(QStringLiteral("label"));
    QCOMPARE(title->text(), QStringLiteral("Controle de Qualidade - Ultrassom modo B"));
    QCOMPARE(title->font().pointSize(), 18);
    QCOMPARE(title->height(), 50);
}

void TestReportForm::pictureCells_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<int>("side");
    for (const char *name : {"labelImgCabo", "labelImgControl", "labelImgFilter", "labelImgMonitor",
                             "labelImgButtons", "labelImgTransdut"})
        QTest::newRow(name) << QStringLiteral("widget_101") << 180;
    QTest::newRow("labelUniformidadeANEXO") << QStringLiteral("widget_91") << 300;
}

void TestReportForm::pictureCells()
{
    QFETCH(QString, container);
    QFETCH(int, side);
    ReportForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *cell = form.findChild<QLabel *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(cell);
    QVERIFY(form.findChild<QWidget *>(container)->isAncestorOf(cell));
    QCOMPARE(cell->size(), QSize(side, side));
    QCOMPARE(cell->frameShape(), QFrame::Box);
    QVERIFY(!cell->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(cell->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_RGB32),
             QImage(QStringLiteral(":/icons/icons/no1.png")).convertToFormat(QImage::Format_RGB32));
}

void TestReportForm::checkBoxes_data()
{
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("text");
    const char *frames[] = {"frame_9", "frame_10", "frame_11", "frame_12"};
    const char *suffixes[] = {"", "_2", "_3", "_4"};
    for (int f = 0; f < 4; ++f) {
        for (const char *depth : {"2cm", "4cm", "6cm", "8cm"}) {
            const QString name = QStringLiteral("checkBox%1%2")
                                     .arg(QLatin1String(depth), QLatin1String(suffixes[f]));
            QTest::newRow(qPrintable(name))
                << QString::fromLatin1(frames[f]) << QString::fromLatin1(depth);
        }
    }
}

void TestReportForm::checkBoxes()
{
    QFETCH(QString, frame);
    QFETCH(QString, text);
    ReportForm form;
    const QList<QCheckBox *> found =
        form.findChildren<QCheckBox *>(QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first()->parentWidget()->objectName(), frame);
    QCOMPARE(found.first()->text(), text);
    QVERIFY(found.first()->isChecked());
    // the wizard's naming of anechoic 0.7 must not leak into the report
    QVERIFY(!form.findChild<QCheckBox *>(QStringLiteral("checkBox2cm_1")));
}

void TestReportForm::textEdits()
{
    ReportForm form;
    auto *notice = form.findChild<QTextEdit *>(QStringLiteral("textEdit_2"));
    QVERIFY(notice);
    QVERIFY(form.findChild<QWidget *>(QStringLiteral("frameFormPage1"))->isAncestorOf(notice));
    QCOMPARE(notice->toPlainText(), QStringLiteral("A validade deste documento é garantida somente "
                                                   "pela assinatura do responsavel técnico."));
    QCOMPARE(notice->document()->begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
             Qt::AlignJustify);
    QCOMPARE(notice->document()->begin().begin().fragment().charFormat().fontPointSize(), 9.0);
    QCOMPARE(notice->minimumHeight(), 60);
    QCOMPARE(notice->maximumHeight(), 60);

    auto *explanation = form.findChild<QTextEdit *>(QStringLiteral("textEditImgUnif"));
    QVERIFY(explanation);
    QVERIFY(form.findChild<QWidget *>(QStringLiteral("widget_3"))->isAncestorOf(explanation));
    QVERIFY(explanation->isReadOnly());
    QVERIFY(explanation->toPlainText().isEmpty());
    QCOMPARE(explanation->minimumHeight(), 75);
    for (QTextEdit *edit : {notice, explanation}) {
        QCOMPARE(edit->frameShape(), QFrame::NoFrame);
        QCOMPARE(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(edit->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }
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
    row("label_18", "Vertical Measurements (mm)");
    row("label_102", "Physical and Mechanical Inspections");
    row("label_103", "Image Uniformity");
    row("label_277", "Horizontal Measurements (mm)");
    row("label_278", "Anechoic Masses (mm)");
    row("label_279", "Hyperechoic Masses (mm)");
    row("labelUniformidadeDaImagem", "uniformity");
    row("labelResp", "Specialist");
    row("labelResp_2", "Specialist");
    row("labelResp_3", "Resposável"); // no entry: stays Portuguese until filled
    row("labelDate_3", "01/01/2013");
    row("label_30", "---");
    row("checkBox6cm_4", "6cm");
    row("caption:Manufactor:", "Manufactor:");
    row("caption:Height/Width", "Height/Width");
    row("caption:Distance (mm)", "Distance (mm)");
    row("caption:Attenuation at 0.7 dB", "Attenuation at 0.7 dB");
    row("caption:Vertical Measurements (mean)", "Vertical Measurements (mean)");
    row("caption:Transducer Type", "Transducer Type");
    row("caption:Cable", "Cable");
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
