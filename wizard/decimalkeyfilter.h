#ifndef DECIMALKEYFILTER_H
#define DECIMALKEYFILTER_H

#include <QObject>

class QDoubleSpinBox;
class QWidget;

// Makes "." and "," both type the decimal separator of a number box's locale. In
// Portuguese "." groups thousands, so "4.1" would otherwise be read as 41; many
// users type "." for decimals, from the numeric keypad or by habit. Pasted text
// that still holds a group separator is refused rather than read as a bigger
// number. Values keep being shown in the box's own format.
class DecimalKeyFilter : public QObject
{
    Q_OBJECT

public:
    explicit DecimalKeyFilter(QObject *parent = nullptr);

    // Watches every number box under root, present now.
    void watchAll(QWidget *root);
    void watch(QDoubleSpinBox *box);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

#endif // DECIMALKEYFILTER_H
