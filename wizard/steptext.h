#ifndef STEPTEXT_H
#define STEPTEXT_H

#include <QCoreApplication>
#include <QString>

// The texts of the steps' forms, translated in the main window's context as the texts of
// its own form are (the forms' generated code calls it).
inline QString mainWindowText(const char *source, const char *disambiguation)
{
    return QCoreApplication::translate("MainWindow", source, disambiguation);
}

#endif // STEPTEXT_H
