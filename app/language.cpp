#include "app/language.h"

#include "core/logging.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTranslator>

namespace {
const QString settingsFileName = QStringLiteral("zetu.ini");
const QString englishCode = QStringLiteral("en_US");

// A settings file that cannot be read or written is no reason to stop: logged only.
void logStatus(const QSettings &settings, const char *failure)
{
    if (settings.status() != QSettings::NoError)
        qCWarning(zetuSetup) << failure << settings.fileName()
                             << (settings.status() == QSettings::AccessError ? "(no access)"
                                                                             : "(not INI)");
}
} // namespace

QString readLanguageSetting()
{
    QString language = englishCode;
    QFile file(settingsFileName);
    if (!file.exists()) {
        if (!file.open(QIODevice::ReadWrite))
            qCWarning(zetuSetup) << "cannot create" << settingsFileName << ":"
                                 << file.errorString();
        file.close();
        QSettings settings(settingsFileName, QSettings::IniFormat);
        settings.setValue(QStringLiteral("Translations/Language"), englishCode);
        settings.sync();
        logStatus(settings, "cannot write");
    } else {
        QSettings settings(settingsFileName, QSettings::IniFormat);
        language = settings.value(QStringLiteral("Translations/Language"), QVariant()).toString();
        logStatus(settings, "cannot read");
    }
    return language;
}

int installCatalogue(QTranslator &translator, const QString &language)
{
    if (language != englishCode)
        return 0;
    // An empty translator is harmless: the texts then stay Portuguese.
    if (!translator.load(QStringLiteral(":languages/ZETU_en_US")))
        qCWarning(zetuSetup) << "the English catalogue is missing: the texts stay Portuguese";
    QCoreApplication::installTranslator(&translator);
    return 1;
}

bool installQtCatalogue(QTranslator &translator, int languageIndex)
{
    if (languageIndex != 0 || !translator.load(QStringLiteral(":languages/qtbase_pt_BR")))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

QLocale interfaceLocale(int languageIndex)
{
    return languageIndex == 1 ? QLocale(QLocale::English, QLocale::UnitedStates)
                              : QLocale(QLocale::Portuguese, QLocale::Brazil);
}

void writeLanguageSetting(const QString &language)
{
    QSettings settings(settingsFileName, QSettings::IniFormat);
    settings.setValue(QStringLiteral("Translations/Language"), language);
    settings.sync();
    logStatus(settings, "cannot write");
}

QString settingsFilePath()
{
    return QFileInfo(settingsFileName).absoluteFilePath();
}
