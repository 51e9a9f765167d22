#ifndef PAGEPAINTER_H
#define PAGEPAINTER_H

#include <QHash>
#include <QPixmap>

class QCheckBox;
class QFrame;
class QLabel;
class QPainter;
class QTextEdit;
class QWidget;

// Draws a page of the report for print, from the widgets that show it on screen: the
// same geometry, fonts and texts, but texts go out as text, frames and lines as lines,
// check boxes as drawn boxes, and only pictures (marks, placeholders, photographs) as
// pictures. What belongs to the screen stays out: the page outline, backgrounds (a page
// is white), focus, hover, cursor, selection and scroll offset.
class PagePainter
{
public:
    explicit PagePainter(QPainter *painter);

    // Draws the page at the painter's origin, one unit per pixel of the page. A page
    // that was never shown is laid out first, as showing it would.
    void drawPage(QWidget *page);

private:
    void drawChildren(const QWidget *parent);
    void drawFrame(const QFrame *frame);
    void drawLabel(const QLabel *label);
    void drawCheckBox(const QCheckBox *box);
    void drawTextEdit(const QTextEdit *edit);
    void drawPicture(const QRect &target, const QPixmap &picture);

    QPainter *painter;
    // Pictures laid on white, by the cache key of the picture shown: a mark used in
    // many cells is prepared once and stored once.
    QHash<qint64, QPixmap> flattened;
};

#endif // PAGEPAINTER_H
