#ifndef LANGUAGE_H
#define LANGUAGE_H

#include <QLocale>
#include <QString>

class QTranslator;

// The interface language is the program's only setting. It lives in zetu.ini in
// the working directory, group "Translations", key "Language".

// Reads the language setting. At the first start in a directory the settings file
// does not exist yet: it is created holding "en_US", which is then the answer.
// Failures of the file are silent; the answer is then "en_US" or empty.
QString readLanguageSetting();

// Installs the English catalogue when the setting is exactly "en_US" (the empty
// translator is installed even if the catalogue cannot be loaded) and returns the
// language index of the main window: 1 for English, 0 for Portuguese.
int installCatalogue(QTranslator &translator, const QString &language);

// Installs Qt's own Brazilian Portuguese texts (message box buttons, file dialogs,
// context menus) when the interface is Portuguese (language index 0). The catalogue
// is compiled into the program, so no copy on the system is needed. Returns whether
// it was installed.
bool installQtCatalogue(QTranslator &translator, int languageIndex);

// The numbers, dates and calendar names of the interface language: Portuguese (Brazil)
// for language index 0, English (United States) for 1.
QLocale interfaceLocale(int languageIndex);

// The full path of the settings file.
QString settingsFilePath();

// Writes "en_US" or "pt_BR" as the language of the next start.
void writeLanguageSetting(const QString &language);

#endif // LANGUAGE_H
