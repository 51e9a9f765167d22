#ifndef INSERTEQUIP_H
#define INSERTEQUIP_H

#include <QDialog>

class QDataWidgetMapper;
class QSqlTableModel;
class QTableView;

namespace Ui {
class InsertEquip;
}

// The dialog in which a scanner's five fields are typed (NewRecord) or corrected
// (EditRecord). It edits a row of the list's own model through a widget mapper and
// writes it with one submitAll once the fields pass their checks.
class InsertEquip : public QDialog
{
    Q_OBJECT

public:
    enum Mode { NewRecord = 0, EditRecord = 1 };

    InsertEquip(QWidget *parent, QTableView *tableView, QSqlTableModel *model, Mode mode);
    ~InsertEquip() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void on_pushButtonAdd_clicked();
    void on_pushButtonCancel_clicked();

private:
    void initMode(Mode mode);
    bool checkFields();
    void discardChanges();
    bool saveChanges();
    void showSaveFailure();

    Ui::InsertEquip *ui;
    QSqlTableModel *model;
    QDataWidgetMapper *mapper;
    QTableView *tableView;
    Mode mode;
};

#endif // INSERTEQUIP_H
