#ifndef CHANGEREASONDIALOG_H
#define CHANGEREASONDIALOG_H

#include "history/tolerancestore.h"

#include <QDialog>

namespace Ui {
class ChangeReasonDialog;
}

// Asks who makes a change of the tolerances or baselines and why, before it is kept:
// both must be given. `what` says the change in one sentence.
class ChangeReasonDialog : public QDialog
{
    Q_OBJECT

public:
    ChangeReasonDialog(const QString &what, const QString &name, QWidget *parent = nullptr);
    ~ChangeReasonDialog() override;

    ToleranceStore::Signed signedBy() const;
    // Another change than the tolerances': the window's title, the reason's label and
    // its example.
    void setWording(const QString &title, const QString &why, const QString &example);

private slots:
    void updateButtons();

private:
    Ui::ChangeReasonDialog *ui;
};

#endif // CHANGEREASONDIALOG_H
