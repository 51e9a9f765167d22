#ifndef SERVERWATCH_H
#define SERVERWATCH_H

#include "registry/database.h"

#include <QObject>
#include <QSqlDriver>
#include <QTimer>

// Keeps the window in touch with the team's server: listens for the notices of changes
// other clients make (a hint to read again, nothing more), finds when the server is out
// of reach, and opens the connection again once the server answers: a new connection is
// first tried on a thread of its own, so that the window never waits for it.
class ServerWatch : public QObject
{
    Q_OBJECT
public:
    // How often the connection is looked at, and a lost server tried again.
    static const int pulseMs = 2000;
    static const int retryMs = 1000;
    // Notices that come together are read as one, this long after the first.
    static const int settleMs = 150;

    explicit ServerWatch(DataBase &dataBase, QObject *parent = nullptr);
    ~ServerWatch() override;

    // Starts listening and looking, when the program works on a server.
    void start();
    bool isReachable() const { return reachable; }
    // A statement failed as if the server were gone: looked at at once.
    void check();

signals:
    // Another client changed something the window shows: read it again.
    void changed();
    // The server went out of reach, or came back (then everything is read again).
    void reachableChanged(bool reachable);

private:
    void listen();
    void pulse();
    void lost();
    void tryAgain();
    void notified(const QString &name, QSqlDriver::NotificationSource source);

    DataBase &dataBase;
    QTimer pulseTimer;
    QTimer retryTimer;
    QTimer settleTimer;
    QThread *trial = nullptr;
    bool reachable = true;
};

#endif // SERVERWATCH_H
