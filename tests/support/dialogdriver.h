#ifndef DIALOGDRIVER_H
#define DIALOGDRIVER_H

#include <QtTest>
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
    QString file;            // QFileDialog proposed file
    bool unexpected = false; // appeared with no action queued: closed as by Escape
};

// Answers the real modal boxes and file dialogs that a slot opens with exec().
// Queue one action per expected modal widget, then trigger the slot. Actions run
// from a zero-timeout timer outside the polling timer, so nested modals work.
class DialogDriver : public QObject
{
public:
    using Action = std::function<void(QWidget *)>;

    DialogDriver()
    {
        connect(&timer, &QTimer::timeout, this, [this] { poll(); });
        timer.start(5);
    }

    DialogDriver &then(const Action &action)
    {
        actions.append(action);
        return *this;
    }
    DialogDriver &press(QMessageBox::StandardButton button)
    {
        return then([button](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (QAbstractButton *b = box ? box->button(button) : nullptr)
                b->click();
            else // a button the box does not have: leave it as the user's Escape would
                QTest::keyClick(modal, Qt::Key_Escape);
        });
    }
    DialogDriver &chooseFile(const QString &path)
    {
        return then([path](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            if (!dialog)
                return QTest::keyClick(modal, Qt::Key_Escape);
            if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                edit->setText(path);
            else
                dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        });
    }
    DialogDriver &cancelFile()
    {
        return then([](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); });
    }

    // Waits until every queued action has been used (at most timeoutMs).
    bool waitDone(int timeoutMs = 5000)
    {
        return QTest::qWaitFor([this] { return actions.isEmpty(); }, timeoutMs);
    }
    const QList<SeenDialog> &seen() const { return seenDialogs; }
    int unexpectedCount() const
    {
        return int(std::count_if(seenDialogs.begin(), seenDialogs.end(),
                                 [](const SeenDialog &d) { return d.unexpected; }));
    }
    void clear() { seenDialogs.clear(); }

private:
    void poll()
    {
        // a dialog closed and shown again (a window's own report) is a new appearance
        handled.erase(
            std::remove_if(handled.begin(), handled.end(),
                           [](const QPointer<QWidget> &w) { return !w || !w->isVisible(); }),
            handled.end());
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || handled.contains(modal))
            return;
        handled.append(modal);
        SeenDialog seen;
        seen.title = modal->windowTitle();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            seen.text = box->text();
            seen.icon = box->icon();
            seen.buttons = box->standardButtons();
        }
        if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            seen.directory = dialog->directory().absolutePath();
            seen.file = dialog->selectedFiles().value(0);
        }
        seen.unexpected = actions.isEmpty();
        const Action action = seen.unexpected
                                  ? Action([](QWidget *w) { QTest::keyClick(w, Qt::Key_Escape); })
                                  : actions.takeFirst();
        seenDialogs.append(seen);
        QPointer<QWidget> target(modal);
        QTimer::singleShot(0, this, [target, action] {
            if (target)
                action(target);
        });
    }

    QTimer timer;
    QList<Action> actions;
    QList<SeenDialog> seenDialogs;
    QList<QPointer<QWidget>> handled;
};

#endif // DIALOGDRIVER_H
