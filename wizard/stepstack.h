#ifndef STEPSTACK_H
#define STEPSTACK_H

#include <QStackedWidget>

// The wizard's steps, one shown at a time: sized by the step shown only. A stacked
// widget measures every page for its size hints, which at the window's first show
// meant laying out the text of all eight steps; a step is now measured when it is
// shown. It takes all the room the window leaves it, as it did when it was measured
// whole.
class StepStack : public QStackedWidget
{
    Q_OBJECT

public:
    using QStackedWidget::QStackedWidget;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

#endif // STEPSTACK_H
