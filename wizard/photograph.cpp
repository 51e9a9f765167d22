// Reading the photographs of the wizard: bounded in memory, upright, and never waiting
// on a path that is not a regular file.

#include "wizard/photograph.h"

#include "core/logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The memory that decoding an image of `size` at full resolution needs: the decoded
// pixels, at least four bytes each, as scaling converts narrower formats to 32 bits.
// A format the header does not tell counts as 32 bits.
qint64 decodingBytes(QSize size, QImage::Format format)
{
    const int bits = qMax(32, int(QImage::toPixelFormat(format).bitsPerPixel()));
    return qint64(size.width()) * size.height() * bits / 8;
}

// Opens `path` for reading when it is a regular file. Anything else is refused before
// it is opened, and the open itself does not wait, so that a FIFO put in the file's
// place meanwhile is refused rather than waited on. `reason` gets the system's words
// for a failed open.
PhotographRefusal openRegularFile(const QString &path, QFile &file, QString *reason)
{
    const QFileInfo info(path);
    if (!info.exists())
        return PhotographRefusal::Missing;
    if (info.isDir())
        return PhotographRefusal::Folder;
    if (!info.isFile())
        return PhotographRefusal::NotAFile;
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *reason = qt_error_string(errno);
        return PhotographRefusal::CannotOpen;
    }
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return PhotographRefusal::NotAFile;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        *reason = file.errorString();
        ::close(fd);
        return PhotographRefusal::CannotOpen;
    }
#else
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = file.errorString();
        return PhotographRefusal::CannotOpen;
    }
#endif
    return PhotographRefusal::None;
}

// The sentence that names a refused path and why, by PhotographRefusal; a too large
// image has its own sentence with its size.
const char *const refusalTexts[] = {
    "",
    QT_TRANSLATE_NOOP("MainWindow", "fotografia não encontrada: %1"),
    QT_TRANSLATE_NOOP("MainWindow", "fotografia é uma pasta: %1"),
    QT_TRANSLATE_NOOP("MainWindow",
                      "fotografia não é um arquivo comum (FIFO, dispositivo ou soquete): %1"),
    QT_TRANSLATE_NOOP("MainWindow", "fotografia não pôde ser aberta (%2): %1"),
    QT_TRANSLATE_NOOP("MainWindow", "fotografia não é uma imagem legível: %1"),
};

QString refusalText(PhotographRefusal refusal, const QString &path, const QString &reason)
{
    if (refusal == PhotographRefusal::TooLarge)
        return reason;
    const QString text = QCoreApplication::translate("MainWindow", refusalTexts[int(refusal)]);
    const QString shown = QDir::toNativeSeparators(path);
    return refusal == PhotographRefusal::CannotOpen ? text.arg(shown, reason) : text.arg(shown);
}

QImage decode(const QString &path, QFile &file, PhotographRefusal *refusal, QString *reason)
{
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    // The header's size and pixel format: nothing is decoded yet.
    const QSize size = reader.size();
    if (size.isValid()) {
        const qint64 bytes = decodingBytes(size, reader.imageFormat());
        if (bytes > maxPhotographBytes) {
            *refusal = PhotographRefusal::TooLarge;
            *reason = QCoreApplication::translate(
                          "MainWindow", "A imagem \"%1\" tem %2 × %3 pixels e precisaria de "
                                        "%4 MB de memória para ser aberta; o limite é de %5 MB.")
                          .arg(QFileInfo(path).fileName(), QString::number(size.width()),
                               QString::number(size.height()), QString::number(bytes / 1000000),
                               QString::number(maxPhotographBytes / 1000000));
            return QImage();
        }
        if (qMax(size.width(), size.height()) > maxPhotographSide) {
            reader.setScaledSize(
                size.scaled(maxPhotographSide, maxPhotographSide, Qt::KeepAspectRatio));
        }
    }
    QImage image = reader.read();
    if (image.isNull()) {
        *refusal = PhotographRefusal::NotAnImage;
        *reason = reader.errorString();
        return image;
    }
    // A format that does not tell its size before decoding is scaled after it.
    if (qMax(image.width(), image.height()) > maxPhotographSide) {
        image = image.scaled(maxPhotographSide, maxPhotographSide, Qt::KeepAspectRatio,
                             Qt::SmoothTransformation);
    }
    return image;
}

} // namespace

QImage readPhotograph(const QString &path, QString *error, PhotographRefusal *refusal)
{
    QFile file;
    QString reason;
    PhotographRefusal why = openRegularFile(path, file, &reason);
    QImage image;
    if (why == PhotographRefusal::None)
        image = decode(path, file, &why, &reason);
    const QString text =
        why == PhotographRefusal::None ? QString() : refusalText(why, path, reason);
    if (!text.isNull())
        qCWarning(zetuPhotos).noquote()
            << "refused:" << text << (text.contains(reason) ? QString() : reason);
    if (refusal)
        *refusal = why;
    if (error)
        *error = text;
    return image;
}
