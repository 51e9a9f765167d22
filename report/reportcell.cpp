#include "report/reportcell.h"

#include <QPainter>
#include <QPixmap>
#include <QTextLayout>
#include <cmath>

namespace {

// Lays the text out in lines no wider than width, breaking at word boundaries and
// inside a word only where the word alone is wider than the line. Returns the height.
qreal layOut(QTextLayout &layout, qreal width, Qt::Alignment alignment)
{
    QTextOption option(alignment & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    return height;
}

qreal textHeight(const QString &text, const QFont &font, qreal width)
{
    QTextLayout layout(text, font);
    return layOut(layout, width, Qt::AlignLeft);
}

} // namespace

ReportCell::ReportCell(QWidget *parent)
    : QLabel(parent)
{
}

bool ReportCell::drawsOwnText() const
{
    return pixmap(Qt::ReturnByValue).isNull() && !text().isEmpty();
}

qreal ReportCell::pageToScreen(const QWidget *widget)
{
    return pagePixelsPerInch / widget->logicalDpiY();
}

QFont ReportCell::fittedFont() const
{
    QFont fitted = font();
    if (!drawsOwnText())
        return fitted;
    const QRect box = contentsRect();
    const qreal toScreen = pageToScreen(this);
    // Half a point of the page at a time: the largest size at which the wrapped text fits.
    const qreal full = std::round(font().pointSizeF() / toScreen * 100) / 100;
    for (qreal size = full; size > minimumPointSize; size -= 0.5) {
        fitted.setPointSizeF(size * toScreen);
        if (textHeight(text(), fitted, box.width()) <= box.height())
            return fitted;
    }
    fitted.setPointSizeF(minimumPointSize * toScreen);
    return fitted;
}

QSize ReportCell::sizeHint() const
{
    if (!drawsOwnText())
        return QLabel::sizeHint();
    const QFontMetrics metrics(font());
    const int frame = 2 * frameWidth();
    return QSize(metrics.horizontalAdvance(text()) + frame, metrics.height() + frame);
}

// A long value may be squeezed down to a few characters a line; it wraps.
QSize ReportCell::minimumSizeHint() const
{
    if (!drawsOwnText())
        return QLabel::minimumSizeHint();
    const QFontMetrics metrics(font());
    const int frame = 2 * frameWidth();
    const int width = std::min(metrics.horizontalAdvance(text()), 6 * metrics.averageCharWidth());
    return QSize(width + frame, metrics.height() + frame);
}

bool ReportCell::hasHeightForWidth() const
{
    return drawsOwnText() || QLabel::hasHeightForWidth();
}

// The height the cell asks of its layout: its text at full size when that takes at
// most four lines; otherwise four lines' height, in which the font shrinks, unless
// even the smallest font needs more; never more than its maximum of lines.
int ReportCell::heightForWidth(int width) const
{
    if (!drawsOwnText())
        return QLabel::heightForWidth(width);
    const int frame = 2 * frameWidth();
    const qreal full = textHeight(text(), font(), width - frame);
    const qreal line = QFontMetricsF(font()).height();
    qreal height = full;
    if (full > 4 * line) {
        QFont smallest = font();
        smallest.setPointSizeF(minimumPointSize * pageToScreen(this));
        height = std::max(4 * line, textHeight(text(), smallest, width - frame));
    }
    if (lines > 0)
        height = std::min(height, lines * line);
    return int(std::ceil(height)) + frame;
}

// The text, or as much of it as fits the cell at the smallest font, ending in "…".
QString ReportCell::shownText(const QFont &fitted) const
{
    const QRect box = contentsRect();
    if (textHeight(text(), fitted, box.width()) <= box.height())
        return text();
    int fits = 0, over = text().size();
    while (over - fits > 1) {
        const int middle = (fits + over) / 2;
        if (textHeight(text().left(middle) + QChar(0x2026), fitted, box.width()) <= box.height())
            fits = middle;
        else
            over = middle;
    }
    return text().left(fits) + QChar(0x2026);
}

void ReportCell::paintEvent(QPaintEvent *event)
{
    if (!drawsOwnText()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    drawText(&painter);
}

void ReportCell::drawText(QPainter *painter) const
{
    const QRect box = contentsRect();
    const QFont fitted = fittedFont();
    QTextLayout layout(shownText(fitted), fitted);
    const qreal height = layOut(layout, box.width(), alignment());
    qreal top = box.top();
    if (alignment() & Qt::AlignVCenter)
        top += (box.height() - height) / 2;
    else if (alignment() & Qt::AlignBottom)
        top += box.height() - height;
    painter->setPen(
        palette().color(isEnabled() ? QPalette::Normal : QPalette::Disabled, foregroundRole()));
    layout.draw(painter, QPointF(box.left(), top));
}
