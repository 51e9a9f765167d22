// The depth check boxes of step 7: each switches its own mass row.

#include "wizard/massrows.h"
#include "ui_mainwindow.h"
#include "wizard/mainwindow.h"

QVector<MassRowWidgets> massRowWidgets(const Ui::MainWindow *ui)
{
    const MassType a = MassType::Anechoic, h = MassType::Hyperechoic;
    return {
        {ui->checkBox2cm, ui->s5AA2, ui->s5AL2, ui->s5AAr2, a},
        {ui->checkBox4cm, ui->s5AA4, ui->s5AL4, ui->s5AAr4, a},
        {ui->checkBox6cm, ui->s5AA6, ui->s5AL6, ui->s5AAr6, a},
        {ui->checkBox8cm, ui->s5AA8, ui->s5AL8, ui->s5AAr8, a},
        {ui->checkBox2cm_1, ui->s7AA2, ui->s7AL2, ui->s7AAr2, a},
        {ui->checkBox4cm_1, ui->s7AA4, ui->s7AL4, ui->s7AAr4, a},
        {ui->checkBox6cm_1, ui->s7AA6, ui->s7AL6, ui->s7AAr6, a},
        {ui->checkBox8cm_1, ui->s7AA8, ui->s7AL8, ui->s7AAr8, a},
        {ui->checkBox2cm_3, ui->s5HA2, ui->s5HL2, ui->s5HAr2, h},
        {ui->checkBox4cm_3, ui->s5HA4, ui->s5HL4, ui->s5HAr4, h},
        {ui->checkBox6cm_3, ui->s5HA6, ui->s5HL6, ui->s5HAr6, h},
        {ui->checkBox8cm_3, ui->s5HA8, ui->s5HL8, ui->s5HAr8, h},
        {ui->checkBox2cm_4, ui->s7HA2, ui->s7HL2, ui->s7HAr2, h},
        {ui->checkBox4cm_4, ui->s7HA4, ui->s7HL4, ui->s7HAr4, h},
        {ui->checkBox6cm_4, ui->s7HA6, ui->s7HL6, ui->s7HAr6, h},
        {ui->checkBox8cm_4, ui->s7HA8, ui->s7HL8, ui->s7HAr8, h},
    };
}

// The height, width and area boxes of a row are enabled exactly when its check box is
// checked; their values stay as typed.
void MainWindow::updateMassRows()
{
    for (const MassRowWidgets &row : massRowWidgets(ui)) {
        for (QDoubleSpinBox *box : {row.height, row.width, row.area})
            box->setEnabled(row.depth->isChecked());
    }
}

// The depth check boxes' own slots, bound by name; a test fails when one of them no
// longer finds its box.
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
