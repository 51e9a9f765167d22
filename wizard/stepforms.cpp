#include "wizard/stepforms.h"
#include "ui_mainwindow.h"

bool StepForms::setUpNext()
{
    switch (setUp) {
    case 0:
        physical.setupUi(window.page_3);
        break;
    case 1:
        uniformity.setupUi(window.page_4);
        break;
    case 2:
        deadZone.setupUi(window.page_2);
        break;
    case 3:
        vertical.setupUi(window.page_5);
        break;
    case 4:
        horizontal.setupUi(window.page_6);
        break;
    case 5:
        masses.setupUi(window.page);
        break;
    case 6:
        responsible.setupUi(window.page_7);
        // Each step's inputs come after those of the step before; the last step's lead
        // to the navigation buttons, and those to the note of step 2 (read-only, not one
        // of its inputs).
        QWidget::setTabOrder(responsible.calendarWidget, window.pushButtonNext);
        QWidget::setTabOrder(window.pushButtonNext, window.pushButtonPrevious);
        QWidget::setTabOrder(window.pushButtonPrevious, physical.textEdit_2);
        break;
    default:
        return false;
    }
    ++setUp;
    return true;
}
