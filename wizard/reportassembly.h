#ifndef REPORTASSEMBLY_H
#define REPORTASSEMBLY_H

#include "core/judgement.h"

#include <QStringList>
#include <QVector>

class Photographs;
class ReportForm;

namespace Ui {
class MainWindow;
}

// Copies every value of the wizard onto the report and judges each checkable result.
// The results come from the judgement of the wizard's values as they would be stored;
// the sections write disjoint cells.
class ReportAssembly
{
public:
    // `scanner`: the record of the scanner inspected (Institution, Place, ID, Model,
    // Manufacturer), empty fields with none.
    ReportAssembly(const Ui::MainWindow &ui, const QStringList &scanner,
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

    const Ui::MainWindow &ui;
    const QStringList scanner;
    const Photographs &photographs;
    ReportForm &report;
};

#endif // REPORTASSEMBLY_H
