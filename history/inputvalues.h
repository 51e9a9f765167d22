#ifndef INPUTVALUES_H
#define INPUTVALUES_H

#include <QJsonObject>
#include <QStringList>
#include <functional>

class QObject;
class QWidget;

// The values of a form's inputs, found by widget type under a root widget and keyed by
// object name (the format of StoredInspection::values). Kept are number boxes, combo
// boxes, check boxes, editable line, plain-text and rich-text edits and calendars that
// have an object name of their own; the parts of Qt's compound widgets (names starting
// "qt_") and the names given in `excluded` (settings, not inspection values) are not.
namespace InputValues {

QJsonObject collect(const QWidget *root, const QStringList &excluded = QStringList());

// Sets every input named in `values`; unknown keys are ignored and missing ones leave
// their input as it is. Combo boxes are set first, so that a text that a choice
// enables or clears is set after it. Returns the names of the values that could not
// be used (wrong type, out of range, not a date), whose inputs are left as they were.
QStringList apply(QWidget *root, const QJsonObject &values,
                  const QStringList &excluded = QStringList());

// Calls `changed` whenever one of those inputs changes, until `context` is destroyed.
void watch(QWidget *root, QObject *context, const std::function<void()> &changed,
           const QStringList &excluded = QStringList());

} // namespace InputValues

#endif // INPUTVALUES_H
