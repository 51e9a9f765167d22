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
    // The marks in the resolution of the printed pages, shown at their 16-pixel size.
    checkmarkPixmap.load(QStringLiteral(":/icons/checkmark@4x.png"));
    crossPixmap.load(QStringLiteral(":/icons/cross@4x.png"));
    checkmarkPixmap.setDevicePixelRatio(4);
    crossPixmap.setDevicePixelRatio(4);
}

ReportForm::~ReportForm()
{
    delete ui;
}
