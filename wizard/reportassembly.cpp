#include "ui_mainwindow.h"
#include "wizard/mainwindow.h"

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

void MainWindow::fillReportHeader() {}
void MainWindow::fillDeadZoneResolution() {}
void MainWindow::fillPhysicalInspection()
{
    fillInspectionImages();
}
void MainWindow::fillInspectionImages() {}
void MainWindow::fillUniformity() {}
void MainWindow::fillVerticalMeasurements() {}
void MainWindow::fillHorizontalMeasurements() {}
void MainWindow::fillMasses() {}
void MainWindow::fillDateResponsible() {}
