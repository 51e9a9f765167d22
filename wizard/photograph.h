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

// Reads the image file at `path` the right way up (EXIF orientation applied) and
// scaled down, aspect kept, so that its longest side is at most maxPhotographSide;
// smaller images keep their size. JPEG is decoded at a reduced scale by the decoder
// itself; other formats are decoded at full size and scaled at once.
// Returns a null image when the file cannot be read as an image, or when it is
// refused for its dimensions. `error`, when given, is set to the message to show
// the user for a refusal, and cleared otherwise: a file that is no image is
// returned null with no message.
QImage readPhotograph(const QString &path, QString *error = nullptr);

#endif // PHOTOGRAPH_H
