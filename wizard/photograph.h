#ifndef PHOTOGRAPH_H
#define PHOTOGRAPH_H

#include <QImage>
#include <QString>

// A photograph is kept no larger than it is ever shown or printed: its longest side
// at most this many pixels, enough for the report's picture cells at 300 ppi.
const int maxPhotographSide = 2400;

// An image that would need more memory than this to decode at full size (at least
// four bytes a pixel) is refused before anything is decoded.
const qint64 maxPhotographBytes = 500LL * 1000 * 1000;

// Why a photograph's file gave no picture.
enum class PhotographRefusal {
    None,
    Missing,    // no such file
    Folder,     // a folder, never opened
    NotAFile,   // a FIFO, a device or a socket, never opened
    CannotOpen, // a file that could not be opened (no permission, for example)
    NotAnImage, // a file that is no image this program reads
    TooLarge,   // an image too large to decode
};

// Reads the image file at `path` the right way up (EXIF orientation applied) and
// scaled down, aspect kept, so that its longest side is at most maxPhotographSide;
// smaller images keep their size. JPEG is decoded at a reduced scale by the decoder
// itself; other formats are decoded at full size and scaled at once. Only a regular
// file is opened, and opening never waits: a FIFO or a device is refused unopened.
// Returns a null image when the file gives no picture. `refusal`, when given, tells
// why; `error`, when given, is set to a sentence that names the path with that reason
// (cleared when an image is returned). Every refusal is logged.
QImage readPhotograph(const QString &path, QString *error = nullptr,
                      PhotographRefusal *refusal = nullptr);

#endif // PHOTOGRAPH_H
