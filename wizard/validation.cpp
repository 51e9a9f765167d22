#include "ui_mainwindow.h"
#include "wizard/mainwindow.h"

#include <QDoubleSpinBox>

bool spinBoxesFilled(QDoubleSpinBox *a, QDoubleSpinBox *b, QDoubleSpinBox *c)
{
    for (QDoubleSpinBox *box : {a, b, c}) {
        if (box->value() == 0)
            box->selectAll();
    }
    return a->value() != 0 && b->value() != 0 && c->value() != 0;
}

// Until the step rules are in place every step may be left.
bool MainWindow::validateStep(int index)
{
    Q_UNUSED(index)
    return true;
}
