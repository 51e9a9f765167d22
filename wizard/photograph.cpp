// Reading the photographs of the wizard: bounded in memory, upright.

#include "wizard/photograph.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

namespace {

// The memory that decoding an image of `size` at full resolution needs: the decoded
// pixels, at least four bytes each, as scaling converts narrower formats to 32 bits.
// A format the header does not tell counts as 32 bits.
qint64 decodingBytes(QSize size, QImage::Format format)
{
    const int bits = qMax(32, int(QImage::toPixelFormat(format).bitsPerPixel()));
    return qint64(size.width()) * size.height() * bits / 8;
}

} // namespace

QImage readPhotograph(const QString &path, QString *error)
{
    if (error)
        error->clear();
    QImageReader reader(path);
    reader.setAutoTransform(true);
    // The header's size and pixel format: nothing is decoded yet.
    const QSize size = reader.size();
    if (size.isValid()) {
        const qint64 bytes = decodingBytes(size, reader.imageFormat());
        if (bytes > maxPhotographBytes) {
            if (error) {
                *error = QCoreApplication::translate(
                             "MainWindow", "A imagem \"%1\" tem %2 × %3 pixels e precisaria de "
                                           "%4 MB de memória para ser aberta; o limite é de %5 MB.")
                             .arg(QFileInfo(path).fileName(), QString::number(size.width()),
                                  QString::number(size.height()), QString::number(bytes / 1000000),
                                  QString::number(maxPhotographBytes / 1000000));
            }
            return QImage();
        }
        if (qMax(size.width(), size.height()) > maxPhotographSide) {
            reader.setScaledSize(
                size.scaled(maxPhotographSide, maxPhotographSide, Qt::KeepAspectRatio));
        }
    }
    QImage image = reader.read();
    // A format that does not tell its size before decoding is scaled after it.
    if (!image.isNull() && qMax(image.width(), image.height()) > maxPhotographSide) {
        image = image.scaled(maxPhotographSide, maxPhotographSide, Qt::KeepAspectRatio,
                             Qt::SmoothTransformation);
    }
    return image;
}
