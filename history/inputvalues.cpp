#include "history/inputvalues.h"
#include "core/dateformats.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDoubleSpinBox>
#include <QJsonValue>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

const QString &dateFormat = DateFormats::stored;

// The inputs of type T under root that are kept.
template <typename T> QList<T *> inputs(const QWidget *root, const QStringList &excluded)
{
    QList<T *> kept;
    const QList<T *> found = root->findChildren<T *>();
    for (T *input : found) {
        const QString name = input->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && !excluded.contains(name))
            kept.append(input);
    }
    return kept;
}

// Read-only text fields are captions, not inputs.
template <typename T> QList<T *> editableTexts(const QWidget *root, const QStringList &excluded)
{
    QList<T *> kept;
    for (T *edit : inputs<T>(root, excluded)) {
        if (!edit->isReadOnly())
            kept.append(edit);
    }
    return kept;
}

} // namespace

QJsonObject InputValues::collect(const QWidget *root, const QStringList &excluded)
{
    QJsonObject values;
    for (QComboBox *box : inputs<QComboBox>(root, excluded))
        values.insert(box->objectName(), box->currentIndex());
    for (QCheckBox *box : inputs<QCheckBox>(root, excluded))
        values.insert(box->objectName(), box->isChecked());
    for (QDoubleSpinBox *box : inputs<QDoubleSpinBox>(root, excluded))
        values.insert(box->objectName(), box->value());
    for (QLineEdit *edit : editableTexts<QLineEdit>(root, excluded))
        values.insert(edit->objectName(), edit->text());
    for (QPlainTextEdit *edit : editableTexts<QPlainTextEdit>(root, excluded))
        values.insert(edit->objectName(), edit->toPlainText());
    for (QTextEdit *edit : editableTexts<QTextEdit>(root, excluded))
        values.insert(edit->objectName(), edit->toPlainText());
    for (QCalendarWidget *calendar : inputs<QCalendarWidget>(root, excluded))
        values.insert(calendar->objectName(), calendar->selectedDate().toString(dateFormat));
    return values;
}

QStringList InputValues::apply(QWidget *root, const QJsonObject &values,
                               const QStringList &excluded)
{
    QStringList skipped;
    // Calls set(value) for each input of the list that has a value; a false result
    // names the value as skipped.
    auto each = [&](const auto &list, const auto &set) {
        for (auto *input : list) {
            const auto found = values.constFind(input->objectName());
            if (found != values.constEnd() && !set(input, found.value()))
                skipped.append(input->objectName());
        }
    };
    each(inputs<QComboBox>(root, excluded), [](QComboBox *box, const QJsonValue &value) {
        const double index = value.toDouble(-1);
        if (index != int(index) || index < 0 || index >= box->count())
            return false;
        box->setCurrentIndex(int(index));
        return true;
    });
    each(inputs<QCheckBox>(root, excluded), [](QCheckBox *box, const QJsonValue &value) {
        if (!value.isBool())
            return false;
        box->setChecked(value.toBool());
        return true;
    });
    each(inputs<QDoubleSpinBox>(root, excluded), [](QDoubleSpinBox *box, const QJsonValue &value) {
        if (!value.isDouble() || value.toDouble() < box->minimum() ||
            value.toDouble() > box->maximum())
            return false;
        box->setValue(value.toDouble());
        return true;
    });
    each(editableTexts<QLineEdit>(root, excluded), [](QLineEdit *edit, const QJsonValue &value) {
        if (!value.isString())
            return false;
        edit->setText(value.toString());
        return true;
    });
    // Both multi-line edits take plain text, so a stored "<b>" stays as typed.
    const auto plainText = [](auto *edit, const QJsonValue &value) {
        if (!value.isString())
            return false;
        edit->setPlainText(value.toString());
        return true;
    };
    each(editableTexts<QPlainTextEdit>(root, excluded), plainText);
    each(editableTexts<QTextEdit>(root, excluded), plainText);
    each(inputs<QCalendarWidget>(root, excluded), [](QCalendarWidget *calendar,
                                                     const QJsonValue &value) {
        const QDate date = QDate::fromString(value.toString(), dateFormat);
        if (!date.isValid() || date < calendar->minimumDate() || date > calendar->maximumDate())
            return false;
        calendar->setSelectedDate(date);
        return true;
    });
    return skipped;
}

void InputValues::watch(QWidget *root, QObject *context, const std::function<void()> &changed,
                        const QStringList &excluded)
{
    for (QComboBox *box : inputs<QComboBox>(root, excluded))
        QObject::connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), context,
                         changed);
    for (QCheckBox *box : inputs<QCheckBox>(root, excluded))
        QObject::connect(box, &QCheckBox::toggled, context, changed);
    for (QDoubleSpinBox *box : inputs<QDoubleSpinBox>(root, excluded))
        QObject::connect(box, QOverload<double>::of(&QDoubleSpinBox::valueChanged), context,
                         changed);
    for (QLineEdit *edit : editableTexts<QLineEdit>(root, excluded))
        QObject::connect(edit, &QLineEdit::textChanged, context, changed);
    for (QPlainTextEdit *edit : editableTexts<QPlainTextEdit>(root, excluded))
        QObject::connect(edit, &QPlainTextEdit::textChanged, context, changed);
    for (QTextEdit *edit : editableTexts<QTextEdit>(root, excluded))
        QObject::connect(edit, &QTextEdit::textChanged, context, changed);
    for (QCalendarWidget *calendar : inputs<QCalendarWidget>(root, excluded))
        QObject::connect(calendar, &QCalendarWidget::selectionChanged, context, changed);
}
