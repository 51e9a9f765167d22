#ifndef REPORTASSEMBLY_H
#define REPORTASSEMBLY_H

#include "core/judgement.h"

#include <QStringList>
#include <QVector>

class Photographs;
class ReportForm;

// Writes an inspection onto the report: every value, and each result with the mark of
// its judgement; a result not judged gets none. The sections write disjoint cells.
class ReportAssembly
{
public:
    // `scanner`: the record of the scanner inspected (Institution, Place, ID, Model,
    // Manufacturer), empty fields with none.
    ReportAssembly(const Inspection &inspection, const QStringList &scanner,
                   const Photographs &photographs, ReportForm &report);

    void fill();

private:
    void fillHeader();
    void fillDeadZoneResolution(const QVector<Result> &results);
    void fillPhysicalInspection(const QVector<Result> &results);
    void fillInspectionImages();
    void fillUniformity();
    void fillVerticalMeasurements(const QVector<Result> &results);
    void fillHorizontalMeasurements(const QVector<Result> &results);
    void fillMasses(const QVector<Result> &results);
    void fillDateResponsible();

    const Inspection &inspection;
    const QStringList scanner;
    const Photographs &photographs;
    ReportForm &report;
};

#endif // REPORTASSEMBLY_H
