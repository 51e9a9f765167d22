// The report button: copies every value of the wizard onto the report, judges each
// checkable result and opens the report. The sections write disjoint cells.

#include "ui_mainwindow.h"
#include "wizard/mainwindow.h"
#include "wizard/massrows.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QSqlTableModel>

void MainWindow::on_pushButtonReport_clicked()
{
    fillReport();
    report.exec();
}

void MainWindow::fillReport()
{
    fillReportHeader();
    fillDeadZoneResolution();
    fillPhysicalInspection();
    fillUniformity();
    fillVerticalMeasurements();
    fillHorizontalMeasurements();
    fillMasses();
    fillDateResponsible();
}

// The current record of the equipment list; without one every header cell is empty.
void MainWindow::fillReportHeader()
{
    const int row = ui->tableView->selectionModel()->currentIndex().row();
    auto field = [this, row](int column) {
        return model->data(model->index(row, column), Qt::DisplayRole).toString();
    };
    report.setManufacturer(field(5));
    report.setModel(field(4));
    report.setInstitution(field(1));
    report.setPlace(field(2));
    report.setEquipmentId(field(3));
}

void MainWindow::fillDeadZoneResolution()
{
    const double frequency = ui->doubleSpinBox4Freq->value();
    auto judge = [&](QComboBox *box, bool (Evaluator::*check)(double, int) const,
                     void (ReportForm::*setter)(bool, const QString &, int), int column) {
        const bool pass = (evaluator.*check)(frequency, box->currentIndex());
        (report.*setter)(pass, box->currentText(), column);
    };
    judge(ui->comboBox2_05db_ZM, &Evaluator::deadZoneOk, &ReportForm::setDeadZone, 0);
    judge(ui->comboBox2_07db_ZM, &Evaluator::deadZoneOk, &ReportForm::setDeadZone, 1);
    judge(ui->comboBox2_05db_RA, &Evaluator::axialResolutionOk, &ReportForm::setAxialResolution, 0);
    judge(ui->comboBox2_07db_RA, &Evaluator::axialResolutionOk, &ReportForm::setAxialResolution, 1);
    judge(ui->comboBox2_05db_RL, &Evaluator::lateralResolutionOk, &ReportForm::setLateralResolution,
          0);
    judge(ui->comboBox2_07db_RL, &Evaluator::lateralResolutionOk, &ReportForm::setLateralResolution,
          1);
}

// The part numbers of the ratings are the report's own, not the photographs' indices.
void MainWindow::fillPhysicalInspection()
{
    report.setInspectionRating(0, ui->comboBox3cabo->currentIndex());
    report.setInspectionRating(4, ui->comboBox3botoes->currentIndex());
    report.setInspectionRating(1, ui->comboBox3Controles->currentIndex());
    report.setInspectionRating(2, ui->comboBox3FiltPoeira->currentIndex());
    report.setInspectionRating(3, ui->comboBox3Monitor->currentIndex());
    report.setInspectionRating(5, ui->comboBox3Transtud->currentIndex());
    fillInspectionImages();
}

// Every picture cell is written at every assembly: a photograph cleared in the wizard
// gives the placeholder back instead of lingering on the report.
void MainWindow::fillInspectionImages()
{
    auto photograph = [this](int partIndex) {
        const QPixmap *picture = partImages.value(partIndex);
        return picture ? *picture : QPixmap();
    };
    report.setButtonsImage(photograph(3));
    report.setCableImage(photograph(0));
    report.setControlsImage(photograph(2));
    report.setFilterImage(photograph(4));
    report.setMonitorImage(photograph(1));
    report.setTransducerImage(photograph(5));
    report.setUniformityImage(uniformImage ? *uniformImage : QPixmap());
}

void MainWindow::fillUniformity()
{
    // The frequency as the box shows it, with the window's decimal comma.
    report.setUniformity(ui->comboBox4ImgUnifor->currentText(),
                         ui->plainTextEdit4->document()->toPlainText(),
                         ui->lineEdit4Transdutor->text(), ui->doubleSpinBox4Freq->text());
}

void MainWindow::fillVerticalMeasurements()
{
    // The 0.5 dB pair 2-3 is doubleSpinBox5_05_30.
    const QDoubleSpinBox *const boxes05[9] = {
        ui->doubleSpinBox5_05_12, ui->doubleSpinBox5_05_30, ui->doubleSpinBox5_05_34,
        ui->doubleSpinBox5_05_45, ui->doubleSpinBox5_05_56, ui->doubleSpinBox5_05_67,
        ui->doubleSpinBox5_05_78, ui->doubleSpinBox5_05_89, ui->doubleSpinBox5_05_910};
    const QDoubleSpinBox *const boxes07[9] = {
        ui->doubleSpinBox5_07_12, ui->doubleSpinBox5_07_23, ui->doubleSpinBox5_07_34,
        ui->doubleSpinBox5_07_45, ui->doubleSpinBox5_07_56, ui->doubleSpinBox5_07_67,
        ui->doubleSpinBox5_07_78, ui->doubleSpinBox5_07_89, ui->doubleSpinBox5_07_910};
    QVector<double> values05, values07;
    for (int i = 0; i < 9; ++i) {
        values05.append(boxes05[i]->value());
        values07.append(boxes07[i]->value());
    }

    double mean = 0;
    bool pass = evaluator.verticalMeanOk(values05, &mean);
    report.setVerticalMean(pass, mean, 0);
    pass = evaluator.verticalMeanOk(values07, &mean);
    report.setVerticalMean(pass, mean, 1);

    report.setFocalZone(ui->doubleSpinBox5_05_ZF->value(), 0);
    report.setFocalZone(ui->doubleSpinBox5_07_ZF->value(), 1);
    report.setMaxPenetration(ui->doubleSpinBox5_05_MPV->value(), 0);
    report.setMaxPenetration(ui->doubleSpinBox5_07_MPV->value(), 1);

    const QVector<double> *columns[2] = {&values05, &values07};
    for (int column = 0; column < 2; ++column) {
        const QVector<double> &v = *columns[column];
        report.setVerticalDistances(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], column);
    }
}

