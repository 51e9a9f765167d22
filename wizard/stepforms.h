#ifndef STEPFORMS_H
#define STEPFORMS_H

#include "ui_stepdeadzone.h"
#include "ui_stephorizontal.h"
#include "ui_stepmasses.h"
#include "ui_stepphysical.h"
#include "ui_stepresponsible.h"
#include "ui_stepuniformity.h"
#include "ui_stepvertical.h"

namespace Ui {
class MainWindow;
}

// The forms of steps 2 to 8, each set up on the empty page that the window's form holds
// for it, one at a time and in the order of the steps. Their widgets keep the object
// names they have always had, and Tab runs through each step's inputs to the navigation
// buttons as through one form.
class StepForms
{
public:
    explicit StepForms(Ui::MainWindow &window)
        : window(window)
    {
    }

    // Sets up the next form; false when all of them are.
    bool setUpNext();

    Ui::MainWindowPhysical physical;       // step 2
    Ui::MainWindowUniformity uniformity;   // step 3
    Ui::MainWindowDeadZone deadZone;       // step 4
    Ui::MainWindowVertical vertical;       // step 5
    Ui::MainWindowHorizontal horizontal;   // step 6
    Ui::MainWindowMasses masses;           // step 7
    Ui::MainWindowResponsible responsible; // step 8

private:
    Ui::MainWindow &window;
    int setUp = 0; // forms set up so far
};

#endif // STEPFORMS_H
