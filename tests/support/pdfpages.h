#ifndef PDFPAGES_H
#define PDFPAGES_H

#include <QImage>
#include <QList>
#include <QProcess>
#include <QString>

// The pages of a PDF rendered by poppler's pdftoppm at the resolution given, as
// prefix-1.png, prefix-2.png and so on; empty when pdftoppm is missing or fails.
inline QList<QImage> renderPdfPages(const QString &pdf, const QString &prefix, int dpi)
{
    QList<QImage> pages;
    QProcess process;
    process.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi),
                                               QStringLiteral("-png"), pdf, prefix});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return pages;
    for (int i = 1; i <= 9; ++i) {
        const QImage image(QStringLiteral("%1-%2.png").arg(prefix).arg(i));
        if (image.isNull())
            break;
        pages << image;
    }
    return pages;
}

#endif // PDFPAGES_H
