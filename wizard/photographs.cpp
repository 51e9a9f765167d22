#include "wizard/photographs.h"
#include "wizard/photograph.h"

const QString Photographs::uniformityKey = QStringLiteral("uniformity");

namespace {

bool inRange(int index)
{
    return index >= 0 && index < Photographs::partCount;
}

} // namespace

QPixmap Photographs::part(int index) const
{
    return inRange(index) ? parts[index] : QPixmap();
}

void Photographs::setPart(int index, const QPixmap &picture, const QString &path)
{
    if (!inRange(index))
        return;
    parts[index] = picture;
    partPaths[index] = path;
}

bool Photographs::clearPart(int index)
{
    if (!hasPart(index))
        return false;
    parts[index] = QPixmap();
    partPaths[index].clear();
    return true;
}

void Photographs::setUniformity(const QPixmap &picture, const QString &path)
{
    uniformImage = picture;
    uniformPath = path;
}

void Photographs::clearUniformity()
{
    setUniformity(QPixmap(), QString());
}

void Photographs::clear()
{
    *this = Photographs();
}

QJsonObject Photographs::paths() const
{
    QJsonObject paths;
    for (int index = 0; index < partCount; ++index) {
        if (!partPaths[index].isEmpty())
            paths.insert(QString::number(index), partPaths[index]);
    }
    if (!uniformPath.isEmpty())
        paths.insert(uniformityKey, uniformPath);
    return paths;
}

Photographs Photographs::read(const QJsonObject &paths)
{
    Photographs read;
    auto picture = [&paths](const QString &key) {
        const QString path = paths.value(key).toString();
        return path.isEmpty() ? QPixmap() : QPixmap::fromImage(readPhotograph(path));
    };
    for (int index = 0; index < partCount; ++index)
        read.setPart(index, picture(QString::number(index)),
                     paths.value(QString::number(index)).toString());
    read.setUniformity(picture(uniformityKey), paths.value(uniformityKey).toString());
    return read;
}
