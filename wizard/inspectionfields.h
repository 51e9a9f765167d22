#ifndef INSPECTIONFIELDS_H
#define INSPECTIONFIELDS_H

#include "core/inspection.h"

#include <QLocale>
#include <QStringList>
#include <QVector>
#include <functional>

class QObject;
class QWidget;

// The wizard's inputs by field: the one table that knows which widget holds which value
// of an inspection. A field is named after its widget: number boxes, combo boxes, check
// boxes, editable line, plain-text and rich-text edits and calendars that have an
// object name of their own; the parts of Qt's compound widgets (names starting "qt_")
// and the names given in `excluded` (settings, not inspection values) are not fields.
// The number boxes of the measuring fields start at their minimum, just below any
// value they take, and show no number there: at the minimum a box holds no value, and
// the inspection has none for it.
class InspectionFields
{
public:
    explicit InspectionFields(QWidget *root, const QStringList &excluded = windowChoices());
    // The window's own choices, not values of the inspection: the language, the
    // photograph shown, the transducer chosen on step 1 (kept as a record of its own).
    static QStringList windowChoices();

    Inspection read() const;
    // Sets every input that the inspection has a value for and empties every measuring
    // box it has none for; other inputs it lacks are left as they are. Combo boxes are
    // set first, so that a text that a choice enables or clears is set after it.
    // Returns the names of the values that could not be used (wrong type, out of
    // range, not a date), whose inputs are left as they were.
    QStringList write(const Inspection &inspection) const;

    // The widget of a field; null for none.
    QWidget *widget(const QString &field) const;
    // Shows the tab that holds a field's widget and gives it the focus.
    void reveal(const QString &field) const;
    // Enables the boxes of each mass target exactly when its depth is checked.
    void enableMassRows() const;
    // Calls `changed` whenever an input changes, until `context` is destroyed.
    void watch(QObject *context, const std::function<void()> &changed) const;
    // Gives each judged input the limits it is judged by as its tool tip, in the
    // language of `locale`, and again whenever the frequency changes.
    void showLimits(QObject *context, const QLocale &locale) const;

private:
    struct Input
    {
        QString field;
        QWidget *widget;
    };
    QVector<Input> inputs; // combo boxes first
};

#endif // INSPECTIONFIELDS_H
