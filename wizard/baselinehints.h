#ifndef BASELINEHINTS_H
#define BASELINEHINTS_H

#include "core/judgement.h"

#include <QHash>
#include <QObject>

class QLabel;
class QWidget;

// Beside each box judged against the transducer's baseline or a nominal value, a line
// with that value and the limits it gives. Lines are made for the first result that
// needs one, so a window judged by the original rules keeps its form as it is.
class BaselineHints : public QObject
{
    Q_OBJECT

public:
    explicit BaselineHints(QWidget *form);

    void show(const QVector<Result> &results);

private:
    QLabel *hintFor(const JudgedResult &judged);
    QWidget *anchorOf(const JudgedResult &judged) const;

    QWidget *form;
    QHash<const JudgedResult *, QLabel *> hints;
};

#endif // BASELINEHINTS_H
