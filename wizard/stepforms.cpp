#include "wizard/stepforms.h"
#include "ui_mainwindow.h"

StepForms::StepForms(Ui::MainWindow &window)
{
    physical.setupUi(window.page_3);
    uniformity.setupUi(window.page_4);
    deadZone.setupUi(window.page_2);
    vertical.setupUi(window.page_5);
    horizontal.setupUi(window.page_6);
    masses.setupUi(window.page);
    responsible.setupUi(window.page_7);
    // Each step's inputs come after those of the step before; the last step's lead to
    // the navigation buttons, and those to the note of step 2 (read-only, not one of
    // its inputs).
    QWidget::setTabOrder(responsible.calendarWidget, window.pushButtonNext);
    QWidget::setTabOrder(window.pushButtonNext, window.pushButtonPrevious);
    QWidget::setTabOrder(window.pushButtonPrevious, physical.textEdit_2);
}
