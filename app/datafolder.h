#ifndef DATAFOLDER_H
#define DATAFOLDER_H

#include <QStringList>

// The program keeps zetu.ini and zetu.db in its working directory. Started with the
// option "--app-data", as the desktop menu starts it, it first changes to the user's
// application-data folder (~/.local/share/ZETU, or $XDG_DATA_HOME/ZETU), making it
// when missing, so that a menu launch never scatters them in the home folder.
// Without the option the working directory is left as it is.

// The option that asks for the application-data folder.
extern const QString appDataOption;

// Changes to the application-data folder when arguments hold appDataOption. When the
// folder can be neither made nor entered, the reason is logged and the program goes
// on in the directory it was started from.
void enterDataFolder(const QStringList &arguments);

#endif // DATAFOLDER_H
