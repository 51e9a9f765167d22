#include "wizard/equipmentlist.h"

#include "core/logging.h"
#include "history/inspectionstore.h"
#include "history/transducerstore.h"
#include "registry/database.h"
#include "registry/equipmentfields.h"
#include "registry/storeerror.h"
#include "wizard/elidedtooltipdelegate.h"

#include <QColor>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTableView>

// Reads every row at once. A model that reads on demand keeps its read statement, and
// with it a lock on zetu.db, open while rows are left unread, and no other copy of
// the program could write meanwhile. After the table's columns comes one of its own:
// each scanner's next inspection, the earliest next date of its transducers in use,
// which the list can also be sorted by.
class EquipmentModel : public QSqlTableModel
{
public:
    using QSqlTableModel::QSqlTableModel;

    int dueColumn() const { return QSqlTableModel::columnCount(); }
    bool select() override
    {
        readDue(false); // read with the rows, shown when the rows are
        if (!QSqlTableModel::select())
            return false;
        while (canFetchMore())
            fetchMore();
        return true;
    }
    // Reads the due dates again; false, with none shown, when zetu.db does not give them.
    bool readDue(bool announce = true)
    {
        InspectionStore::Outcome outcome;
        today = QDate::currentDate(); // asked once: each call reads the time zone anew
        due = TransducerStore::dueByScanner(today, &outcome);
        overdue = 0;
        for (const TransducerStore::ScannerDue &scanner : qAsConst(due))
            overdue += scanner.overdue;
        if (announce && rowCount() > 0)
            emit dataChanged(index(0, dueColumn()), index(rowCount() - 1, dueColumn()));
        return outcome == InspectionStore::Done;
    }
    int overdueCount() const { return overdue; }

    int columnCount(const QModelIndex &parent = QModelIndex()) const override
    {
        const int columns = QSqlTableModel::columnCount(parent);
        return columns > 0 && !parent.isValid() ? columns + 1 : columns;
    }
    QVariant data(const QModelIndex &item, int role = Qt::DisplayRole) const override
    {
        if (item.column() != dueColumn())
            return QSqlTableModel::data(item, role);
        const QVariant key =
            QSqlTableModel::data(index(item.row(), fieldIndex(QStringLiteral("ID_key"))));
        const auto found = due.constFind(key.toInt());
        if (key.isNull() || found == due.constEnd() || !found->due)
            return QVariant();
        const Due::State state = Due::state(found->next, today);
        switch (role) {
        case Qt::DisplayRole:
            return Due::describe(found->next, state);
        case Qt::ForegroundRole:
            return state == Due::Overdue ? QColor(0xc0, 0x00, 0x00)
                   : state == Due::Soon  ? QColor(0x9a, 0x5b, 0x00)
                                         : QVariant();
        default:
            return QVariant();
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override
    {
        if (orientation == Qt::Horizontal && section == dueColumn())
            return role == Qt::DisplayRole ? EquipmentList::tr("Próxima inspeção") : QVariant();
        return QSqlTableModel::headerData(section, orientation, role);
    }
    Qt::ItemFlags flags(const QModelIndex &item) const override
    {
        if (item.column() == dueColumn())
            return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        return QSqlTableModel::flags(item);
    }
    void sort(int column, Qt::SortOrder order) override
    {
        dueOrder = column == dueColumn();
        dueDescending = order == Qt::DescendingOrder;
        if (dueOrder)
            select();
        else
            QSqlTableModel::sort(column, order);
    }

protected:
    QString orderByClause() const override
    {
        if (!dueOrder || due.isEmpty()) // without transducers the column is not there to order by
            return QSqlTableModel::orderByClause();
        return QStringLiteral("ORDER BY ") + TransducerStore::nextDateOrder() +
               (dueDescending ? QStringLiteral(" DESC") : QStringLiteral(" ASC")) +
               QStringLiteral(", ID_key");
    }

private:
    QHash<int, TransducerStore::ScannerDue> due;
    QDate today;
    int overdue = 0;
    bool dueOrder = false;
    bool dueDescending = false;
};

EquipmentList::EquipmentList(DataBase &dataBase, QTableView *view, QWidget *window)
    : QObject(window)
    , dataBase(dataBase)
    , view(view)
    , window(window)
    // a server's connection is opened once the server answers, never by the model
    , records(dataBase.onServer() ? new EquipmentModel(this, dataBase.connection())
                                  : new EquipmentModel(this))
{
    records->setEditStrategy(QSqlTableModel::OnFieldChange);
    view->setModel(records);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    busy = new QLabel(dataBase.onServer()
                          ? tr("O servidor da equipe não responde. A lista aparece assim que "
                               "ele voltar.")
                          : tr("O arquivo zetu.db está ocupado por outro programa. A lista "
                               "aparece assim que ele for liberado."),
                      view->viewport());
    busy->setAlignment(Qt::AlignCenter);
    busy->setWordWrap(true);
    refresh();

    // Columns take the width of their contents as far as the list's width allows;
    // what still does not fit is elided and shown whole in a tool tip.
    view->setItemDelegate(new ElidedToolTipDelegate(view));
    view->setTextElideMode(Qt::ElideRight);
    // Scrolled by pixels: by columns, the hidden key column counts as one that does not
    // fit, and a list whose columns fill it exactly would show a scroll bar.
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->viewport()->installEventFilter(this);
    const auto fit = [this] { fitColumns(); };
    connect(records, &QAbstractItemModel::modelReset, this, fit);
    connect(records, &QAbstractItemModel::layoutChanged, this, fit);
    connect(records, &QAbstractItemModel::rowsInserted, this, fit);
    connect(records, &QAbstractItemModel::dataChanged, this, fit);
}

QSqlTableModel *EquipmentList::model() const
{
    return records;
}

void EquipmentList::setOverdueLabel(QLabel *label)
{
    overdueLabel = label;
    connect(label, &QLabel::linkActivated, this, &EquipmentList::sortByDue);
    showOverdue();
    connect(records, &QAbstractItemModel::dataChanged, this, &EquipmentList::showOverdue);
    connect(records, &QAbstractItemModel::modelReset, this, &EquipmentList::showOverdue);
}

void EquipmentList::refreshDue()
{
    records->readDue();
}

int EquipmentList::dueColumn() const
{
    return records->dueColumn();
}

void EquipmentList::sortByDue()
{
    view->sortByColumn(records->dueColumn(), Qt::AscendingOrder);
}

void EquipmentList::showOverdue()
{
    if (!overdueLabel)
        return;
    const int overdue = records->overdueCount();
    overdueLabel->setVisible(overdue > 0);
    overdueLabel->setText(
        QStringLiteral("<a href=\"due\">%1</a>")
            .arg(tr("%n transdutores com inspeção vencida", nullptr, overdue).toHtmlEscaped()));
    overdueLabel->setToolTip(tr("Mostra primeiro os equipamentos com inspeção vencida"));
}

bool EquipmentList::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched == view->viewport()) {
        fitColumns();
        busy->resize(view->viewport()->size());
    }
    return QObject::eventFilter(watched, event);
}

