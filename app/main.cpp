#include "app/datafolder.h"
#include "app/highdpi.h"
#include "app/language.h"
#include "wizard/mainwindow.h"

#include <QApplication>
#include <QTimer>
#include <QTranslator>

int main(int argc, char *argv[])
{
    enableHighDpiScaling();
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("br.zetu.ZETU")); // its menu entry
    enterDataFolder(QCoreApplication::arguments());
    const QString language = readLanguageSetting();
    QTranslator translator;
    const int languageIndex = installCatalogue(translator, language);
    QTranslator qtTranslator;
    installQtCatalogue(qtTranslator, languageIndex);
    MainWindow window(languageIndex);
    window.show();
    QTimer::singleShot(0, &window, &MainWindow::resumeAtStart);
    return application.exec();
}
