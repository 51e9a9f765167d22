#ifndef ELIDEDTOOLTIPDELEGATE_H
#define ELIDEDTOOLTIPDELEGATE_H

#include <QStyledItemDelegate>

// Draws cells as usual (a text too long for its cell is elided) and shows the whole
// text of an elided cell as its tool tip.
class ElidedToolTipDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Whether the cell's text is cut at the given width.
    bool isElided(const QStyleOptionViewItem &option, const QModelIndex &index) const;

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;
};

#endif // ELIDEDTOOLTIPDELEGATE_H
