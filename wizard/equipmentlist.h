#ifndef EQUIPMENTLIST_H
#define EQUIPMENTLIST_H

#include "registry/insertequip.h"

#include <QObject>
#include <QSet>
#include <QStringList>

class DataBase;
class EquipmentModel;
class QLabel;
class QSqlTableModel;
class QTableView;

// The list of scanners on step 1: the table model of `usequip` behind the view it is
// given, the notice over the list while zetu.db is busy, the columns fitted to the
// list's width, and the dialogs that add, correct and remove a scanner. Rows hidden in
// the view stay hidden, by record key, across every re-read of the table.
class EquipmentList : public QObject
{
    Q_OBJECT

public:
    // `window` parents the dialogs and message boxes; the list reads the registry at once.
    EquipmentList(DataBase &dataBase, QTableView *view, QWidget *window);

    QSqlTableModel *model() const;
    // The line above the list that says how many transducers are overdue, as a link
    // that sorts the list by due date.
    void setOverdueLabel(QLabel *label);
    // Reads the due dates again (after a report, a change of transducers).
    void refreshDue();
    // The column of each scanner's next inspection, after the table's own.
    int dueColumn() const;
    void sortByDue();
    // Re-reads the list; false, with the list saying so, while zetu.db is busy.
    bool refresh();
    // Re-reads the list after another client's change, the same scanner staying selected.
    void reread();
    // The list could not be read yet: zetu.db was busy at the last refresh.
    bool pending() const { return listPending; }
    // The record (Institution, Place, ID, Model, Manufacturer) shown on a row.
    QStringList recordAt(int row) const;
    QStringList currentRecord() const;
    // The key of the selected scanner, -1 with none.
    int selectedKey() const;
    // Makes the scanner with `key` current; false when the list has none.
    bool select(int key);

    // The dialogs. A corrected record is announced, for the stored inspections to
    // follow; `inspectionsKept`: zetu.db keeps inspections, which go with a removed
    // scanner.
    void addRecord();
    void editCurrent();
    void removeCurrent(bool inspectionsKept);

signals:
    // A scanner's record was corrected from `before` to `after`.
    void recordChanged(int key, const QStringList &before, const QStringList &after);
    // A scanner was removed together with its stored inspections.
    void removedWithInspections(int key);
    // zetu.db refused the removal or its count of inspections: busy.
    void storeBusy();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitColumns();
    int keyColumn() const;
    QVariant keyAt(int row) const;
    QSet<qlonglong> hiddenKeys() const;
    void showRows(const QSet<qlonglong> &hidden);
    void runDialog(InsertEquip::Mode mode);
    void showOverdue();

    DataBase &dataBase;
    QTableView *view;
    QWidget *window;
    EquipmentModel *records;
    QLabel *busy;
    QLabel *overdueLabel = nullptr;
    bool listPending = false;
};

#endif // EQUIPMENTLIST_H
