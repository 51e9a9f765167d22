#include "wizard/stepstack.h"

namespace {

QSize framed(const QFrame *frame, const QSize &size)
{
    const int border = 2 * frame->frameWidth();
    return size + QSize(border, border);
}

} // namespace

QSize StepStack::sizeHint() const
{
    const QWidget *step = currentWidget();
    return step ? framed(this, step->sizeHint()) : QStackedWidget::sizeHint();
}

QSize StepStack::minimumSizeHint() const
{
    const QWidget *step = currentWidget();
    return step ? framed(this, step->minimumSizeHint()) : QStackedWidget::minimumSizeHint();
}