// Reads the registry; while zetu.db is busy the list says so instead. A table whose
// columns could not be read yet is looked up again first.
bool EquipmentList::refresh()
{
    const DataBase::State registry = dataBase.prepareRegistry();
    if (registry == DataBase::Ready && records->record().isEmpty()) {
        records->setTable(QStringLiteral("usequip"));
        const QString headers[] = {tr("Instituição"), tr("Local"), tr("ID"), tr("Modelo"),
                                   tr("Fabricante")};
        for (int i = 0; i < EquipmentFields::record.size(); ++i)
            records->setHeaderData(records->fieldIndex(EquipmentFields::record[i]), Qt::Horizontal,
                                   headers[i]);
    }
    const bool read = registry == DataBase::Ready && records->select();
    if (registry == DataBase::Ready && !read)
        qCWarning(zetuStore) << "cannot read the list of scanners:" << records->lastError().text();
    listPending = !read && registry != DataBase::Unusable &&
                  (registry == DataBase::Busy || records->record().isEmpty() ||
                   isPassingStoreError(records->lastError()));
    busy->setVisible(listPending);
    if (read) {
        view->setCurrentIndex(records->index(0, 0));
        view->hideColumn(keyColumn());
    }
    return !listPending;
}

// Read again because the store changed: the rows on screen stay while it does not answer
// (a server out of reach); they are read once it is back.
void EquipmentList::reread()
{
    if (records->rowCount() > 0 && !QSqlQuery(records->database()).exec(QStringLiteral("SELECT 1")))
        return;
    const int key = selectedKey();
    if (refresh() && key >= 0)
        select(key);
}

int EquipmentList::keyColumn() const
{
    return records->fieldIndex(EquipmentFields::key);
}

QVariant EquipmentList::keyAt(int row) const
{
    return records->data(records->index(row, keyColumn()));
}

