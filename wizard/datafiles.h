#ifndef DATAFILES_H
#define DATAFILES_H

#include "history/databasecopy.h"
#include "history/servercopy.h"

#include <QObject>
#include <QPointer>
#include <QThread>
#include <functional>

class QAction;

class QWidget;

// The menu's work on the program's files: every inspection exported as CSV, a backup
// copy of zetu.db and the restore of one. Copies and checks run on a thread of their
// own, so the window goes on while another program holds zetu.db; meanwhile the
// actions that start them are disabled.
class DataFiles : public QObject
{
    Q_OBJECT

public:
    DataFiles(const QString &database, QWidget *window, QList<QAction *> copyActions);
    // Waits for a copy still being made (the window is closed by then).
    ~DataFiles() override;

    // Run before zetu.db is opened: a copy chosen to be restored takes its place. The
    // notice to show once the window is up; empty when nothing was restored.
    static QString restoreStaged(const QString &database);

public slots:
    void exportAll();
    void backup();
    void restore();
    // Sends a chosen zetu.db to the team's server, on a thread of its own, and says what
    // was added; `sent` runs once it was.
    void sendToServer(const ServerSettings &server, std::function<void()> sent);
    // The message after a file was sent: what was added and what was there already.
    static QString sentText(const QString &file, const ServerCopy::Outcome &outcome);

private:
    void runAside(std::function<DatabaseCopy::Outcome()> work,
                  std::function<void(const DatabaseCopy::Outcome &)> report);
    void runAside(std::function<void()> work, std::function<void()> report);
    QString busyText() const;

    QString database; // the absolute path of zetu.db
    QWidget *window;
    QList<QAction *> actions;
    QPointer<QThread> worker;
};

#endif // DATAFILES_H
