#include "report/reportform.h"
#include "ui_reportform.h"

ReportForm::ReportForm(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ReportForm)
{
    ui->setupUi(this);
    // "---" is the unrated word and stays the same in every language.
    ratingWords << QStringLiteral("---") << tr("Ótimo") << tr("Bom") << tr("Regular") << tr("Ruim")
                << tr("Péssimo");
    checkmarkPixmap.load(QStringLiteral(":/icons/checkmark.png"));
    crossPixmap.load(QStringLiteral(":/icons/cross.png"));
}

ReportForm::~ReportForm()
{
    delete ui;
}