QStringList EquipmentList::recordAt(int row) const
{
    QStringList record;
    for (const QString &field : EquipmentFields::record)
        record << records->data(records->index(row, records->fieldIndex(field))).toString();
    return record;
}

QStringList EquipmentList::currentRecord() const
{
    return recordAt(view->currentIndex().row());
}

int EquipmentList::selectedKey() const
{
    const QModelIndex current = view->selectionModel()->currentIndex();
    if (!current.isValid() || !view->selectionModel()->hasSelection())
        return -1;
    return keyAt(current.row()).toInt();
}

bool EquipmentList::select(int key)
{
    for (int row = 0; row < records->rowCount(); ++row) {
        if (keyAt(row).toInt() == key) {
            view->setCurrentIndex(records->index(row, 1));
            return true;
        }
    }
    return false;
}

// Columns narrower than an equal share of the width keep their contents' width; the
// others share what is left equally.
void EquipmentList::fitColumns()
{
    QHeaderView *header = view->horizontalHeader();
    QList<int> columns;
    QHash<int, int> wanted;
    for (int column = 0; column < records->columnCount(); ++column) {
        if (view->isColumnHidden(column))
            continue;
        columns << column;
        wanted[column] = qMax(static_cast<QAbstractItemView *>(view)->sizeHintForColumn(column),
                              header->sectionSizeHint(column));
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
QSet<qlonglong> EquipmentList::hiddenKeys() const
{
    QSet<qlonglong> keys;
    for (int row = 0; row < records->rowCount(); ++row) {
        const QVariant key = keyAt(row);
        if (view->isRowHidden(row) && !key.isNull())
            keys.insert(key.toLongLong());
    }
    return keys;
}

void EquipmentList::showRows(const QSet<qlonglong> &hidden)
{
    for (int row = 0; row < records->rowCount(); ++row) {
        const QVariant key = keyAt(row);
        view->setRowHidden(row, !key.isNull() && hidden.contains(key.toLongLong()));
    }
}

// An edited record is announced, so that the scanner's stored inspections can follow
// it and still be known as theirs.
void EquipmentList::runDialog(InsertEquip::Mode mode)
{
    records->setEditStrategy(QSqlTableModel::OnManualSubmit);
    const QSet<qlonglong> hidden = hiddenKeys();
    const int row = view->currentIndex().row();
    const QVariant key = keyAt(row);
    const QStringList before = recordAt(row);
    InsertEquip dialog(window, view, records, mode);
    dialog.exec();
    showRows(hidden);
    const QStringList after = InspectionStore::equipmentRecord(key.toInt());
    if (mode != InsertEquip::EditRecord || key.isNull() || after.isEmpty() || after == before)
        return;
    emit recordChanged(key.toInt(), before, after);
}

void EquipmentList::addRecord()
{
    runDialog(InsertEquip::NewRecord);
}

void EquipmentList::editCurrent()
{
    // With no scanner chosen there is nothing to correct, as there is nothing to
    // delete: fields opened on no row would drop whatever is typed into them.
    if (!view->currentIndex().isValid())
        return;
    runDialog(InsertEquip::EditRecord);
}

// A scanner with stored inspections is removed with them, in one transaction, after
// a question that names it and says how many.
void EquipmentList::removeCurrent(bool inspectionsKept)
{
    QMessageBox box(window);
    box.setText(tr("Tem certeza que deseja remover o registro?"));
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    if (!view->currentIndex().isValid())
        return;
    const int row = view->selectionModel()->currentIndex().row();
    const int key = keyAt(row).toInt();
    InspectionStore::Outcome outcome = InspectionStore::Done;
    const int kept = inspectionsKept ? InspectionStore::forEquipment(key, &outcome).size() : 0;
    if (outcome == InspectionStore::Busy) {
        emit storeBusy();
        return;
    }
    const QStringList record = recordAt(row);
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
    const QSet<qlonglong> hidden = hiddenKeys();
    if (!inspectionsKept) {
        const bool removed = records->removeRow(row);
        if (!records->submitAll() || !removed)
            qCWarning(zetuStore) << "cannot remove scanner" << key << records->lastError().text();
    } else if ((outcome = InspectionStore::removeEquipment(key)) == InspectionStore::Busy) {
        emit storeBusy();
    } else if (outcome == InspectionStore::Done) {
        emit removedWithInspections(key);
    }
    if (!records->select())
        qCWarning(zetuStore) << "cannot read the list of scanners:" << records->lastError().text();
    showRows(hidden);
}
