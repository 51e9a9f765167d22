#include "report/reportform.h"

ReportForm::ReportForm(QWidget *parent)
    : QDialog(parent)
{
}

ReportForm::~ReportForm() = default;
