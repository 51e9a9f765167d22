#include "registry/insertequip.h"
#include "ui_mainwindow.h"
#include "wizard/elidedtooltipdelegate.h"
#include "wizard/mainwindow.h"

#include <QEvent>
#include <QHeaderView>
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

    // Columns take the width of their contents as far as the list's width allows;
    // what still does not fit is elided and shown whole in a tool tip.
    ui->tableView->setItemDelegate(new ElidedToolTipDelegate(ui->tableView));
    ui->tableView->setTextElideMode(Qt::ElideRight);
    ui->tableView->viewport()->installEventFilter(this);
    const auto fit = [this] { fitEquipmentColumns(); };
    connect(model, &QAbstractItemModel::modelReset, this, fit);
    connect(model, &QAbstractItemModel::layoutChanged, this, fit);
    connect(model, &QAbstractItemModel::rowsInserted, this, fit);
    connect(model, &QAbstractItemModel::dataChanged, this, fit);
}

// Columns narrower than an equal share of the width keep their contents' width; the
// others share what is left equally.
void MainWindow::fitEquipmentColumns()
{
    QAbstractItemView *view = ui->tableView;
    QHeaderView *header = ui->tableView->horizontalHeader();
    QList<int> columns;
    QHash<int, int> wanted;
    for (int column = 0; column < model->columnCount(); ++column) {
        if (ui->tableView->isColumnHidden(column))
            continue;
        columns << column;
        wanted[column] = qMax(view->sizeHintForColumn(column), header->sectionSizeHint(column));
    }
    QHash<int, int> width;
    int left = view->viewport()->width();
    for (bool settled = true; settled && width.size() < columns.size();) {
        settled = false;
        const int share = left / (columns.size() - width.size());
        for (int column : columns) {
            if (!width.contains(column) && wanted[column] <= share) {
                width[column] = wanted[column];
                left -= wanted[column];
                settled = true;
            }
        }
    }
    if (width.size() < columns.size()) {
        const int share = left / (columns.size() - width.size());
        for (int column : columns) {
            if (!width.contains(column))
                width[column] = share;
        }
    }
    for (int column : columns)
        header->resizeSection(column, width[column]);
}

// Rows hidden in the list are remembered by record key: a re-read of the table
// (after a write by this program or by another copy on the same file) can put any
// record on any row.
QSet<qlonglong> MainWindow::hiddenEquipmentKeys() const
{
    QSet<qlonglong> keys;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QVariant key = model->index(row, 0).data();
        if (ui->tableView->isRowHidden(row) && !key.isNull())
            keys.insert(key.toLongLong());
    }
    return keys;
}

void MainWindow::showEquipmentRows(const QSet<qlonglong> &hiddenKeys)
{
    for (int row = 0; row < model->rowCount(); ++row) {
        const QVariant key = model->index(row, 0).data();
        ui->tableView->setRowHidden(row, !key.isNull() && hiddenKeys.contains(key.toLongLong()));
    }
}

void MainWindow::runEquipmentDialog(InsertEquip::Mode mode)
{
    model->setEditStrategy(QSqlTableModel::OnManualSubmit);
    const QSet<qlonglong> hiddenKeys = hiddenEquipmentKeys();
    InsertEquip dialog(this, ui->tableView, model, mode);
    dialog.exec();
    showEquipmentRows(hiddenKeys);
}

void MainWindow::on_pushButtonNewRecord_clicked()
{
    runEquipmentDialog(InsertEquip::NewRecord);
}

void MainWindow::on_pushButtonEdit_clicked()
{
    // With no scanner chosen there is nothing to correct, as there is nothing to
    // delete: fields opened on no row would drop whatever is typed into them.
    if (!ui->tableView->currentIndex().isValid())
        return;
    runEquipmentDialog(InsertEquip::EditRecord);
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
    const QSet<qlonglong> hiddenKeys = hiddenEquipmentKeys();
    model->removeRow(ui->tableView->selectionModel()->currentIndex().row());
    model->submitAll();
    model->select();
    showEquipmentRows(hiddenKeys);
}
