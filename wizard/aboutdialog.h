#ifndef ABOUTDIALOG_H
#define ABOUTDIALOG_H

#include <QDialog>

namespace Ui {
class AboutDialog;
}

// What the program is (version, licence, the libraries it runs with) and where it keeps
// its files, as text that can be selected or copied whole.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    AboutDialog(const QString &databasePath, const QString &settingsPath,
                QWidget *parent = nullptr);
    ~AboutDialog() override;

    // Everything the box says, as plain text, as the copy button puts it on the clipboard.
    QString text() const;

private slots:
    void on_pushButtonCopy_clicked();

private:
    Ui::AboutDialog *ui;
};

#endif // ABOUTDIALOG_H
