#include "ui_mainwindow.h"
#include "wizard/mainwindow.h"

void MainWindow::updateMassRow(int row)
{
    Q_UNUSED(row)
}

void MainWindow::on_checkBox2cm_clicked()
{
    updateMassRow(0);
}
void MainWindow::on_checkBox4cm_clicked()
{
    updateMassRow(1);
}
void MainWindow::on_checkBox6cm_clicked()
{
    updateMassRow(2);
}
void MainWindow::on_checkBox8cm_clicked()
{
    updateMassRow(3);
}
void MainWindow::on_checkBox2cm_1_clicked()
{
    updateMassRow(4);
}
void MainWindow::on_checkBox4cm_1_clicked()
{
    updateMassRow(5);
}
void MainWindow::on_checkBox6cm_1_clicked()
{
    updateMassRow(6);
}
void MainWindow::on_checkBox8cm_1_clicked()
{
    updateMassRow(7);
}
void MainWindow::on_checkBox2cm_3_clicked()
{
    updateMassRow(8);
}
void MainWindow::on_checkBox4cm_3_clicked()
{
    updateMassRow(9);
}
void MainWindow::on_checkBox6cm_3_clicked()
{
    updateMassRow(10);
}
void MainWindow::on_checkBox8cm_3_clicked()
{
    updateMassRow(11);
}
void MainWindow::on_checkBox2cm_4_clicked()
{
    updateMassRow(12);
}
void MainWindow::on_checkBox4cm_4_clicked()
{
    updateMassRow(13);
}
void MainWindow::on_checkBox6cm_4_clicked()
{
    updateMassRow(14);
}
void MainWindow::on_checkBox8cm_4_clicked()
{
    updateMassRow(15);
}
