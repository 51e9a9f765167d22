#include "dialogdriver.h"

#include <QtTest>
#include <QtWidgets>

DialogDriver::DialogDriver()
{
    timer.setInterval(5);
    connect(&timer, &QTimer::timeout, this, [this] { poll(); });
    timer.start();
}

DialogDriver::~DialogDriver() = default;

DialogDriver &DialogDriver::press(QMessageBox::StandardButton button)
{
    return then([button](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (QAbstractButton *b = box ? box->button(button) : nullptr)
            b->click();
        else // a button the box does not have: leave it as the user's Escape would
            QTest::keyClick(modal, Qt::Key_Escape);
    });
}

DialogDriver &DialogDriver::chooseFile(const QString &path)
{
    return then([path](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog) {
            QTest::keyClick(modal, Qt::Key_Escape);
            return;
        }
        if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            edit->setText(path);
        else
            dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

DialogDriver &DialogDriver::cancelFile()
{
    return then([](QWidget *modal) {
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
    });
}

DialogDriver &DialogDriver::then(const Action &action)
{
    actions.append(action);
    return *this;
}

bool DialogDriver::waitDone(int timeoutMs)
{
    return QTest::qWaitFor([this] { return actions.isEmpty(); }, timeoutMs);
}

int DialogDriver::unexpectedCount() const
{
    int count = 0;
    for (const SeenDialog &dialog : seenDialogs)
        count += dialog.unexpected ? 1 : 0;
    return count;
}

void DialogDriver::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    for (const QPointer<QWidget> &known : handled) {
        if (known == modal)
            return;
    }
    handled.append(modal);

    SeenDialog seenDialog = describe(modal);
    Action action;
    if (actions.isEmpty()) {
        seenDialog.unexpected = true;
        action = [](QWidget *w) { QTest::keyClick(w, Qt::Key_Escape); };
    } else {
        action = actions.takeFirst();
    }
    seenDialogs.append(seenDialog);

    QPointer<QWidget> target(modal);
    QTimer::singleShot(0, this, [target, action] {
        if (target)
            action(target);
    });
}

SeenDialog DialogDriver::describe(QWidget *modal)
{
    SeenDialog seen;
    seen.title = modal->windowTitle();
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
    }
    if (auto *dialog = qobject_cast<QFileDialog *>(modal))
        seen.directory = dialog->directory().absolutePath();
    return seen;
}
