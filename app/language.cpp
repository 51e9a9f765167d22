#include "app/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTranslator>

namespace {
const QString settingsFileName = QStringLiteral("zetu.ini");
const QString englishCode = QStringLiteral("en_US");
} // namespace

QString readLanguageSetting()
{
    QString language = englishCode;
    QFile file(settingsFileName);
    if (!file.exists()) {
        file.open(QIODevice::ReadWrite);
        file.close();
        QSettings settings(settingsFileName, QSettings::IniFormat);
        settings.beginGroup(QStringLiteral("Translations"));
        settings.setValue(QStringLiteral("Language"), englishCode);
        settings.endGroup();
        settings.sync();
    } else {
        QSettings settings(settingsFileName, QSettings::IniFormat);
        language = settings.value(QStringLiteral("Translations/Language"), QVariant()).toString();
    }
    return language;
}

int installCatalogue(QTranslator &translator, const QString &language)
{
    if (language != englishCode)
        return 0;
    // An empty translator is harmless: the texts then stay Portuguese.
    const bool loaded = translator.load(QStringLiteral(":languages/ZETU_en_US"));
    Q_UNUSED(loaded)
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
}
