#include "history/trenddialog.h"

TrendDialog::TrendDialog(const QVector<StoredInspection> &, const QString &, QWidget *parent)
    : QDialog(parent)
{
}
