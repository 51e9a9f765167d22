#include "registry/serverwatch.h"

#include "core/logging.h"
#include "registry/sqldialect.h"
#include "registry/teamschema.h"

#include <QAtomicInt>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <memory>

ServerWatch::ServerWatch(DataBase &dataBase, QObject *parent)
    : QObject(parent)
    , dataBase(dataBase)
{
    pulseTimer.setInterval(pulseMs);
    connect(&pulseTimer, &QTimer::timeout, this, &ServerWatch::pulse);
    retryTimer.setInterval(retryMs);
    retryTimer.setSingleShot(true);
    connect(&retryTimer, &QTimer::timeout, this, &ServerWatch::tryAgain);
    settleTimer.setInterval(settleMs);
    settleTimer.setSingleShot(true);
    connect(&settleTimer, &QTimer::timeout, this, &ServerWatch::changed);
}

ServerWatch::~ServerWatch()
{
    if (trial) {
        trial->disconnect(this);
        trial->wait();
        delete trial;
    }
}

void ServerWatch::start()
{
    if (!dataBase.onServer())
        return;
    pulseTimer.start();
    if (dataBase.connection().isOpen())
        listen();
    else
        lost();
}

void ServerWatch::listen()
{
    QSqlDriver *driver = dataBase.connection().driver();
    disconnect(driver, nullptr, this, nullptr);
    connect(driver,
            QOverload<const QString &, QSqlDriver::NotificationSource, const QVariant &>::of(
                &QSqlDriver::notification),
            this, [this](const QString &name, QSqlDriver::NotificationSource source) {
                notified(name, source);
            });
    if (!driver->subscribedToNotifications().contains(TeamSchema::changeChannel) &&
        !driver->subscribeToNotification(TeamSchema::changeChannel))
        qCWarning(zetuStore) << "cannot listen for the team's changes:"
                             << driver->lastError().text();
}

void ServerWatch::notified(const QString &name, QSqlDriver::NotificationSource source)
{
    if (name == TeamSchema::changeChannel && source != QSqlDriver::SelfSource &&
        !settleTimer.isActive())
        settleTimer.start();
}

void ServerWatch::pulse()
{
    if (!reachable)
        return;
    // the driver closes a connection whose server has gone when it reads a notice
    const QSqlDatabase connection = dataBase.connection();
    QSqlQuery query(connection);
    if (!connection.isOpen() || (!query.exec(QStringLiteral("SELECT 1")) &&
                                 SqlDialect::isConnectionLost(query.lastError())))
        lost();
}

void ServerWatch::check()
{
    if (reachable && dataBase.onServer())
        pulse();
}

void ServerWatch::lost()
{
    if (reachable) {
        qCWarning(zetuStore) << "the team's server is out of reach";
        reachable = false;
        emit reachableChanged(false);
    }
    if (!retryTimer.isActive() && !trial)
        retryTimer.start();
}

// A connection is tried on a thread of its own; only once the server has answered is
// the window's connection opened again.
void ServerWatch::tryAgain()
{
    auto answered = std::make_shared<QAtomicInt>(0);
    const ServerSettings settings = dataBase.serverSettings();
    trial = QThread::create(
        [settings, answered] { answered->storeRelease(DataBase::serverAnswers(settings)); });
    connect(trial, &QThread::finished, this, [this, answered] {
        trial->deleteLater();
        trial = nullptr;
        if (!answered->loadAcquire() || !dataBase.reopen()) {
            retryTimer.start();
            return;
        }
        qCInfo(zetuStore) << "the team's server answers again";
        listen();
        reachable = true;
        emit reachableChanged(true);
        emit changed();
    });
    trial->start();
}
