#ifndef DIALOGDRIVER_H
#define DIALOGDRIVER_H

#include <QtWidgets>
#include <functional>

// What a test saw of one modal widget when it appeared.
struct SeenDialog
{
    QString title;
    QString text; // QMessageBox text
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::NoButton;
    QString directory;       // QFileDialog start directory
    bool unexpected = false; // appeared with no action queued
};

// Answers the real modal boxes and file dialogs that a slot opens with exec().
// Queue one action per expected modal widget, then trigger the slot. Actions run
// from a zero-timeout timer outside the polling timer, so nested modals work.
class DialogDriver : public QObject
{
public:
    using Action = std::function<void(QWidget *)>;

    DialogDriver();
    ~DialogDriver() override;

    DialogDriver &press(QMessageBox::StandardButton button);
    DialogDriver &chooseFile(const QString &path);
    DialogDriver &cancelFile();
    DialogDriver &then(const Action &action);

    // Waits until every queued action has been used (at most timeoutMs).
    bool waitDone(int timeoutMs = 5000);
    const QList<SeenDialog> &seen() const { return seenDialogs; }
    const SeenDialog &last() const { return seenDialogs.last(); }
    int unexpectedCount() const;
    void clear() { seenDialogs.clear(); }

private:
    void poll();
    static SeenDialog describe(QWidget *modal);

    QTimer timer;
    QList<Action> actions;
    QList<SeenDialog> seenDialogs;
    QList<QPointer<QWidget>> handled;
};

#endif // DIALOGDRIVER_H
