#include "history/inspectionstore.h"
#include "registry/equipmentfields.h"
#include "registry/insertequip.h"
#include "registry/storeerror.h"
#include "ui_mainwindow.h"
#include "wizard/elidedtooltipdelegate.h"
#include "wizard/mainwindow.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QSqlError>
#include <QSqlRecord>
#include <QSqlTableModel>

namespace {

// Reads every row at once. A model that reads on demand keeps its read statement, and
// with it a lock on zetu.db, open while rows are left unread, and no other copy of
// the program could write meanwhile.
class EquipmentModel : public QSqlTableModel
{
public:
    using QSqlTableModel::QSqlTableModel;
    bool select() override
    {
        if (!QSqlTableModel::select())
            return false;
        while (canFetchMore())
            fetchMore();
        return true;
    }
};

} // namespace

void MainWindow::setUpEquipmentModel()
{
    model = new EquipmentModel(this);
    model->setEditStrategy(QSqlTableModel::OnFieldChange);
    ui->tableView->setModel(model);
    ui->tableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listBusy = new QLabel(tr("O arquivo zetu.db está ocupado por outro programa. A lista "
                             "aparece assim que ele for liberado."),
                          ui->tableView->viewport());
    listBusy->setAlignment(Qt::AlignCenter);
    listBusy->setWordWrap(true);
    refreshEquipmentList();

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

// Reads the registry; while zetu.db is busy the list says so instead. A table whose
// columns could not be read yet is looked up again first.
bool MainWindow::refreshEquipmentList()
{
    const DataBase::State registry = dataBase.prepareRegistry();
    if (registry == DataBase::Ready && model->record().isEmpty()) {
        model->setTable(QStringLiteral("usequip"));
        const QString headers[] = {tr("Instituição"), tr("Local"), tr("ID"), tr("Modelo"),
                                   tr("Fabricante")};
        for (int i = 0; i < EquipmentFields::record.size(); ++i)
            model->setHeaderData(model->fieldIndex(EquipmentFields::record[i]), Qt::Horizontal,
                                 headers[i]);
    }
    const bool read = registry == DataBase::Ready && model->select();
    listPending = !read && registry != DataBase::Unusable &&
                  (registry == DataBase::Busy || model->record().isEmpty() ||
                   isPassingStoreError(model->lastError()));
    listBusy->setVisible(listPending);
    if (read) {
        ui->tableView->setCurrentIndex(model->index(0, 0));
        ui->tableView->hideColumn(model->fieldIndex(EquipmentFields::key));
    }
    return !listPending;
}

// The record (Institution, Place, ID, Model, Manufacturer) shown on a row of the list.
QStringList MainWindow::equipmentRecordAt(int row) const
{
    QStringList record;
    for (const QString &field : EquipmentFields::record)
        record << model->data(model->index(row, model->fieldIndex(field))).toString();
    return record;
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
        const QVariant key = model->index(row, model->fieldIndex(EquipmentFields::key)).data();
        if (ui->tableView->isRowHidden(row) && !key.isNull())
            keys.insert(key.toLongLong());
    }
    return keys;
}

void MainWindow::showEquipmentRows(const QSet<qlonglong> &hiddenKeys)
{
    for (int row = 0; row < model->rowCount(); ++row) {
        const QVariant key = model->index(row, model->fieldIndex(EquipmentFields::key)).data();
        ui->tableView->setRowHidden(row, !key.isNull() && hiddenKeys.contains(key.toLongLong()));
    }
}

// An edited record is carried over to the scanner's stored inspections, which would
// otherwise no longer know it as theirs.
void MainWindow::runEquipmentDialog(InsertEquip::Mode mode)
{
    model->setEditStrategy(QSqlTableModel::OnManualSubmit);
    const QSet<qlonglong> hiddenKeys = hiddenEquipmentKeys();
    const int row = ui->tableView->currentIndex().row();
    const QVariant key = model->data(model->index(row, model->fieldIndex(EquipmentFields::key)));
    const QStringList before = equipmentRecordAt(row);
    InsertEquip dialog(this, ui->tableView, model, mode);
    dialog.exec();
    showEquipmentRows(hiddenKeys);
    const QStringList after = InspectionStore::equipmentRecord(key.toInt());
    if (mode != 1 || key.isNull() || after.isEmpty() || after == before)
        return;
    session.equipmentEdited(key.toInt(), before, after);
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

// A scanner with stored inspections is removed with them, in one transaction, after
// a question that names it and says how many.
void MainWindow::on_pushButtonDeleteRecord_clicked()
{
    QMessageBox box(this);
    box.setText(tr("Tem certeza que deseja remover o registro?"));
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    if (!ui->tableView->currentIndex().isValid())
        return;
    const int row = ui->tableView->selectionModel()->currentIndex().row();
    const int key = model->data(model->index(row, model->fieldIndex(EquipmentFields::key))).toInt();
    InspectionStore::Outcome outcome = InspectionStore::Done;
    const int kept = session.isReady() ? InspectionStore::forEquipment(key, &outcome).size() : 0;
    if (outcome == InspectionStore::Busy)
        return session.tellStoreBusy();
    const QStringList record = equipmentRecordAt(row);
    if (kept == 1)
        box.setText(tr("Tem certeza que deseja remover o registro de %1 (%2)? A inspeção "
                       "guardada deste equipamento também será apagada.")
                        .arg(record.value(2), record.value(0)));
    else if (kept > 1)
        box.setText(tr("Tem certeza que deseja remover o registro de %1 (%2)? As %3 inspeções "
                       "guardadas deste equipamento também serão apagadas.")
                        .arg(record.value(2), record.value(0))
                        .arg(kept));
    if (box.exec() != QMessageBox::Ok)
        return;
    const QSet<qlonglong> hiddenKeys = hiddenEquipmentKeys();
    if (kept == 0) {
        model->removeRow(row);
        model->submitAll();
    } else if ((outcome = InspectionStore::removeEquipment(key)) == InspectionStore::Busy) {
        session.tellStoreBusy();
    } else if (outcome == InspectionStore::Done) {
        session.equipmentDeleted(key);
    }
    model->select();
    showEquipmentRows(hiddenKeys);
}
