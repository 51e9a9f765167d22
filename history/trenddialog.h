#ifndef TRENDDIALOG_H
#define TRENDDIALOG_H

#include "history/storedinspection.h"

#include <QDialog>
#include <QVector>

// The trend of one scanner's results over its stored inspections.
class TrendDialog : public QDialog
{
    Q_OBJECT

public:
    TrendDialog(const QVector<StoredInspection> &inspections, const QString &scannerId,
                QWidget *parent = nullptr);
};

#endif // TRENDDIALOG_H
