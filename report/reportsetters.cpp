// The setters through which the main window fills the report: texts, numbers, pass
// and fail marks and photographs, each into the cells of its row.

#include "core/dateformats.h"
#include "core/evaluator.h"
#include "core/resultname.h"
#include "report/reportform.h"
#include "ui_reportform.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>

#include <cmath>
#include <tuple>

namespace {

// Every number on the report: six significant digits, in the report's language and
// without group separators (which in Portuguese would read as decimal points).
QString number(const QWidget *report, double value)
{
    if (std::isnan(value))
        return QString();
    QLocale locale = report->locale();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 6);
}

bool validColumn(int column)
{
    return column == 0 || column == 1;
}

} // namespace

void ReportForm::setMark(Result::Verdict verdict, QLabel *markCell, const QString &text,
                         QLabel *textCell)
{
    if (verdict != Result::Pass && verdict != Result::Fail)
        markCell->clear();
    else
        markCell->setPixmap(verdict == Result::Pass ? checkmarkPixmap : crossPixmap);
    if (textCell)
        textCell->setText(text);
}

// A cell without a photograph shows the placeholder again, so a report never keeps a
// photograph that the wizard no longer holds. A photograph is kept at the resolution
// the pages are printed with, so it stays sharp on paper while it fills the same cell
// on screen.
void ReportForm::setScaledPixmap(QLabel *cell, const QPixmap &picture)
{
    if (picture.isNull()) {
        cell->setPixmap(QPixmap(QStringLiteral(":/icons/icons/no1.png")));
        return;
    }
    const qreal ratio = printRatio;
    const QSize target = picture.size().scaled(cell->size() * ratio, Qt::KeepAspectRatio);
    QPixmap scaled = picture;
    // A quick halving first keeps the smooth pass short for large photographs.
    if (picture.width() > 2 * target.width())
        scaled = picture.scaled(target * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    scaled = scaled.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    cell->setPixmap(scaled);
}

void ReportForm::setManufacturer(const QString &text)
{
    ui->labelManufact->setText(text);
}

void ReportForm::setModel(const QString &text)
{
    ui->labelModel->setText(text);
}

void ReportForm::setPlace(const QString &text)
{
    ui->labelLocal->setText(text);
}

void ReportForm::setInstitution(const QString &text)
{
    ui->labelInstitution->setText(text);
}

void ReportForm::setTransducer(const QString &transducer, const QString &nextInspection)
{
    ui->labelTransducerRecord->setMaximumLines(3);
    ui->labelTransducerRecord->setText(
        nextInspection.isEmpty()
            ? transducer
            : tr("%1; próxima inspeção em %2").arg(transducer, nextInspection));
    ui->captionTransducer->setVisible(!transducer.isEmpty());
    ui->labelTransducerRecord->setVisible(!transducer.isEmpty());
}

// The ID heads page 1 and stands beside the page number on the others.
void ReportForm::setEquipmentId(const QString &text)
{
    for (QLabel *cell : {ui->labelID, ui->labelID_2, ui->labelID_3})
        cell->setText(text);
}

void ReportForm::setDeadZone(Result::Verdict pass, const QString &text, int column)
{
    if (column == 0)
        setMark(pass, ui->label_15, text, ui->label_132);
    else if (column == 1)
        setMark(pass, ui->label_30, text, ui->label_131);
}

void ReportForm::setAxialResolution(Result::Verdict pass, const QString &text, int column)
{
    if (column == 0)
        setMark(pass, ui->label_20, text, ui->label_135);
    else if (column == 1)
        setMark(pass, ui->label_31, text, ui->label_130);
}

void ReportForm::setLateralResolution(Result::Verdict pass, const QString &text, int column)
{
    if (column == 0)
        setMark(pass, ui->label_21, text, ui->label_134);
    else if (column == 1)
        setMark(pass, ui->label_32, text, ui->label_138);
}

void ReportForm::setInspectionRating(int part, int rating, Result::Verdict verdict)
{
    struct Cells
    {
        QLabel *word;
        QLabel *mark;
    };
    const Cells cells[] = {
        {ui->labelCaboDeForca, ui->labelCaboDeForca_2},
        {ui->labelControles, ui->labelControles_2},
        {ui->labelFiltroPoeira, ui->labelFiltroPoeira_2},
        {ui->labelMonitor, ui->labelMonitor_2},
        {ui->labelBotoes, ui->labelBotoes_2},
        {ui->labelTransdutores, ui->labelTransdutores_2},
    };
    if (part < 0 || part > 5 || rating < 0 || rating >= ratingWords.size())
        return;
    setMark(verdict, cells[part].mark, ratingWords.at(rating), cells[part].word);
}

void ReportForm::setCableImage(const QPixmap &picture)
{
    setScaledPixmap(ui->labelImgCabo, picture);
}

void ReportForm::setMonitorImage(const QPixmap &picture)
{
    setScaledPixmap(ui->labelImgMonitor, picture);
}

void ReportForm::setControlsImage(const QPixmap &picture)
{
    setScaledPixmap(ui->labelImgControl, picture);
}

void ReportForm::setButtonsImage(const QPixmap &picture)
{
    setScaledPixmap(ui->labelImgButtons, picture);
}

void ReportForm::setFilterImage(const QPixmap &picture)
{
    setScaledPixmap(ui->labelImgFilter, picture);
}

void ReportForm::setTransducerImage(const QPixmap &picture)
{
    setScaledPixmap(ui->labelImgTransdut, picture);
}

void ReportForm::setUniformityImage(const QPixmap &picture)
{
    setScaledPixmap(ui->labelUniformidadeANEXO, picture);
}

void ReportForm::setUniformity(const QString &verdict, const QString &explanation,
                               const QString &transducer, const QString &frequency)
{
    ui->textEditImgUnif->setVisible(!explanation.isEmpty());
    // Typed text is printed as typed, even when it looks like markup.
    ui->textEditImgUnif->setPlainText(explanation);
    ui->labelUniformidadeDaImagem->setText(verdict);
    ui->frameFormPage1->updateGeometry();
    ui->labelTrandutor->setText(transducer);
    ui->labelFrequencia->setText(frequency + QStringLiteral("MHz"));
}

void ReportForm::setDate(const QString &text)
{
    for (QLabel *cell : {ui->labelDate, ui->labelDate_2, ui->labelDate_3})
        cell->setText(text);
}

void ReportForm::setResponsible(const QString &text)
{
    for (QLabel *cell : {ui->labelResp, ui->labelResp_2, ui->labelResp_3})
        cell->setText(text);
}

void ReportForm::setVerticalDistances(double d12, double d23, double d34, double d45, double d56,
                                      double d67, double d78, double d89, double d910, int column)
{
    if (!validColumn(column))
        return;
    QLabel *const cells[2][9] = {
        {ui->label_5, ui->label_11, ui->label_17, ui->label_159, ui->label_160, ui->label_161,
         ui->label_162, ui->label_163, ui->label_164},
        {ui->label_154, ui->label_173, ui->label_174, ui->label_169, ui->label_165, ui->label_168,
         ui->label_170, ui->label_171, ui->label_172},
    };
    const double values[9] = {d12, d23, d34, d45, d56, d67, d78, d89, d910};
    for (int i = 0; i < 9; ++i)
        cells[column][i]->setText(number(this, values[i]));
}

void ReportForm::setVerticalMean(Result::Verdict pass, double mean, int column)
{
    if (column == 0)
        setMark(pass, ui->label_115, number(this, mean), ui->label_141);
    else if (column == 1)
        setMark(pass, ui->label_117, number(this, mean), ui->label_140);
}

void ReportForm::setFocalZone(double value, int column)
{
    if (column == 0)
        ui->label05ZonaFocal->setText(number(this, value));
    else if (column == 1)
        ui->label07ZonaFocal->setText(number(this, value));
}

void ReportForm::setMaxPenetration(double value, int column)
{
    if (column == 0)
        ui->label05MaxPenetracao->setText(number(this, value));
    else if (column == 1)
        ui->label07MaxPenetracao->setText(number(this, value));
}

void ReportForm::setHorizontalDistances(double d12, double d23, double d34, int column, int set)
{
    if (!validColumn(column) || !validColumn(set))
        return;
    // [set][column]: pairs 1-2, 2-3, 3-4
    QLabel *const cells[2][2][3] = {
        {{ui->label_263, ui->label_264, ui->label_265},
         {ui->label_268, ui->label_266, ui->label_267}},
        {{ui->label_270, ui->label_274, ui->label_269},
         {ui->label_271, ui->label_273, ui->label_272}},
    };
    const double values[3] = {d12, d23, d34};
    for (int i = 0; i < 3; ++i)
        cells[set][column][i]->setText(number(this, values[i]));
}

void ReportForm::setHorizontalMean(Result::Verdict pass, double mean, int column, int set)
{
    if (!validColumn(column) || !validColumn(set))
        return;
    // [set][column]: the mark on page 1, the mean on page 3
    QLabel *const marks[2][2] = {{ui->label_116, ui->label_118}, {ui->label_121, ui->label_122}};
    QLabel *const means[2][2] = {{ui->label_145, ui->label_146}, {ui->label_147, ui->label_148}};
    setMark(pass, marks[set][column], number(this, mean), means[set][column]);
}

// A null picture empties the cell: the depth was not measured.
void ReportForm::putMassMarks(int attenuation, Result::Verdict ratio, Result::Verdict area,
                              int depthColumn, int massType)
{
    if (!validColumn(attenuation) || depthColumn < 0 || depthColumn > 3 || !validColumn(massType))
        return;
    // [attenuation][massType][depth]; massType 0 is hyperechoic, 1 anechoic
    QLabel *const ratioCells[2][2][4] = {
        {{ui->label_77, ui->label_78, ui->label_79, ui->label_80},
         {ui->label_62, ui->label_63, ui->label_64, ui->label_65}},
        {{ui->label_92, ui->label_93, ui->label_94, ui->label_95},
         {ui->label_47, ui->label_49, ui->label_50, ui->label_46}},
    };
    QLabel *const areaCells[2][2][4] = {
        {{ui->label_82, ui->label_83, ui->label_84, ui->label_85},
         {ui->label_67, ui->label_68, ui->label_69, ui->label_70}},
        {{ui->label_97, ui->label_98, ui->label_99, ui->label_100},
         {ui->label_54, ui->label_53, ui->label_52, ui->label_51}},
    };
    setMark(ratio, ratioCells[attenuation][massType][depthColumn], QString(), nullptr);
    setMark(area, areaCells[attenuation][massType][depthColumn], QString(), nullptr);
}

void ReportForm::setMassMarks05(Result::Verdict ratio, Result::Verdict area, int depthColumn,
                                int massType)
{
    putMassMarks(0, ratio, area, depthColumn, massType);
}

void ReportForm::setMassMarks07(Result::Verdict ratio, Result::Verdict area, int depthColumn,
                                int massType)
{
    putMassMarks(1, ratio, area, depthColumn, massType);
}

void ReportForm::setMassValues(int attenuation, const double (&values)[12],
                               const bool (&checked)[4], int massType)
{
    if (!validColumn(massType))
        return;
    struct Frame
    {
        QLabel *numbers[12]; // heights, widths, areas at 2, 4, 6, 8 cm
        QCheckBox *depths[4];
    };
    // [attenuation][massType]; massType 0 is hyperechoic, 1 anechoic
    const Frame frames[2][2] = {
        {{{ui->label_212, ui->label_209, ui->label_219, ui->label_220, ui->label_214, ui->label_217,
           ui->label_221, ui->label_211, ui->label_215, ui->label_213, ui->label_216,
           ui->label_223},
          {ui->checkBox2cm_3, ui->checkBox4cm_3, ui->checkBox6cm_3, ui->checkBox8cm_3}},
         {{ui->label_180, ui->label_181, ui->label_182, ui->label_183, ui->label_187, ui->label_186,
           ui->label_185, ui->label_184, ui->label_188, ui->label_189, ui->label_190,
           ui->label_191},
          {ui->checkBox2cm, ui->checkBox4cm, ui->checkBox6cm, ui->checkBox8cm}}},
        {{{ui->label_228, ui->label_225, ui->label_249, ui->label_250, ui->label_230, ui->label_247,
           ui->label_251, ui->label_227, ui->label_245, ui->label_229, ui->label_246,
           ui->label_253},
          {ui->checkBox2cm_4, ui->checkBox4cm_4, ui->checkBox6cm_4, ui->checkBox8cm_4}},
         {{ui->label_196, ui->label_193, ui->label_203, ui->label_204, ui->label_198, ui->label_201,
           ui->label_205, ui->label_195, ui->label_199, ui->label_197, ui->label_200,
           ui->label_207},
          {ui->checkBox2cm_2, ui->checkBox4cm_2, ui->checkBox6cm_2, ui->checkBox8cm_2}}},
    };
    const Frame &frame = frames[attenuation][massType];
    for (int i = 0; i < 12; ++i)
        frame.numbers[i]->setText(number(this, values[i]));
    for (int i = 0; i < 4; ++i)
        frame.depths[i]->setChecked(checked[i]);
}

void ReportForm::setMassValues05(double h2, double h4, double h6, double h8, double w2, double w4,
                                 double w6, double w8, double a2, double a4, double a6, double a8,
                                 bool c2, bool c4, bool c6, bool c8, int massType)
{
    setMassValues(0, {h2, h4, h6, h8, w2, w4, w6, w8, a2, a4, a6, a8}, {c2, c4, c6, c8}, massType);
}

void ReportForm::setMassValues07(double h2, double h4, double h6, double h8, double w2, double w4,
                                 double w6, double w8, double a2, double a4, double a6, double a8,
                                 bool c2, bool c4, bool c6, bool c8, int massType)
{
    setMassValues(1, {h2, h4, h6, h8, w2, w4, w6, w8, a2, a4, a6, a8}, {c2, c4, c6, c8}, massType);
}

// The limits in force for this inspection, on page 2 with the uniformity image.
void ReportForm::setLimits(const QVector<Result> &results, double frequency,
                           const ToleranceSet &set)
{
    QVector<const Result *> rows;
    for (const Result &result : results) {
        if (result.rule && result.rule->kind != ToleranceRule::Range &&
            result.verdict != Result::NotJudged)
            rows << &result;
    }
    const bool original = set.id == ToleranceSet::OriginalId && rows.isEmpty();
    fillBaselineTable(rows);
    arrangeUniformity(!original);
    ui->labelLimits->setText(original ? originalCriteria(results, frequency)
                                      : setCriteria(results, frequency, set, !rows.isEmpty()));
}

// The criteria of the original rules, as every report printed them.
QString ReportForm::originalCriteria(const QVector<Result> &results, double frequency) const
{
    const QLocale locale = this->locale();
    auto choice = [&](Rule rule) {
        for (const Result &result : results) {
            if (result.judged->rule == rule)
                return Inspection::choiceTexts(result.judged->inputs.first())
                    .value(int(result.upper));
        }
        return QString();
    };
    auto decimal = [&locale](double value, int decimals) {
        return locale.toString(value, 'f', decimals);
    };
    QStringList ratings = Inspection::choiceTexts(QStringLiteral("comboBox3cabo")).mid(1, 3);
    QStringList areas;
    for (int depth = 1; depth <= 4; ++depth)
        areas << decimal(Evaluator::nominalArea(depth), 2);
    const QStringList lines = {
        tr("Critérios: zona morta até %1, axial até %2, lateral até %3 (%4 MHz); física: %5, %6 "
           "ou %7;")
            .arg(choice(Rule::DeadZone), choice(Rule::AxialResolution),
                 choice(Rule::LateralResolution), decimal(frequency, 1), ratings.value(0),
                 ratings.value(1), ratings.value(2)),
        tr("média vertical %1–%2 mm, horizontal %3–%4 mm; massas: altura/largura %5–%6,")
            .arg(decimal(Evaluator::verticalMeanLow, 3), decimal(Evaluator::verticalMeanHigh, 3),
                 decimal(Evaluator::horizontalMeanLow, 2),
                 decimal(Evaluator::horizontalMeanHigh, 2), decimal(Evaluator::aspectRatioLow, 2),
                 decimal(Evaluator::aspectRatioHigh, 2)),
        tr("área %1–%2 × nominal (%3 mm² a 2, 4, 6 e 8 cm); limites excluídos.")
            .arg(locale.toString(Evaluator::areaLowFactor),
                 locale.toString(Evaluator::areaHighFactor), areas.join(QStringLiteral("; "))),
    };
    return lines.join(QLatin1Char(' '));
}

// The criteria of another set: its name and version, the baseline, and the bounds of the
// results it judges by a range; the others are in the table.
QString ReportForm::setCriteria(const QVector<Result> &results, double frequency,
                                const ToleranceSet &set, bool table) const
{
    const QLocale locale = this->locale();
    auto first = [&](Rule rule) -> const Result * {
        for (const Result &result : results) {
            if (result.judged->rule == rule)
                return &result;
        }
        return nullptr;
    };
    auto byRange = [&](Rule rule) {
        const Result *result = first(rule);
        return result && result->rule && result->rule->kind == ToleranceRule::Range;
    };
    auto choice = [&](Rule rule) {
        const Result *result = first(rule);
        return Inspection::choiceTexts(result->judged->inputs.first()).value(int(result->upper));
    };
    // A range's own bound, else the original one.
    auto bound = [&](Rule rule, bool upper, double original) {
        const double own = upper ? first(rule)->rule->upper : first(rule)->rule->lower;
        return locale.toString(std::isnan(own) ? original : own, 'g', 6);
    };

    QStringList choices, pieces;
    if (byRange(Rule::DeadZone))
        choices << tr("zona morta até %1").arg(choice(Rule::DeadZone));
    if (byRange(Rule::AxialResolution))
        choices << tr("axial até %1").arg(choice(Rule::AxialResolution));
    if (byRange(Rule::LateralResolution))
        choices << tr("lateral até %1").arg(choice(Rule::LateralResolution));
    if (!choices.isEmpty())
        pieces << tr("%1 (%2 MHz)")
                      .arg(choices.join(QStringLiteral(", ")), locale.toString(frequency, 'f', 1));
    if (byRange(Rule::Rating)) {
        const QStringList ratings =
            Inspection::choiceTexts(QStringLiteral("comboBox3cabo")).mid(1, 3);
        pieces
            << tr("física: %1, %2 ou %3").arg(ratings.value(0), ratings.value(1), ratings.value(2));
    }
    const int ranges = pieces.size();
    if (byRange(Rule::VerticalMean))
        pieces << tr("média vertical %1–%2 mm")
                      .arg(bound(Rule::VerticalMean, false, Evaluator::verticalMeanLow),
                           bound(Rule::VerticalMean, true, Evaluator::verticalMeanHigh));
    if (byRange(Rule::HorizontalMean))
        pieces << tr("média horizontal %1–%2 mm")
                      .arg(bound(Rule::HorizontalMean, false, Evaluator::horizontalMeanLow),
                           bound(Rule::HorizontalMean, true, Evaluator::horizontalMeanHigh));
    if (byRange(Rule::AspectRatio))
        pieces << tr("massas: altura/largura %1–%2")
                      .arg(bound(Rule::AspectRatio, false, Evaluator::aspectRatioLow),
                           bound(Rule::AspectRatio, true, Evaluator::aspectRatioHigh));
    if (byRange(Rule::Area)) {
        QStringList areas;
        for (int depth = 1; depth <= 4; ++depth)
            areas << locale.toString(Evaluator::nominalArea(depth), 'f', 2);
        pieces << tr("área %1–%2 × nominal (%3 mm² a 2, 4, 6 e 8 cm)")
                      .arg(bound(Rule::Area, false, Evaluator::areaLowFactor),
                           bound(Rule::Area, true, Evaluator::areaHighFactor),
                           areas.join(QStringLiteral("; ")));
    }
    if (pieces.size() > ranges)
        pieces << tr("limites excluídos");
    if (table)
        pieces << tr("na tabela, a tolerância de cada resultado, limites incluídos");

    QDate baseline;
    bool noBaseline = false;
    for (const Result &result : results) {
        noBaseline |= result.verdict == Result::NoBaseline;
        if (result.baselineDate.isValid())
            baseline = result.baselineDate;
    }
    const QString name = set.displayName();
    const QString head =
        noBaseline ? tr("Conjunto de tolerâncias: %1, versão %2; esta inspeção é a linha de base.")
                         .arg(name)
                         .arg(set.version)
        : baseline.isValid()
            ? tr("Conjunto de tolerâncias: %1, versão %2; linha de base de %3.")
                  .arg(name)
                  .arg(set.version)
                  .arg(baseline.toString(DateFormats::shown))
            : tr("Conjunto de tolerâncias: %1, versão %2.").arg(name).arg(set.version);
    return head + QLatin1Char(' ') + tr("Critérios: %1.").arg(pieces.join(QStringLiteral("; ")));
}

// One row a result: its name, the baseline's value and date or the nominal value, this
// value, the difference and the verdict; rows of one rule share its tolerance's cell.
void ReportForm::fillBaselineTable(QVector<const Result *> rows)
{
    qDeleteAll(baselineCells);
    baselineCells.clear();
    ui->widgetBaseline->setVisible(!rows.isEmpty());
    std::stable_sort(rows.begin(), rows.end(), [](const Result *a, const Result *b) {
        const JudgedResult &x = *a->judged, &y = *b->judged;
        return std::make_tuple(x.rule, x.set, x.attenuation) <
               std::make_tuple(y.rule, y.set, y.attenuation);
    });
    const QLocale locale = this->locale();
    auto *grid = ui->gridLayoutBaseline;
    const int top = 2; // under the title and the headers
    auto cell = [&](const QString &text, int row, int column, Qt::Alignment alignment,
                    int span = 1) {
        auto *label = new QLabel(text, ui->widgetBaseline);
        label->setObjectName(QStringLiteral("labelBaselineCell%1_%2").arg(row).arg(column));
        label->setFont(ui->labelLimits->font()); // the pages' smallest text
        label->setAlignment(alignment | Qt::AlignVCenter);
        grid->addWidget(label, top + row, column, span, 1);
        baselineCells << label;
        return label;
    };
    for (int row = 0; row < rows.size(); ++row) {
        const Result &result = *rows[row];
        const bool change = result.rule->kind == ToleranceRule::Change;
        const bool noBaseline = result.verdict == Result::NoBaseline;
        // Rounded to the millionth, so that a mean equal to its reference differs by 0.
        const double difference =
            std::round((result.measured - result.reference) * 1e6) / 1e6 + 0.0;
        const QString reference =
            noBaseline ? tr("esta inspeção")
            : change   ? tr("%1 (%2)").arg(number(this, result.reference),
                                           result.baselineDate.toString(DateFormats::shown))
                       : tr("%1 (nominal)").arg(number(this, result.reference));
        cell(resultName(*result.judged, locale), row, 0, Qt::AlignLeft);
        cell(reference, row, 1, Qt::AlignLeft);
        cell(number(this, result.measured), row, 2, Qt::AlignRight);
        cell(noBaseline
                 ? QString()
                 : (difference > 0 ? QStringLiteral("+") : QString()) + number(this, difference),
             row, 3, Qt::AlignRight);
        QLabel *verdict = cell(noBaseline                       ? tr("sem linha de base")
                               : result.verdict == Result::Pass ? tr("aprovado")
                                                                : tr("reprovado"),
                               row, 5, Qt::AlignLeft);
        QFont font = verdict->font();
        font.setBold(result.verdict == Result::Fail);
        verdict->setFont(font);
        int span = 1;
        while (row + span < rows.size() && rows[row + span]->rule == result.rule)
            ++span;
        if (row == 0 || rows[row - 1]->rule != result.rule)
            cell(result.rule->describe(locale), row, 4, Qt::AlignLeft, span)->setWordWrap(true);
    }
}

void ReportForm::arrangeUniformity(bool compact)
{
    if (compact == compactUniformity)
        return;
    compactUniformity = compact;
    QGridLayout *grid = ui->gridLayout_10;
    QLabel *image = ui->labelUniformidadeANEXO;
    grid->removeWidget(image);
    grid->removeWidget(ui->labelLimits);
    if (compact) {
        grid->addWidget(image, 1, 0, Qt::AlignLeft | Qt::AlignTop);
        grid->addWidget(ui->labelLimits, 1, 1); // as high as the image, its text at the top
    } else {
        grid->addWidget(image, 1, 0, 1, 2, Qt::AlignHCenter);
        grid->addWidget(ui->labelLimits, 2, 0, 1, 2);
    }
    grid->setColumnStretch(1, compact ? 1 : 0);
    ui->labelLimits->setSizePolicy(QSizePolicy::Preferred,
                                   compact ? QSizePolicy::Preferred : QSizePolicy::Fixed);
    const int side = compact ? compactUniformitySide : uniformitySide;
    image->setFixedSize(side, side);
    // A photograph shown is scaled anew to the cell; the placeholder keeps its size.
    const QPixmap shown = image->pixmap(Qt::ReturnByValue);
    if (!shown.isNull() && qFuzzyCompare(shown.devicePixelRatio(), printRatio))
        setScaledPixmap(image, shown);
}
