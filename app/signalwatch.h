#ifndef SIGNALWATCH_H
#define SIGNALWATCH_H

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGHUP (a logout, a shutdown, a closed terminal) into the signal
// `received` on the thread that made the watch, so that the program ends as a close
// ends it: the values kept, the lock file removed. The handler only writes one byte
// to a pipe; everything else runs in the event loop. One watch per program.
class SignalWatch : public QObject
{
    Q_OBJECT

public:
    explicit SignalWatch(QObject *parent = nullptr);
    ~SignalWatch() override;

    // Whether the program is ending on such a signal: no question is asked then.
    static bool ending();

signals:
    void received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier *notifier = nullptr;
};

#endif // SIGNALWATCH_H
