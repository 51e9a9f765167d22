#ifndef MASSROWS_H
#define MASSROWS_H

#include "core/judgement.h"

#include <QVector>

class QCheckBox;
class QDoubleSpinBox;

namespace Ui {
class MainWindow;
}

// The sixteen mass rows of step 7: one depth check box and the height, width and area
// boxes that it switches on and off, in the order of the judgement's mass targets
// (anechoic 0.5 dB, anechoic 0.7 dB, hyperechoic 0.5 dB, hyperechoic 0.7 dB, each at
// 2, 4, 6 and 8 cm).
struct MassRowWidgets
{
    QCheckBox *depth;
    QDoubleSpinBox *height;
    QDoubleSpinBox *width;
    QDoubleSpinBox *area;
    MassType type;
};

QVector<MassRowWidgets> massRowWidgets(const Ui::MainWindow *ui);

#endif // MASSROWS_H
