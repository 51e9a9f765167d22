#include "app/signalwatch.h"

#include "core/logging.h"

#include <QSocketNotifier>
#include <csignal>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

volatile std::sig_atomic_t endingSignal = 0;

#ifdef Q_OS_UNIX
int pipeEnds[2] = {-1, -1};
const int watched[] = {SIGTERM, SIGHUP};

// Async-signal-safe: a flag and one write, errno left as it was.
void onSignal(int number)
{
    const int saved = errno;
    endingSignal = number;
    const char byte = char(number);
    if (::write(pipeEnds[1], &byte, 1) < 0) {
        // the pipe is full: a byte is already waiting to be read
    }
    errno = saved;
}
#endif

} // namespace

SignalWatch::SignalWatch(QObject *parent)
    : QObject(parent)
{
#ifdef Q_OS_UNIX
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pipeEnds) != 0) {
        qCWarning(zetuSetup) << "cannot watch for SIGTERM and SIGHUP:" << qt_error_string(errno);
        return;
    }
    notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &SignalWatch::readPipe);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : watched) {
        if (::sigaction(number, &action, nullptr) != 0)
            qCWarning(zetuSetup) << "cannot watch for signal" << number << qt_error_string(errno);
    }
#endif
}

SignalWatch::~SignalWatch()
{
#ifdef Q_OS_UNIX
    if (!notifier)
        return;
    for (int number : watched)
        ::signal(number, SIG_DFL);
    delete notifier;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
    endingSignal = 0;
#endif
}

bool SignalWatch::ending()
{
    return endingSignal != 0;
}

void SignalWatch::readPipe()
{
#ifdef Q_OS_UNIX
    char bytes[16];
    const ssize_t count = ::read(pipeEnds[0], bytes, sizeof bytes);
    for (ssize_t i = 0; i < count; ++i) {
        qCInfo(zetuSetup) << "signal" << int(bytes[i]) << ": closing";
        emit received(bytes[i]);
    }
#endif
}
