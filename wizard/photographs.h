#ifndef PHOTOGRAPHS_H
#define PHOTOGRAPHS_H

#include <QJsonObject>
#include <QPixmap>
#include <QString>

// The pictures of one inspection: a photograph of each of the scanner's six parts
// (by part index, 0 to 5: power cables, monitor, controls, buttons, dust filter,
// transducers) and the uniformity image, each with the file it was read from. A
// picture not taken is null, with an empty path.
class Photographs
{
public:
    static const int partCount = 6;
    // The key of the uniformity image among the paths; the parts' keys are their
    // indices in decimal.
    static const QString uniformityKey;

    // Null for a part without a photograph and for an index out of range.
    QPixmap part(int index) const;
    bool hasPart(int index) const { return !part(index).isNull(); }
    // Replaces the part's photograph; an index out of range is ignored.
    void setPart(int index, const QPixmap &picture, const QString &path);
    // Drops the part's photograph; false when it had none.
    bool clearPart(int index);

    QPixmap uniformity() const { return uniformImage; }
    void setUniformity(const QPixmap &picture, const QString &path);
    void clearUniformity();

    void clear();
    // The pictures of the files named by key, as paths() gives them; a file that gives
    // no picture leaves its cell empty.
    static Photographs read(const QJsonObject &paths);
    // The files of the pictures held, by key; a picture not taken has no key.
    QJsonObject paths() const;

private:
    QPixmap parts[partCount];
    QString partPaths[partCount];
    QPixmap uniformImage;
    QString uniformPath;
};

#endif // PHOTOGRAPHS_H
