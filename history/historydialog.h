#ifndef HISTORYDIALOG_H
#define HISTORYDIALOG_H

#include "core/teamrole.h"
#include "core/transducer.h"
#include "history/reviewstore.h"
#include "history/storedinspection.h"
#include "history/tolerancestore.h"

#include <QDialog>
#include <QVector>

namespace Ui {
class HistoryDialog;
}

// The stored inspections of one scanner, all or those of one transducer, newest first by
// the inspection's date: the date, the transducer, when it was last changed, technician, state
// (with the signer of a signed report, its review and whether it is a baseline), how many of its
// judged results failed and the report's file. Open accepts the dialog with the chosen inspection;
// Report asks for the chosen one's report; Open PDF shows its saved file in the desktop's viewer;
// Delete removes one from zetu.db after a confirmation.
class HistoryDialog : public QDialog
{
    Q_OBJECT

public:
    HistoryDialog(const QVector<StoredInspection> &inspections, const QString &scannerId,
                  QWidget *parent = nullptr);
    ~HistoryDialog();

    // The inspection to open once the dialog is accepted.
    StoredInspection chosen() const;
    QVector<qint64> deletedIds() const { return deleted; }
    // Shows `text` in place of the list (zetu.db busy) until setInspections fills it.
    void showBusy(const QString &text);
    void setInspections(const QVector<StoredInspection> &inspections);
    // The scanner's transducers, retired ones included: the list can be narrowed to one.
    void setTransducers(const QVector<Transducer> &transducers);
    // The latest review of each inspection, by its key: shown in the state column, a
    // returned one's note in its tool tip.
    void setReviews(const QHash<qint64, ReviewStore::Review> &reviews);
    // Everything read again (another client changed it): the inspection selected stays
    // selected, and the list where it was scrolled to.
    void refresh(const QVector<StoredInspection> &inspections,
                 const QVector<Transducer> &transducers,
                 const QHash<qint64, ReviewStore::Review> &reviews);
    // Hides what `role` may not do: choosing a baseline.
    void setRole(TeamRole role);
    // What the list shows of an inspection's transducer: as it was inspected, as it was
    // typed in earlier versions, else as the registry names it now.
    static QString transducerText(const StoredInspection &inspection,
                                  const QVector<Transducer> &transducers, const QLocale &locale);
    // Asks where to save `inspections` as CSV, proposing `name` in the documents folder,
    // and writes them there; a file that cannot be written is said, with why.
    static void exportCsv(QWidget *parent, const QVector<StoredInspection> &inspections,
                          const QString &name);

signals:
    // The report of a stored inspection, as its values hold it, is asked for.
    void reportRequested(const StoredInspection &inspection);
    // Another inspection was made a transducer's baseline.
    void baselineChosen();

private slots:
    void on_pushButtonOpen_clicked();
    void on_pushButtonDelete_clicked();
    void on_pushButtonReport_clicked();
    void on_pushButtonExport_clicked();
    void on_pushButtonOpenPdf_clicked();
    void on_pushButtonBaseline_clicked();
    void on_tableWidget_cellDoubleClicked(int row, int column);
    void updateButtons();
    void applyFilter();

private:
    enum Column {
        DateColumn,
        TransducerColumn,
        ChangedColumn,
        TechnicianColumn,
        StateColumn,
        FailedColumn,
        PdfColumn
    };
    void fill();
    int selectedRow() const;
    static QString stateText(const StoredInspection &inspection);
    void readBaselines();
    QString baselineText(const StoredInspection &inspection) const;
    QString baselineReasons(const StoredInspection &inspection) const;
    QString stateTip(const StoredInspection &inspection) const;

    Ui::HistoryDialog *ui;
    QString emptyText;
    bool fitted = false; // the dialog's size was fitted to listed inspections
    QString scannerId;
    QVector<StoredInspection> all;         // newest first
    QVector<StoredInspection> inspections; // those shown, in the order of the rows
    QVector<Transducer> transducers;
    // each transducer's baselines, the one in force last
    QHash<qint64, QVector<ToleranceStore::BaselineEntry>> baselines;
    QHash<qint64, ReviewStore::Review> reviews;
    QVector<qint64> deleted;
    int chosenRow = -1;
};

#endif // HISTORYDIALOG_H
