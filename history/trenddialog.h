#ifndef TRENDDIALOG_H
#define TRENDDIALOG_H

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

// The results of one scanner's inspections over time: one result at a time, at both
// attenuations, against the pass limits in force at each inspection, failures marked
// with red crosses.
class TrendDialog : public QDialog
{
    Q_OBJECT

public:
    TrendDialog(const QVector<StoredInspection> &inspections, const QString &scannerId,
                QWidget *parent = nullptr);
    ~TrendDialog() override;

private slots:
    void on_comboBoxResult_currentIndexChanged(int index);
    void on_checkBoxDrafts_toggled(bool checked);

private:
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
    TrendData data;
    QVector<qreal> dates; // the inspections on the chart, as times of the axis
    qreal labelledWidth = -1;
};

#endif // TRENDDIALOG_H
