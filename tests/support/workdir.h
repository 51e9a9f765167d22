#ifndef WORKDIR_H
#define WORKDIR_H

#include <QtWidgets>

// A fresh temporary directory that is the working directory while it lives. HOME
// points at a folder inside it, so home and documents paths are private to the test.
class WorkDir
{
public:
    WorkDir()
    {
        QDir::setCurrent(dir.path());
        QDir(dir.path()).mkpath(QStringLiteral("home/Documents"));
        qputenv("HOME", file(QStringLiteral("home")).toLocal8Bit());
    }
    // A WorkDir that replaced this one (reset(new WorkDir)) stays in force.
    ~WorkDir()
    {
        if (QDir::current() != QDir(dir.path()))
            return;
        QDir::setCurrent(previousDir);
        qputenv("HOME", previousHome);
    }

    QString path() const { return dir.path(); }
    QString file(const QString &name) const { return dir.filePath(name); }

private:
    QTemporaryDir dir;
    QString previousDir = QDir::currentPath();
    QByteArray previousHome = qgetenv("HOME");
};

#endif // WORKDIR_H
