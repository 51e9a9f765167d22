#include "wizard/decimalkeyfilter.h"

#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLineEdit>

DecimalKeyFilter::DecimalKeyFilter(QObject *parent)
    : QObject(parent)
{
}

void DecimalKeyFilter::watchAll(QWidget *root)
{
    const QList<QDoubleSpinBox *> boxes = root->findChildren<QDoubleSpinBox *>();
    for (QDoubleSpinBox *box : boxes)
        watch(box);
}

void DecimalKeyFilter::watch(QDoubleSpinBox *box)
{
    QLocale locale = box->locale();
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator |
                            QLocale::RejectGroupSeparator);
    box->setLocale(locale);
    // Keys reach the box, or its line edit when that has the focus.
    box->installEventFilter(this);
    if (QLineEdit *edit = box->findChild<QLineEdit *>())
        edit->installEventFilter(this);
}

bool DecimalKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->text() != QLatin1String(".") && key->text() != QLatin1String(","))
        return false;
    auto *box = qobject_cast<QDoubleSpinBox *>(watched);
    if (!box)
        box = qobject_cast<QDoubleSpinBox *>(watched->parent());
    if (!box)
        return false;
    const QString decimal = box->locale().decimalPoint();
    if (key->text() == decimal)
        return false;
    QKeyEvent replaced(QEvent::KeyPress,
                       decimal == QLatin1String(",") ? Qt::Key_Comma : Qt::Key_Period,
                       key->modifiers(), decimal, key->isAutoRepeat(), key->count());
    QCoreApplication::sendEvent(watched, &replaced);
    return true;
}
