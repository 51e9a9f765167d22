#ifndef REPORTCELL_H
#define REPORTCELL_H

#include <QLabel>

class QPainter;

// A value cell of the report pages. Its text is always shown whole: a value that does
// not fit on one line wraps inside the cell, a word longer than the cell breaks, and
// when the wrapped text is still taller than the cell the font shrinks, never below
// minimumPointSize. Sizes are points of the page, whose pixel is 1/96 inch whatever the
// screen's density, so a cell fits its text alike on every screen. A cell given a maximum of lines
// is never taller than that many lines of its font: a text that does not fit it even at the
// smallest font is cut, ending in "…". The text is drawn as plain text, exactly as it was typed.
class ReportCell : public QLabel
{
    Q_OBJECT

public:
    // The pages' measure: a page pixel is 1/96 inch, the smallest text 7 pt of it.
    static constexpr qreal pagePixelsPerInch = 96;
    static constexpr qreal minimumPointSize = 7;

    // Screen points per point of the page, on the screen this widget is on.
    static qreal pageToScreen(const QWidget *widget);

    explicit ReportCell(QWidget *parent = nullptr);

    // The font the text is drawn with at the cell's present size.
    QFont fittedFont() const;
    // Draws the text as the cell shows it, in the cell's coordinates, onto any painter
    // (the screen or a printed page).
    void drawText(QPainter *painter) const;

    // At most `count` lines of the cell's font high; 0: as high as the text needs.
    void setMaximumLines(int count) { lines = count; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool drawsOwnText() const;
    QString shownText(const QFont &fitted) const;

    int lines = 0;
};

#endif // REPORTCELL_H
