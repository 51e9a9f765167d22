#include "report/pagepainter.h"
#include "report/reportcell.h"

#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLayout>
#include <QPainter>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextEdit>
#include <qdrawutil.h>

namespace {

// Pictures up to this many pixels a side are drawings (marks, the placeholder) and keep
// every pixel; larger ones are photographs and may be stored as JPEG.
constexpr int drawingSide = 128;

// Lays out a widget tree that has not been shown: sizes first, then layouts, parents
// before children, as showing it does.
void layOut(QWidget *widget)
{
    widget->ensurePolished();
    if (widget->testAttribute(Qt::WA_PendingResizeEvent)) {
        QResizeEvent resize(widget->size(), QSize());
        QCoreApplication::sendEvent(widget, &resize);
        widget->setAttribute(Qt::WA_PendingResizeEvent, false);
    }
    if (widget->layout())
        widget->layout()->activate();
    for (QWidget *child : widget->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        layOut(child);
}

QColor ink(const QWidget *widget)
{
    return widget->palette().color(widget->isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   widget->foregroundRole());
}

} // namespace

PagePainter::PagePainter(QPainter *painter)
    : painter(painter)
{
}

void PagePainter::drawPage(QWidget *page)
{
    layOut(page);
    drawChildren(page);
}

// Children in the order they are painted on screen, each in its own coordinates and
// clipped to its own rectangle.
void PagePainter::drawChildren(const QWidget *parent)
{
    for (const QWidget *child :
         parent->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isHidden() || child->isWindow())
            continue;
        painter->save();
        painter->translate(child->pos());
        painter->setClipRect(child->rect(), Qt::IntersectClip); // as a widget is clipped
        if (const auto *box = qobject_cast<const QCheckBox *>(child))
            drawCheckBox(box);
        else if (const auto *edit = qobject_cast<const QTextEdit *>(child))
            drawTextEdit(edit);
        else if (const auto *label = qobject_cast<const QLabel *>(child))
            drawLabel(label);
        else if (const auto *frame = qobject_cast<const QFrame *>(child))
            drawFrame(frame);
        if (!qobject_cast<const QTextEdit *>(child))
            drawChildren(child);
        painter->restore();
    }
}

// Boxes and lines as the common style draws them, in the widget's palette.
void PagePainter::drawFrame(const QFrame *frame)
{
    const QRect r = frame->frameRect();
    const QPalette &palette = frame->palette();
    const int width = frame->lineWidth(), mid = frame->midLineWidth();
    const bool plain = frame->frameShadow() == QFrame::Plain;
    const bool sunken = frame->frameShadow() == QFrame::Sunken;
    switch (frame->frameShape()) {
    case QFrame::NoFrame:
        return;
    case QFrame::HLine:
    case QFrame::VLine: {
        const bool across = frame->frameShape() == QFrame::HLine;
        const QPoint from =
            across ? QPoint(r.x(), r.y() + r.height() / 2) : QPoint(r.x() + r.width() / 2, r.y());
        const QPoint to =
            across ? QPoint(r.x() + r.width(), from.y()) : QPoint(from.x(), r.y() + r.height());
        qDrawShadeLine(painter, from, to, palette, sunken, width, mid); // the report's are shaded
        return;
    }
    default: // boxes and panels alike
        if (plain)
            qDrawPlainRect(painter, r, palette.color(QPalette::WindowText), width);
        else
            qDrawShadeRect(painter, r, palette, sunken, width, mid);
    }
}

// A picture where QLabel puts it, or the text as QLabel lays it out (the report's
// labels have no margin, indent or scaled contents); a value cell draws its own text.
void PagePainter::drawLabel(const QLabel *label)
{
    drawFrame(label);
    const QRect box = label->contentsRect();
    const Qt::Alignment alignment =
        QStyle::visualAlignment(label->layoutDirection(), label->alignment());
    const QPixmap picture = label->pixmap(Qt::ReturnByValue);
    if (!picture.isNull()) {
        const QSize size = picture.size() / picture.devicePixelRatio();
        painter->setClipRect(box, Qt::IntersectClip); // clipped to the cell, as QLabel shows it
        drawPicture(QStyle::alignedRect(label->layoutDirection(), alignment, size, box), picture);
    } else if (const auto *cell = qobject_cast<const ReportCell *>(label)) {
        cell->drawText(painter);
    } else {
        painter->setFont(label->font());
        painter->setPen(ink(label));
        painter->drawText(box, int(alignment) | (label->wordWrap() ? Qt::TextWordWrap : 0),
                          label->text());
    }
}

// The indicator where the style puts it, drawn as a grey box with a tick.
void PagePainter::drawCheckBox(const QCheckBox *box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const QRectF indicator =
        box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    const QRect contents = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(box->palette().color(QPalette::Dark), 1));
    painter->drawRect(indicator.adjusted(0.5, 0.5, -0.5, -0.5));
    if (box->isChecked()) {
        const QRectF r = indicator.adjusted(3, 3, -3, -3);
        const QPointF tick[] = {{r.left(), r.center().y()},
                                {r.left() + r.width() * 0.4, r.bottom()},
                                {r.right(), r.top()}};
        painter->setPen(QPen(ink(box), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->drawPolyline(tick, 3);
    }
    painter->setFont(box->font());
    painter->setPen(ink(box));
    painter->drawText(
        contents,
        int(QStyle::visualAlignment(box->layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter)) |
            Qt::TextHideMnemonic,
        box->text());
}

// The document from its top, whatever the edit was scrolled to, without cursor or
// selection, clipped to the edit's viewport as on screen.
void PagePainter::drawTextEdit(const QTextEdit *edit)
{
    drawFrame(edit);
    const QWidget *viewport = edit->viewport();
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = edit->palette();
    context.clip = QRectF(QPointF(), viewport->size());
    painter->save();
    painter->translate(viewport->pos());
    painter->setClipRect(context.clip, Qt::IntersectClip);
    edit->document()->documentLayout()->draw(painter, context);
    painter->restore();
}

// Every pixel of the picture goes into the file, laid on white: an archived PDF may not
// carry transparency.
void PagePainter::drawPicture(const QRect &target, const QPixmap &picture)
{
    QPixmap opaque = picture;
    if (picture.hasAlphaChannel()) {
        auto found = flattened.constFind(picture.cacheKey());
        if (found == flattened.constEnd()) {
            QImage image(picture.size(), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter onWhite(&image);
            QPixmap source = picture;
            source.setDevicePixelRatio(1);
            onWhite.drawPixmap(QPoint(), source);
            onWhite.end();
            found = flattened.insert(picture.cacheKey(), QPixmap::fromImage(image));
        }
        opaque = *found;
    }
    const bool drawing = picture.width() <= drawingSide && picture.height() <= drawingSide;
    painter->setRenderHint(QPainter::LosslessImageRendering, drawing);
    painter->drawPixmap(QRectF(target), opaque, QRectF(opaque.rect()));
}
