#include "wizard/inspectionfields.h"

#include "core/dateformats.h"
#include "core/judgement.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDoubleSpinBox>
#include <QJsonValue>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextEdit>

namespace {

const QString &dateFormat = DateFormats::stored;

bool isMeasuringBox(const QDoubleSpinBox *box)
{
    return !box->specialValueText().isEmpty();
}

// Read-only text fields are captions, not inputs.
template <typename T> bool editable(const QWidget *widget)
{
    const T *edit = qobject_cast<const T *>(widget);
    return edit && !edit->isReadOnly();
}

bool isInput(const QWidget *widget)
{
    // the transducer's field is read-only while a registered transducer names it, and is
    // still the inspection's value
    if (widget->objectName() == Field::transducer)
        return true;
    return qobject_cast<const QComboBox *>(widget) || qobject_cast<const QCheckBox *>(widget) ||
           qobject_cast<const QDoubleSpinBox *>(widget) ||
           qobject_cast<const QCalendarWidget *>(widget) || editable<QLineEdit>(widget) ||
           editable<QPlainTextEdit>(widget) || editable<QTextEdit>(widget);
}

QJsonValue valueOf(const QWidget *widget)
{
    if (auto *box = qobject_cast<const QComboBox *>(widget))
        return box->currentIndex();
    if (auto *box = qobject_cast<const QCheckBox *>(widget))
        return box->isChecked();
    if (auto *box = qobject_cast<const QDoubleSpinBox *>(widget)) {
        if (isMeasuringBox(box) && box->value() == box->minimum())
            return QJsonValue::Undefined;
        return box->value();
    }
    if (auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    if (auto *edit = qobject_cast<const QPlainTextEdit *>(widget))
        return edit->toPlainText();
    if (auto *edit = qobject_cast<const QTextEdit *>(widget))
        return edit->toPlainText();
    if (auto *calendar = qobject_cast<const QCalendarWidget *>(widget))
        return calendar->selectedDate().toString(dateFormat);
    return QJsonValue::Undefined;
}

// Sets the widget to a stored value; false when the value cannot be used. An undefined
// value empties a measuring box and leaves any other input as it is.
bool setValue(QWidget *widget, const QJsonValue &value)
{
    if (auto *box = qobject_cast<QDoubleSpinBox *>(widget)) {
        if (value.isUndefined()) {
            if (isMeasuringBox(box))
                box->setValue(box->minimum());
            return true;
        }
        const double number = value.toDouble();
        if (!value.isDouble() || number < box->minimum() || number > box->maximum())
            return false;
        box->setValue(number);
        return true;
    }
    if (value.isUndefined())
        return true;
    if (auto *box = qobject_cast<QComboBox *>(widget)) {
        const double index = value.toDouble(-1);
        if (index != int(index) || index < 0 || index >= box->count())
            return false;
        box->setCurrentIndex(int(index));
        return true;
    }
    if (auto *box = qobject_cast<QCheckBox *>(widget)) {
        if (!value.isBool())
            return false;
        box->setChecked(value.toBool());
        return true;
    }
    if (auto *calendar = qobject_cast<QCalendarWidget *>(widget)) {
        const QDate date = QDate::fromString(value.toString(), dateFormat);
        if (!date.isValid() || date < calendar->minimumDate() || date > calendar->maximumDate())
            return false;
        calendar->setSelectedDate(date);
        return true;
    }
    if (!value.isString())
        return false;
    // Both multi-line edits take plain text, so a stored "<b>" stays as typed.
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        edit->setText(value.toString());
    else if (auto *edit = qobject_cast<QPlainTextEdit *>(widget))
        edit->setPlainText(value.toString());
    else if (auto *edit = qobject_cast<QTextEdit *>(widget))
        edit->setPlainText(value.toString());
    return true;
}

} // namespace

QStringList InspectionFields::windowChoices()
{
    return {QStringLiteral("comboBox"), QStringLiteral("comboBoxImage"),
            QStringLiteral("comboBoxTransducer")};
}

InspectionFields::InspectionFields(QWidget *root, const QStringList &excluded)
{
    QVector<Input> others;
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || excluded.contains(name) ||
            !isInput(widget))
            continue;
        (qobject_cast<QComboBox *>(widget) ? inputs : others).append({name, widget});
    }
    inputs << others;
    // A measuring box at its minimum shows no number: it holds no value.
    for (const MeasuringField &field : Inspection::measuringFields()) {
        if (auto *box = qobject_cast<QDoubleSpinBox *>(widget(field.name)))
            box->setSpecialValueText(QStringLiteral(" "));
    }
}

