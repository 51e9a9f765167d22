// The hidden partial file that a report is written into before it takes the chosen
// file's place, and the removal of those that killed saves left behind.

#include "report/partfile.h"

#include "core/logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QString partSuffix = QStringLiteral(".part");

// The chosen name as the partial file carries it: cut, at a whole character, so that
// the hidden name with its dot, random part and suffix stays within the 255 bytes a
// file name may have, whatever name the file dialog took.
QString partStem(const QString &fileName)
{
    const int room = 255 - 1 - 1 - 7 - partSuffix.size(); // ".", ".", random, ".part"
    QString stem = fileName;
    while (QFile::encodeName(stem).size() > room) {
        stem.chop(1);
        if (!stem.isEmpty() && QChar(stem.back()).isHighSurrogate())
            stem.chop(1);
    }
    return stem;
}

// Removes one leftover unless it is not a regular file after all or another copy of
// the program holds it while writing.
bool removeLeftover(const QString &path)
{
#ifdef Q_OS_UNIX
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd == -1) {
        qCWarning(zetuReport) << "leftover" << path << "not opened:" << qt_error_string(errno);
        return false;
    }
    struct stat status;
    bool removable = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    if (removable && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        qCInfo(zetuReport) << "partial file" << path << "is being written: kept";
        removable = false;
    }
    if (removable && ::unlink(QFile::encodeName(path).constData()) != 0) {
        qCWarning(zetuReport) << "leftover" << path << "not removed:" << qt_error_string(errno);
        removable = false;
    }
    ::close(fd);
    return removable;
#else
    QFile file(path);
    if (file.remove())
        return true;
    qCWarning(zetuReport) << "leftover" << path << "not removed:" << file.errorString();
    return false;
#endif
}

} // namespace

QString newPartFileName(const QString &fileName)
{
    const QFileInfo chosen(fileName);
    QString name;
    do {
        name = QStringLiteral("%1/.%2.%3%4")
                   .arg(chosen.absolutePath(), partStem(chosen.fileName()),
                        QString::number(QRandomGenerator::global()->generate(), 36), partSuffix);
    } while (QFileInfo::exists(name));
    return name;
}

bool isPartFileName(const QString &entry, const QString &fileName)
{
    // The random part: a 32-bit number in base 36, one to seven characters.
    const QRegularExpression name(
        QRegularExpression::anchoredPattern(QStringLiteral("\\.%1\\.[0-9a-z]{1,7}%2")
                                                .arg(QRegularExpression::escape(partStem(fileName)),
                                                     QRegularExpression::escape(partSuffix))));
    return name.match(entry).hasMatch();
}

int removeLeftoverParts(const QString &fileName)
{
    const QFileInfo chosen(fileName);
    const QDir folder = chosen.absoluteDir();
    int removed = 0;
    for (const QString &entry : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (!isPartFileName(entry, chosen.fileName()))
            continue;
        if (removeLeftover(folder.filePath(entry))) {
            qCInfo(zetuReport) << "removed the leftover of an unfinished save"
                               << folder.filePath(entry);
            ++removed;
        }
    }
    return removed;
}

PartFileGuard::PartFileGuard(const QString &partFileName)
{
#ifdef Q_OS_UNIX
    handle = ::open(QFile::encodeName(partFileName).constData(),
                    O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (handle != -1 && ::flock(handle, LOCK_EX | LOCK_NB) != 0) {
        ::close(handle);
        handle = -1;
    }
    if (handle == -1)
        qCWarning(zetuReport) << "partial file" << partFileName
                              << "not marked as being written:" << qt_error_string(errno);
#else
    Q_UNUSED(partFileName)
#endif
}

PartFileGuard::~PartFileGuard()
{
#ifdef Q_OS_UNIX
    if (handle != -1)
        ::close(handle);
#endif
}
