#ifndef REPORTFORM_H
#define REPORTFORM_H

#include <QDialog>

// The report dialog: three fixed report pages and the Save/Cancel bar.
class ReportForm : public QDialog
{
    Q_OBJECT

public:
    explicit ReportForm(QWidget *parent = nullptr);
    ~ReportForm();
};

#endif // REPORTFORM_H