Inspection InspectionFields::read() const
{
    Inspection inspection;
    for (const Input &input : inputs) {
        const QJsonValue value = valueOf(input.widget);
        if (!value.isUndefined())
            inspection.set(input.field, value);
    }
    return inspection;
}

QStringList InspectionFields::write(const Inspection &inspection) const
{
    QStringList skipped;
    for (const Input &input : inputs) {
        if (!setValue(input.widget, inspection.values().value(input.field)))
            skipped.append(input.field);
    }
    return skipped;
}

QWidget *InspectionFields::widget(const QString &field) const
{
    for (const Input &input : inputs) {
        if (input.field == field)
            return input.widget;
    }
    return nullptr;
}

void InspectionFields::reveal(const QString &field) const
{
    QWidget *input = widget(field);
    if (!input)
        return;
    // every tab between the window and the input is brought forward
    for (QWidget *outer = input->parentWidget(); outer; outer = outer->parentWidget()) {
        auto *tabs = qobject_cast<QTabWidget *>(outer);
        for (int tab = 0; tabs && tab < tabs->count(); ++tab) {
            if (tabs->widget(tab)->isAncestorOf(input))
                tabs->setCurrentIndex(tab);
        }
    }
    input->setFocus(Qt::OtherFocusReason);
    if (auto *box = qobject_cast<QDoubleSpinBox *>(input))
        box->selectAll();
}

void InspectionFields::enableMassRows() const
{
    for (const MeasuringField &field : Inspection::measuringFields()) {
        auto *depth = qobject_cast<QCheckBox *>(widget(field.depthCheckBox));
        if (QWidget *box = depth ? widget(field.name) : nullptr)
            box->setEnabled(depth->isChecked());
    }
}

void InspectionFields::watch(QObject *context, const std::function<void()> &changed) const
{
    for (const Input &input : inputs) {
        QWidget *widget = input.widget;
        if (auto *box = qobject_cast<QComboBox *>(widget))
            QObject::connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), context,
                             changed);
        else if (auto *box = qobject_cast<QCheckBox *>(widget))
            QObject::connect(box, &QCheckBox::toggled, context, changed);
        else if (auto *box = qobject_cast<QDoubleSpinBox *>(widget))
            QObject::connect(box, QOverload<double>::of(&QDoubleSpinBox::valueChanged), context,
                             changed);
        else if (auto *edit = qobject_cast<QLineEdit *>(widget))
            QObject::connect(edit, &QLineEdit::textChanged, context, changed);
        else if (auto *edit = qobject_cast<QPlainTextEdit *>(widget))
            QObject::connect(edit, &QPlainTextEdit::textChanged, context, changed);
        else if (auto *edit = qobject_cast<QTextEdit *>(widget))
            QObject::connect(edit, &QTextEdit::textChanged, context, changed);
        else if (auto *calendar = qobject_cast<QCalendarWidget *>(widget))
            QObject::connect(calendar, &QCalendarWidget::selectionChanged, context, changed);
    }
}

void InspectionFields::showLimits(QObject *context, const QLocale &locale) const
{
    auto update = [this, locale] {
        const double frequency = read().number(Field::frequency);
        for (const JudgedResult &judged : Judgement::results()) {
            const bool mass = !judged.depthCheckBox.isEmpty();
            if (judged.rule == Rule::Area)
                continue; // the aspect ratio's row names both of a target's limits
            const QString limits = mass ? massLimitText(2 * (judged.depth + 1), locale)
                                        : limitText(judged, frequency, locale);
            for (const QString &field : judged.inputs) {
                if (QWidget *input = widget(field))
                    input->setToolTip(limits);
            }
        }
    };
    update();
    if (auto *frequency = qobject_cast<QDoubleSpinBox *>(widget(Field::frequency)))
        QObject::connect(frequency, QOverload<double>::of(&QDoubleSpinBox::valueChanged), context,
                         update);
}
