#include "registry/insertequip.h"
#include "ui_mainwindow.h"
#include "wizard/mainwindow.h"

#include <QMessageBox>
#include <QSqlTableModel>

void MainWindow::setUpEquipmentModel()
{
    model = new QSqlTableModel(this);
    model->setTable(QStringLiteral("usequip"));
    model->setEditStrategy(QSqlTableModel::OnFieldChange);
    model->select();
    model->setHeaderData(1, Qt::Horizontal, tr("Instituição"));
    model->setHeaderData(2, Qt::Horizontal, tr("Local"));
    model->setHeaderData(3, Qt::Horizontal, tr("ID"));
    model->setHeaderData(4, Qt::Horizontal, tr("Modelo"));
    model->setHeaderData(5, Qt::Horizontal, tr("Fabricante"));
    ui->tableView->setModel(model);
    ui->tableView->setCurrentIndex(model->index(0, 0));
    ui->tableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->tableView->hideColumn(0);
}

void MainWindow::on_pushButtonNewRecord_clicked()
{
    model->setEditStrategy(QSqlTableModel::OnManualSubmit);
    InsertEquip dialog(this, ui->tableView, model, 0);
    dialog.exec();
}

void MainWindow::on_pushButtonEdit_clicked()
{
    // With no scanner chosen there is nothing to correct, as there is nothing to
    // delete: fields opened on no row would drop whatever is typed into them.
    if (!ui->tableView->currentIndex().isValid())
        return;
    model->setEditStrategy(QSqlTableModel::OnManualSubmit);
    InsertEquip dialog(this, ui->tableView, model, 1);
    dialog.exec();
}

void MainWindow::on_pushButtonDeleteRecord_clicked()
{
    QMessageBox box(this);
    box.setText(tr("Tem certeza que deseja remover o registro?"));
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    if (!ui->tableView->currentIndex().isValid())
        return;
    if (box.exec() != QMessageBox::Ok)
        return;
    model->removeRow(ui->tableView->selectionModel()->currentIndex().row());
    model->submitAll();
    model->select();
}
