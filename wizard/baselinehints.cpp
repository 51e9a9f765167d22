#include "wizard/baselinehints.h"

#include "core/tolerance.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>

namespace {

// The layout below `layout` that holds `widget`, if any.
QLayout *holder(QLayout *layout, QWidget *widget)
{
    if (!layout)
        return nullptr;
    if (layout->indexOf(widget) >= 0)
        return layout;
    for (int i = 0; i < layout->count(); ++i) {
        if (QLayout *found = holder(layout->itemAt(i)->layout(), widget))
            return found;
    }
    return nullptr;
}

// Puts the hint right of the anchor in a grid (a column of its own), under it in a
// form or a column of boxes.
bool placeBeside(QWidget *anchor, QLabel *hint)
{
    QLayout *layout = holder(anchor->parentWidget()->layout(), anchor);
    const int index = layout ? layout->indexOf(anchor) : -1;
    if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
        int row, column, rows, columns;
        grid->getItemPosition(index, &row, &column, &rows, &columns);
        // the hints of one grid share the first column after the anchor free of others
        int free = column + columns;
        const auto holdsOthers = [grid](int at) {
            for (int other = 0; other < grid->rowCount(); ++other) {
                QLayoutItem *item = grid->itemAtPosition(other, at);
                if (item && (!item->widget() ||
                             !item->widget()->objectName().startsWith(QLatin1String("hint_"))))
                    return true;
            }
            return false;
        };
        while (holdsOthers(free))
            ++free;
        grid->addWidget(hint, row, free);
    } else if (auto *form = qobject_cast<QFormLayout *>(layout)) {
        int row;
        QFormLayout::ItemRole role;
        form->getWidgetPosition(anchor, &row, &role);
        form->insertRow(row + 1, QString(), hint);
    } else if (auto *box = qobject_cast<QBoxLayout *>(layout)) {
        box->insertWidget(index + 1, hint);
    } else {
        return false;
    }
    return true;
}

} // namespace

BaselineHints::BaselineHints(QWidget *form)
    : QObject(form)
    , form(form)
{
}

// The box a result's line goes beside: the frame of the vertical distances, the last
// box of a row of horizontal ones, else the judged box itself.
QWidget *BaselineHints::anchorOf(const JudgedResult &judged) const
{
    const QString name =
        judged.rule == Rule::HorizontalMean ? judged.inputs.last() : judged.inputs.first();
    QWidget *box = form->findChild<QWidget *>(name);
    if (box && judged.rule == Rule::VerticalMean)
        return box->parentWidget();
    return box;
}

QLabel *BaselineHints::hintFor(const JudgedResult &judged)
{
    if (QLabel *hint = hints.value(&judged))
        return hint;
    QWidget *anchor = anchorOf(judged);
    if (!anchor || !anchor->parentWidget())
        return nullptr;
    auto *hint = new QLabel(anchor->parentWidget());
    hint->setObjectName(QStringLiteral("hint_") + judged.key());
    hint->setWordWrap(true);
    QFont font = hint->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    hint->setFont(font);
    if (!placeBeside(anchor, hint)) {
        delete hint;
        return nullptr;
    }
    hints.insert(&judged, hint);
    return hint;
}

void BaselineHints::show(const QVector<Result> &results)
{
    for (const Result &result : results) {
        const QString text = referenceText(result, form->locale());
        QLabel *hint = text.isEmpty() ? hints.value(result.judged) : hintFor(*result.judged);
        if (!hint)
            continue;
        hint->setText(text);
        hint->setToolTip(text);
        hint->setVisible(!text.isEmpty());
    }
}
