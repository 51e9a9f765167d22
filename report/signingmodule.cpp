#include "report/signingmodule.h"

#include "core/logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace {

const char entryName[] = "zetuSigningModule";

QString &chosenFolder()
{
    static QString folder;
    return folder;
}

const SigningModule *&loaded()
{
    static const SigningModule *module = nullptr;
    return module;
}

// The installed program's library folder (ZETU_MODULE_RELATIVE_DIR from the program's
// folder); the build folder for a program run where it was built.
QString moduleFolder()
{
    if (!chosenFolder().isEmpty())
        return chosenFolder();
    const QString installed = QDir(QCoreApplication::applicationDirPath())
                                  .absoluteFilePath(QStringLiteral(ZETU_MODULE_RELATIVE_DIR));
    return QFileInfo::exists(installed) ? installed : QStringLiteral(ZETU_MODULE_BUILD_DIR);
}

} // namespace

const SigningModule *SigningModule::load(QString *fileName)
{
    *fileName = QDir::toNativeSeparators(
        QDir(moduleFolder()).absoluteFilePath(QStringLiteral(ZETU_MODULE_FILE)));
    if (loaded())
        return loaded();
    // Never unloaded: the keys it made may outlive any one caller.
    QLibrary library(*fileName);
    const auto entry = reinterpret_cast<SigningModuleEntry>(library.resolve(entryName));
    if (!entry) {
        qCWarning(zetuSign) << "the signing module cannot be loaded:" << library.errorString();
        return nullptr;
    }
    loaded() = entry();
    return loaded();
}

void SigningModule::setFolder(const QString &folder)
{
    chosenFolder() = folder;
    loaded() = nullptr;
}
