#ifndef PARTFILE_H
#define PARTFILE_H

#include <QString>

// A report is written into a hidden file beside the chosen one, ".<name>.<random>.part",
// and put in the chosen file's place only once it is whole. A name too long for that
// (the whole may have 255 bytes) is cut short in the partial file's name. A save killed half-way
// leaves that partial file behind; the next save of the same name removes it.

// A name for the partial file of `fileName` that no file has yet.
QString newPartFileName(const QString &fileName);

// Whether `entry`, a bare file name, is one that newPartFileName gives for `fileName`.
bool isPartFileName(const QString &entry, const QString &fileName);

// Removes the partial files of `fileName` left in its folder by saves that never
// finished: regular files named as newPartFileName names them, and nothing else. One
// that another copy of the program is still writing stays. Returns how many went.
int removeLeftoverParts(const QString &fileName);

// Marks the partial file as being written while it lives, so that another copy's
// removeLeftoverParts leaves it alone (Unix: an advisory lock; on Windows a file open
// in its writer cannot be deleted anyway). Creates the file if need be.
class PartFileGuard
{
public:
    explicit PartFileGuard(const QString &partFileName);
    ~PartFileGuard();
    PartFileGuard(const PartFileGuard &) = delete;
    PartFileGuard &operator=(const PartFileGuard &) = delete;

private:
    int handle = -1;
};

#endif // PARTFILE_H
