#include "app/datafolder.h"
#include "app/highdpi.h"
#include "app/language.h"
#include "app/signalwatch.h"
#include "core/version.h"
#include "wizard/mainwindow.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    enableHighDpiScaling();
    QApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(ZETU_VERSION));
    // A logout or shutdown closes every window as the user would, then ends.
    SignalWatch signalWatch;
    QObject::connect(&signalWatch, &SignalWatch::received, &application, [] {
        QApplication::closeAllWindows();
        QCoreApplication::quit();
    });
    QGuiApplication::setDesktopFileName(QStringLiteral("br.zetu.ZETU")); // its menu entry
    enterDataFolder(QCoreApplication::arguments());
    const QString language = readLanguageSetting();
    QTranslator translator;
    const int languageIndex = installCatalogue(translator, language);
    QTranslator qtTranslator;
    installQtCatalogue(qtTranslator, languageIndex);
    // Every number and date, also of Qt's own dialogs, in the interface language.
    QLocale::setDefault(interfaceLocale(languageIndex));
    MainWindow window(languageIndex);
    window.show();
    window.resumeWhenExposed();
    return application.exec();
}
