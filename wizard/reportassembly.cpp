#include "wizard/reportassembly.h"

#include "core/dateformats.h"
#include "history/inputvalues.h"
#include "report/reportform.h"
#include "ui_mainwindow.h"
#include "wizard/imagesteps.h"

#include <QComboBox>

namespace {

bool passed(const Result &result)
{
    return result.verdict == Result::Pass;
}

} // namespace

ReportAssembly::ReportAssembly(const Ui::MainWindow &ui, const QStringList &scanner,
                               const Photographs &photographs, ReportForm &report)
    : ui(ui)
    , scanner(scanner)
    , photographs(photographs)
    , report(report)
{
}

void ReportAssembly::fill()
{
    const QVector<Result> results = judge(InputValues::collect(ui.centralWidget));
    fillHeader();
    fillDeadZoneResolution(results);
    fillPhysicalInspection(results);
    fillUniformity();
    fillVerticalMeasurements(results);
    fillHorizontalMeasurements(results);
    fillMasses(results);
    fillDateResponsible();
}

void ReportAssembly::fillHeader()
{
    report.setInstitution(scanner.value(0));
    report.setPlace(scanner.value(1));
    report.setEquipmentId(scanner.value(2));
    report.setModel(scanner.value(3));
    report.setManufacturer(scanner.value(4));
}

// The mark on page 1 and the choice as its box shows it on page 3.
void ReportAssembly::fillDeadZoneResolution(const QVector<Result> &results)
{
    for (const Result &result : results) {
        const JudgedResult &judged = *result.judged;
        void (ReportForm::*setter)(bool, const QString &, int) =
            judged.rule == Rule::DeadZone            ? &ReportForm::setDeadZone
            : judged.rule == Rule::AxialResolution   ? &ReportForm::setAxialResolution
            : judged.rule == Rule::LateralResolution ? &ReportForm::setLateralResolution
                                                     : nullptr;
        const QComboBox *box = ui.centralWidget->findChild<QComboBox *>(judged.inputs.first());
        if (setter && box)
            (report.*setter)(passed(result), box->currentText(), int(judged.attenuation));
    }
}

// The part numbers of the ratings are the report's own, not the photographs' indices.
void ReportAssembly::fillPhysicalInspection(const QVector<Result> &results)
{
    for (const Result &result : results) {
        if (result.judged->rule == Rule::Rating)
            report.setInspectionRating(result.judged->part, int(result.value));
    }
    fillInspectionImages();
}

// Every picture cell is written at every assembly: a photograph cleared in the wizard
// gives the placeholder back instead of lingering on the report.
void ReportAssembly::fillInspectionImages()
{
    for (const PhotographButton &photograph : photographButtons(&ui))
        (report.*photograph.reportCell)(photographs.part(photograph.part));
    report.setUniformityImage(photographs.uniformity());
}

void ReportAssembly::fillUniformity()
{
    // The frequency as the box shows it, with the window's decimal comma.
    report.setUniformity(ui.comboBox4ImgUnifor->currentText(),
                         ui.plainTextEdit4->document()->toPlainText(),
                         ui.lineEdit4Transdutor->text(), ui.doubleSpinBox4Freq->text());
}

void ReportAssembly::fillVerticalMeasurements(const QVector<Result> &results)
{
    for (const Result &result : results) {
        if (result.judged->rule != Rule::VerticalMean)
            continue;
        const int column = int(result.judged->attenuation);
        const QVector<double> &v = result.inputs;
        report.setVerticalMean(passed(result), result.value, column);
        report.setVerticalDistances(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], column);
    }
    report.setFocalZone(ui.doubleSpinBox5_05_ZF->value(), 0);
    report.setFocalZone(ui.doubleSpinBox5_07_ZF->value(), 1);
    report.setMaxPenetration(ui.doubleSpinBox5_05_MPV->value(), 0);
    report.setMaxPenetration(ui.doubleSpinBox5_07_MPV->value(), 1);
}

void ReportAssembly::fillHorizontalMeasurements(const QVector<Result> &results)
{
    for (const Result &result : results) {
        const JudgedResult &judged = *result.judged;
        if (judged.rule != Rule::HorizontalMean)
            continue;
        const int column = int(judged.attenuation);
        const QVector<double> &v = result.inputs;
        report.setHorizontalMean(passed(result), result.value, column, judged.set);
        report.setHorizontalDistances(v[0], v[1], v[2], column, judged.set);
    }
}

// A depth whose check box is off was not measured: it is not judged, its marks stay
// empty, and page 3 prints its numbers next to its unchecked box.
void ReportAssembly::fillMasses(const QVector<Result> &results)
{
    struct Mass
    {
        double height = 0, width = 0, area = 0;
        bool measured = false;
    };
    // By mass type, attenuation and depth.
    Mass masses[2][2][4];
    for (int i = 0; i + 1 < results.size(); ++i) {
        const Result &ratio = results[i], &area = results[i + 1];
        const JudgedResult &judged = *ratio.judged;
        if (judged.rule != Rule::AspectRatio)
            continue;
        const int type = int(judged.massType), column = int(judged.attenuation);
        const bool measured = ratio.verdict != Result::NotJudged;
        masses[type][column][judged.depth] = {ratio.inputs[0], ratio.inputs[1], ratio.inputs[2],
                                              measured};
        if (!measured)
            report.clearMassMarks(column, judged.depth, type);
        else if (column == 0)
            report.setMassMarks05(passed(ratio), passed(area), judged.depth, type);
        else
            report.setMassMarks07(passed(ratio), passed(area), judged.depth, type);
    }
    for (int type = 0; type < 2; ++type) {
        for (int column = 0; column < 2; ++column) {
            const Mass *m = masses[type][column];
            auto setValues =
                column == 0 ? &ReportForm::setMassValues05 : &ReportForm::setMassValues07;
            (report.*setValues)(m[0].height, m[1].height, m[2].height, m[3].height, m[0].width,
                                m[1].width, m[2].width, m[3].width, m[0].area, m[1].area, m[2].area,
                                m[3].area, m[0].measured, m[1].measured, m[2].measured,
                                m[3].measured, type);
        }
    }
}

void ReportAssembly::fillDateResponsible()
{
    report.setDate(ui.calendarWidget->selectedDate().toString(DateFormats::shown));
    report.setResponsible(ui.lineTecResp->text());
}
