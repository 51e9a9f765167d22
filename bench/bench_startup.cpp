// Start-up as whole processes: ZETU's window made as the program makes it, against a
// bare QMainWindow (bench_startup_bare), each leaving at the first turn of the event
// loop, run in pairs (in alternating order) on the same machine, in a working folder
// that already holds zetu.ini and zetu.db. Prints the medians and the median of the
// pairs' ratios; target: at most 2.5 times the bare window. Exits 1 when missed.
// Called as "--zetu" it is the program's start itself.

#include "app/highdpi.h"
#include "app/language.h"
#include "benchsupport.h"
#include "wizard/mainwindow.h"
#include "workdir.h"

#include <QtWidgets>
#include <algorithm>
#include <cstdio>

namespace {

const int pairs = 31;
const double target = 2.5;

template <typename T> T median(QVector<T> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// As app/main.cpp starts, up to the first turn of the event loop.
int startZetu(int argc, char *argv[])
{
    enableHighDpiScaling();
    QApplication application(argc, argv);
    QTranslator translator, qtTranslator;
    const int languageIndex = installCatalogue(translator, readLanguageSetting());
    installQtCatalogue(qtTranslator, languageIndex);
    QLocale::setDefault(interfaceLocale(languageIndex));
    MainWindow window(languageIndex);
    window.show();
    window.resumeWhenExposed();
    QTimer::singleShot(0, &application, &QCoreApplication::quit);
    return application.exec();
}

// Wall time of one whole process, in milliseconds; negative when it failed.
double timed(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    const bool ran = process.waitForFinished(30000) &&
                     process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return ran ? clock.nsecsElapsed() / 1e6 : -1;
}

} // namespace

int main(int argc, char *argv[])
{
    Bench::startHeadless();
    if (argc > 1 && qstrcmp(argv[1], "--zetu") == 0)
        return startZetu(argc, argv);
    QCoreApplication application(argc, argv);
    WorkDir workDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) { // else both children warn
        QDir().mkdir(workDir.file("runtime"));
        QFile::setPermissions(workDir.file("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(workDir.file("runtime")));
    }
    const QString self = QCoreApplication::applicationFilePath();
    const QString bare = QFileInfo(self).dir().filePath(QStringLiteral("bench_startup_bare"));
    // the first start writes zetu.ini and zetu.db, as once on a user's machine
    if (timed(self, {QStringLiteral("--zetu")}) < 0 || timed(bare, {}) < 0) {
        std::fprintf(stderr, "a start failed\n");
        return 1;
    }
    QVector<double> zetu, baseline, ratios;
    for (int i = 0; i < pairs; ++i) {
        double z = 0, b = 0;
        if (i % 2) {
            b = timed(bare, {});
            z = timed(self, {QStringLiteral("--zetu")});
        } else {
            z = timed(self, {QStringLiteral("--zetu")});
            b = timed(bare, {});
        }
        if (z < 0 || b < 0) {
            std::fprintf(stderr, "a start failed\n");
            return 1;
        }
        zetu << z;
        baseline << b;
        ratios << z / b;
    }
    const double ratio = median(ratios);
    std::printf("start-up, %d pairs: ZETU %.1f ms, bare QMainWindow %.1f ms (medians); "
                "ratio %.2f (median of pairs; target %.1f)\n",
                pairs, median(zetu), median(baseline), ratio, target);
    return ratio <= target ? 0 : 1;
}
