#include "app/datafolder.h"

#include "core/logging.h"

#include <QDir>
#include <QStandardPaths>

const QString appDataOption = QStringLiteral("--app-data");

void enterDataFolder(const QStringList &arguments)
{
    if (!arguments.contains(appDataOption))
        return;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder) || !QDir::setCurrent(folder))
        qCWarning(zetuSetup) << "cannot make or enter the data folder" << folder << "; staying in"
                             << QDir::currentPath();
    else
        qCDebug(zetuSetup) << "data folder" << folder;
}
