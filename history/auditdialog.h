#ifndef AUDITDIALOG_H
#define AUDITDIALOG_H

#include <QDialog>

class QStandardItemModel;

namespace Ui {
class AuditDialog;
}

// The audit trail of the tolerances, newest first: when, who, what and why for every
// baseline chosen, set added or changed and set chosen for a scanner. Read only; the
// columns sort; the selected rows copy as text, one line each, tab between columns.
class AuditDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AuditDialog(QWidget *parent = nullptr);
    ~AuditDialog() override;

    // The selected rows in the order shown, as they are copied.
    QString selectedText() const;

private slots:
    void on_pushButtonCopy_clicked();
    void updateButtons();

private:
    enum Column { WhenColumn, WhoColumn, WhatColumn, WhyColumn, ColumnCount };

    Ui::AuditDialog *ui;
    QStandardItemModel *model;
};

#endif // AUDITDIALOG_H