void MainWindow::fillHorizontalMeasurements()
{
    struct Group
    {
        const QDoubleSpinBox *pairs[3]; // 1-2, 2-3, 3-4
        int column;
        int set;
    };
    // Means are judged in this order, distances printed in the order further down.
    const Group groups[4] = {
        {{ui->doubleSpinBox6_3cm_05_12, ui->doubleSpinBox6_3cm_05_23, ui->doubleSpinBox6_3cm_05_34},
         0,
         0},
        {{ui->doubleSpinBox6_3cm_07_12, ui->doubleSpinBox6_3cm_07_23, ui->doubleSpinBox6_3cm_07_34},
         1,
         0},
        {{ui->doubleSpinBox6_9cm_05_12, ui->doubleSpinBox6_9cm_05_23, ui->doubleSpinBox6_9cm_05_34},
         0,
         1},
        {{ui->doubleSpinBox6_9cm_07_12, ui->doubleSpinBox6_9cm_07_23, ui->doubleSpinBox6_9cm_07_34},
         1,
         1},
    };
    for (const Group &group : groups) {
        const QVector<double> values = {group.pairs[0]->value(), group.pairs[1]->value(),
                                        group.pairs[2]->value()};
        double mean = 0;
        const bool pass = evaluator.horizontalMeanOk(values, &mean);
        report.setHorizontalMean(pass, mean, group.column, group.set);
    }
    for (int index : {0, 2, 1, 3}) {
        const Group &group = groups[index];
        report.setHorizontalDistances(group.pairs[0]->value(), group.pairs[1]->value(),
                                      group.pairs[2]->value(), group.column, group.set);
    }
}

// Walks the mass rows in their order: anechoic 0.5 dB, anechoic 0.7 dB, hyperechoic
// 0.5 dB, hyperechoic 0.7 dB, four depths each. A depth whose check box is off was not
// measured: it is not judged, its marks stay empty, and page 3 prints its numbers next
// to its unchecked box.
void MainWindow::fillMasses()
{
    struct Mass
    {
        double height = 0, width = 0, area = 0;
        bool checked = false;
    };
    auto value = [this](const char *name) {
        const QDoubleSpinBox *box = findChild<QDoubleSpinBox *>(QLatin1String(name));
        return box ? box->value() : 0.0;
    };
    Mass masses[massRowCount];
    for (int row = 0; row < massRowCount; ++row) {
        const MassRow &mass = massRows[row];
        const QCheckBox *checkBox = findChild<QCheckBox *>(QLatin1String(mass.checkBox));
        masses[row] = {value(mass.height), value(mass.width), value(mass.area),
                       checkBox && checkBox->isChecked()};
    }

    for (int row = 0; row < massRowCount; ++row) {
        const MassRow &mass = massRows[row];
        if (!masses[row].checked) {
            report.clearMassMarks(mass.attenuation, mass.depthColumn, mass.massType);
            continue;
        }
        const bool areaPass = evaluator.areaOk(masses[row].area, mass.depthColumn + 1);
        const bool ratioPass = evaluator.aspectRatioOk(masses[row].height, masses[row].width);
        if (mass.attenuation == 0)
            report.setMassMarks05(ratioPass, areaPass, mass.depthColumn, mass.massType);
        else
            report.setMassMarks07(ratioPass, areaPass, mass.depthColumn, mass.massType);
    }

    for (int first = 0; first < massRowCount; first += 4) {
        const Mass *m = masses + first;
        const MassRow &group = massRows[first];
        auto setValues =
            group.attenuation == 0 ? &ReportForm::setMassValues05 : &ReportForm::setMassValues07;
        (report.*setValues)(m[0].height, m[1].height, m[2].height, m[3].height, m[0].width,
                            m[1].width, m[2].width, m[3].width, m[0].area, m[1].area, m[2].area,
                            m[3].area, m[0].checked, m[1].checked, m[2].checked, m[3].checked,
                            group.massType);
    }
}

void MainWindow::fillDateResponsible()
{
    report.setDate(ui->calendarWidget->selectedDate().toString(QStringLiteral("dd/MM/yyyy")));
    report.setResponsible(ui->lineTecResp->text());
}
