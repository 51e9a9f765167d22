#include "wizard/reportassembly.h"

#include "core/dateformats.h"
#include "core/tolerance.h"
#include "core/transducer.h"
#include "report/reportform.h"
#include "wizard/photographs.h"

#include <cmath>

ReportAssembly::ReportAssembly(const Inspection &inspection, const QStringList &scanner,
                               const Photographs &photographs, ReportForm &report)
    : inspection(inspection)
    , scanner(scanner)
    , photographs(photographs)
    , report(report)
{
}

void ReportAssembly::fill()
{
    const QVector<Result> results = judge(inspection);
    fillHeader();
    // The limits first: they set the size of the uniformity image's cell.
    ToleranceSet set; // none kept: the original rules
    ToleranceSet::fromJson(inspection.values().value(Field::toleranceSet).toObject(), &set);
    const double frequency = inspection.number(Field::frequency); // judged as 0 when none
    report.setLimits(results, std::isnan(frequency) ? 0 : frequency, set);
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
    // the transducer as it was inspected, and when it is due again after this inspection
    const QJsonObject record = inspection.values().value(Field::transducerRecord).toObject();
    const Transducer transducer = Transducer::fromJson(record);
    const QDate next = Due::next(inspection.date(), transducer.intervalMonths);
    report.setTransducer(record.isEmpty() ? QString() : transducer.describe(report.locale()),
                         next.toString(DateFormats::shown));
}

// The mark on page 1 and the choice as its box shows it on page 3.
void ReportAssembly::fillDeadZoneResolution(const QVector<Result> &results)
{
    for (const Result &result : results) {
        const JudgedResult &judged = *result.judged;
        void (ReportForm::*setter)(Result::Verdict, const QString &, int) =
            judged.rule == Rule::DeadZone            ? &ReportForm::setDeadZone
            : judged.rule == Rule::AxialResolution   ? &ReportForm::setAxialResolution
            : judged.rule == Rule::LateralResolution ? &ReportForm::setLateralResolution
                                                     : nullptr;
        const QString field = judged.inputs.first();
        const QString choice = Inspection::choiceTexts(field).value(int(result.value));
        if (setter)
            (report.*setter)(result.verdict, choice, int(judged.attenuation));
    }
}

// The part numbers of the ratings are the report's own, not the photographs' indices.
void ReportAssembly::fillPhysicalInspection(const QVector<Result> &results)
{
    for (const Result &result : results) {
        if (result.judged->rule == Rule::Rating)
            report.setInspectionRating(result.judged->part, int(result.value), result.verdict);
    }
    fillInspectionImages();
}

// Every picture cell is written at every assembly: a photograph cleared in the wizard
// gives the placeholder back instead of lingering on the report.
void ReportAssembly::fillInspectionImages()
{
    // by part index: power cables, monitor, controls, buttons, dust filter, transducers
    report.setCableImage(photographs.part(0));
    report.setMonitorImage(photographs.part(1));
    report.setControlsImage(photographs.part(2));
    report.setButtonsImage(photographs.part(3));
    report.setFilterImage(photographs.part(4));
    report.setTransducerImage(photographs.part(5));
    report.setUniformityImage(photographs.uniformity());
}

void ReportAssembly::fillUniformity()
{
    const double rating = inspection.choice(Field::uniformity);
    const double frequency = inspection.number(Field::frequency);
    // The frequency as the wizard shows it, in the report's language.
    report.setUniformity(Inspection::choiceTexts(Field::uniformity).value(int(rating)),
                         inspection.text(Field::explanation), inspection.text(Field::transducer),
                         std::isnan(frequency) ? QString()
                                               : report.locale().toString(frequency, 'f', 1));
}

void ReportAssembly::fillVerticalMeasurements(const QVector<Result> &results)
{
    for (const Result &result : results) {
        if (result.judged->rule != Rule::VerticalMean)
            continue;
        const int column = int(result.judged->attenuation);
        const QVector<double> &v = result.inputs;
        report.setVerticalMean(result.verdict, result.value, column);
        report.setVerticalDistances(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], column);
    }
    for (Attenuation attenuation : {Attenuation::Db05, Attenuation::Db07}) {
        report.setFocalZone(inspection.number(Field::focalZone(attenuation)), int(attenuation));
        report.setMaxPenetration(inspection.number(Field::maxPenetration(attenuation)),
                                 int(attenuation));
    }
}

void ReportAssembly::fillHorizontalMeasurements(const QVector<Result> &results)
{
    for (const Result &result : results) {
        const JudgedResult &judged = *result.judged;
        if (judged.rule != Rule::HorizontalMean)
            continue;
        const int column = int(judged.attenuation);
        const QVector<double> &v = result.inputs;
        report.setHorizontalMean(result.verdict, result.value, column, judged.set);
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
        masses[type][column][judged.depth] = {ratio.inputs[0], ratio.inputs[1], ratio.inputs[2],
                                              inspection.isChecked(judged.depthCheckBox)};
        auto marks = column == 0 ? &ReportForm::setMassMarks05 : &ReportForm::setMassMarks07;
        (report.*marks)(ratio.verdict, area.verdict, judged.depth, type);
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
    report.setDate(inspection.date().toString(DateFormats::shown));
    report.setResponsible(inspection.technician());
}
