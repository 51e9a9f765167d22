#ifndef REVIEWDIALOG_H
#define REVIEWDIALOG_H

#include "core/teamrole.h"
#include "history/reviewstore.h"
#include "history/storedinspection.h"

#include <QDialog>
#include <QVector>

namespace Ui {
class ReviewDialog;
}

// The reported inspections that wait for review, of every technician and scanner, the
// oldest first: scanner, transducer, date, technician and how many judged results
// failed. Report shows the chosen one's report; Approve asks the reviewer's name and
// approves it, then offers its report to be saved and signed; Return sends it back to
// its technician with a note. Who may not review sees the list and the reports only.
class ReviewDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ReviewDialog(QWidget *parent = nullptr);
    ~ReviewDialog() override;

    // Reads the list again; false, said in place of the list, when the store refuses.
    bool reload();
    // Shows or hides what `role` may not do.
    void setRole(TeamRole role);

    // Says why the store refused a review; true when it was done.
    static bool told(QWidget *parent, ReviewStore::Outcome outcome, const QString &technician);

signals:
    // The report of a listed inspection, as its values hold it, is asked for.
    void reportRequested(const StoredInspection &inspection);
    // An inspection was approved and its report is to be saved and signed.
    void signingRequested(const StoredInspection &inspection);
    // An inspection was approved or returned.
    void reviewed();

private slots:
    void on_pushButtonReport_clicked();
    void on_pushButtonApprove_clicked();
    void on_pushButtonReturn_clicked();
    void on_tableWidget_cellDoubleClicked(int row, int column);
    void updateButtons();

private:
    enum Column { ScannerColumn, TransducerColumn, DateColumn, TechnicianColumn, FailedColumn };
    void fill();
    int selectedRow() const;
    // The reviewer's name as last given, kept in zetu.ini.
    static QString lastReviewer();
    static void keepReviewer(const QString &name);

    Ui::ReviewDialog *ui;
    QString emptyText;
    QVector<StoredInspection> pending; // in the order of the rows
    QHash<qint64, ReviewStore::Review> reviews;
};

#endif // REVIEWDIALOG_H
