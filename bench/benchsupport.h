#ifndef BENCHSUPPORT_H
#define BENCHSUPPORT_H

#include <QApplication>
#include <QString>
#include <QVector>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

// What the benchmarks share: the peak resident memory of the process and a headless
// start that keeps a run's output readable.
namespace Bench {

// The middle one of a run's timings.
inline qint64 median(QVector<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

inline double peakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
}

// Drops two notices of a headless run that would be repeated at every dialog and
// every process.
inline void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(QLatin1String("propagateSizeHints")) &&
        !message.contains(QLatin1String("XDG_RUNTIME_DIR")))
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// Offscreen unless a platform is set; call before the application object exists.
inline void startHeadless()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    qInstallMessageHandler(quietHandler);
}

// The entry of a benchmark whose scenarios run in child processes of their own: called as
// "--scenario <name> <folder>" it runs that one scenario, else every one and the summary.
inline int run(int argc, char **argv, int (*scenario)(const QString &, const QString &),
               int (*all)())
{
    startHeadless();
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 4 && arguments.at(1) == QLatin1String("--scenario"))
        return scenario(arguments.at(2), arguments.at(3));
    return all();
}

} // namespace Bench

#endif // BENCHSUPPORT_H
