#include "ui_mainwindow.h"
#include "wizard/mainwindow.h"

#include <QSqlTableModel>

void MainWindow::setUpEquipmentModel() {}

void MainWindow::on_pushButtonNewRecord_clicked() {}

void MainWindow::on_pushButtonEdit_clicked() {}

void MainWindow::on_pushButtonDeleteRecord_clicked() {}
