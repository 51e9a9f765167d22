// The depth check boxes of step 7: each switches its own mass row.

#include "wizard/massrows.h"
#include "wizard/mainwindow.h"

#include <QCheckBox>
#include <QDoubleSpinBox>

// The height, width and area boxes of a row are enabled exactly when its check box is
// checked; their values stay as typed.
void MainWindow::updateMassRow(int row)
{
    if (row < 0 || row >= massRowCount)
        return;
    const MassRow &mass = massRows[row];
    const QCheckBox *checkBox = findChild<QCheckBox *>(QLatin1String(mass.checkBox));
    if (!checkBox)
        return;
    const bool measured = checkBox->isChecked();
    for (const char *name : {mass.height, mass.width, mass.area}) {
        if (QDoubleSpinBox *box = findChild<QDoubleSpinBox *>(QLatin1String(name)))
            box->setEnabled(measured);
    }
}

// Rows in the order of massRows.
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
