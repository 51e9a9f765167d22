#ifndef TRENDDIALOG_H
#define TRENDDIALOG_H

#include "core/transducer.h"
#include "history/storedinspection.h"
#include "history/trend.h"

#include <QDialog>
#include <QVector>

namespace QtCharts {
class QChart;
}

namespace Ui {
class TrendDialog;
}

// The results of one transducer's inspections over time: one result at a time, at both
// attenuations, against the pass limits in force at each inspection, failures marked
// with red crosses.
class TrendDialog : public QDialog
{
    Q_OBJECT

public:
    // One transducer at a time, `shown` first (when it has inspections); inspections
    // placed under no transducer make an entry of their own.
    TrendDialog(const QVector<StoredInspection> &inspections, const QString &scannerId,
                const QVector<Transducer> &transducers, qint64 shown = -1,
                QWidget *parent = nullptr);
    // The scanner's inspections read again; the transducer shown stays, while it has
    // inspections.
    void setInspections(const QVector<StoredInspection> &inspections,
                        const QVector<Transducer> &transducers);
    // The inspections of the transducer chosen.
    QVector<StoredInspection> shownInspections() const;
    ~TrendDialog() override;

private slots:
    void on_comboBoxResult_currentIndexChanged(int index);
    void on_checkBoxDrafts_toggled(bool checked);
    void on_comboBoxTransducer_currentIndexChanged(int index);

private:
    void fillTransducers(const QVector<StoredInspection> &inspections,
                         const QVector<Transducer> &transducers, qint64 shown);
    void showResult();
    void showMessage(const QString &text);
    QString tooFewText() const;
    QtCharts::QChart *buildChart(TrendResult result);
    QString resultNote(TrendResult result) const;
    QString describe(const TrendPoint &point) const;
    void fitDateLabels();

    Ui::TrendDialog *ui;
    QVector<StoredInspection> inspections;
    QString scannerId;
    QString subject; // the scanner and transducer, as the messages name them
    TrendData data;
    QVector<qreal> dates; // the inspections on the chart, as times of the axis
    qreal labelledWidth = -1;
};

#endif // TRENDDIALOG_H
