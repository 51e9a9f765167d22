#ifndef REPORTFORM_H
#define REPORTFORM_H

#include <QDialog>
#include <QPixmap>
#include <QStringList>

namespace Ui {
class ReportForm;
}

// The report dialog: three fixed report pages and the Save/Cancel bar.
class ReportForm : public QDialog
{
    Q_OBJECT

public:
    explicit ReportForm(QWidget *parent = nullptr);
    ~ReportForm();

private slots:
    // PDF export (pdfexport.cpp)
    void on_pushButtonCancel_clicked();
    void on_pushButtonSave_clicked();

private:
    Ui::ReportForm *ui;
    // The rating words of the physical inspection, by rating index 0 to 5.
    QStringList ratingWords;
    QPixmap checkmarkPixmap; // pass mark
    QPixmap crossPixmap;     // fail mark
};

#endif // REPORTFORM_H
