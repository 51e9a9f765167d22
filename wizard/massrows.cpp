// The depth check boxes of step 7: each switches its own mass row.

#include "wizard/inspectionfields.h"
#include "wizard/mainwindow.h"

// The height, width and area boxes of a row are enabled exactly when its check box is
// checked; their values stay as typed.
void MainWindow::updateMassRows()
{
    inputs().enableMassRows();
}

// The depth check boxes' own handlers, each connected to its box when the steps are
// built.
void MainWindow::on_checkBox2cm_clicked()
{
    updateMassRows();
}
void MainWindow::on_checkBox4cm_clicked()
{
    updateMassRows();
}
void MainWindow::on_checkBox6cm_clicked()
{
    updateMassRows();
}
void MainWindow::on_checkBox8cm_clicked()
{
    updateMassRows();
}
void MainWindow::on_checkBox2cm_1_clicked()
{
    updateMassRows();
}
void MainWindow::on_checkBox4cm_1_clicked()
{
    updateMassRows();
}
void MainWindow::on_checkBox6cm_1_clicked()
{
    updateMassRows();
}
void MainWindow::on_checkBox8cm_1_clicked()
{
    updateMassRows();
}
void MainWindow::on_checkBox2cm_3_clicked()
{
    updateMassRows();
}
void MainWindow::on_checkBox4cm_3_clicked()
{
    updateMassRows();
}
void MainWindow::on_checkBox6cm_3_clicked()
{
    updateMassRows();
}
void MainWindow::on_checkBox8cm_3_clicked()
{
    updateMassRows();
}
void MainWindow::on_checkBox2cm_4_clicked()
{
    updateMassRows();
}
void MainWindow::on_checkBox4cm_4_clicked()
{
    updateMassRows();
}
void MainWindow::on_checkBox6cm_4_clicked()
{
    updateMassRows();
}
void MainWindow::on_checkBox8cm_4_clicked()
{
    updateMassRows();
}
