#ifndef DATAFILES_H
#define DATAFILES_H

#include "history/databasecopy.h"

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

private:
    void runAside(std::function<DatabaseCopy::Outcome()> work,
                  std::function<void(const DatabaseCopy::Outcome &)> report);
    QString busyText() const;

    QString database; // the absolute path of zetu.db
    QWidget *window;
    QList<QAction *> actions;
    QPointer<QThread> worker;
};

#endif // DATAFILES_H
