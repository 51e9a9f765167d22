#include "report/reportform.h"
#include "report/certificate.h"
#include "report/reportcell.h"
#include "ui_reportform.h"

#include <QDir>
#include <QEvent>

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
    // A name of any length keeps the footers, the ID and the signer's line apart.
    for (ReportCell *name : {ui->labelResp, ui->labelResp_2, ui->labelResp_3})
        name->setMaximumLines(2);
    connect(this, &ReportForm::reportSaved, this,
            [this](const QString &fileName) { showSavedPath(fileName); });
    connect(this, &ReportForm::reportSigned, this,
            [this](const QString &fileName) { showSavedPath(fileName, true); });
    ui->labelSaved->installEventFilter(this);
}

ReportForm::~ReportForm()
{
    delete ui;
}

// A report opened anew has not been saved or signed yet.
void ReportForm::showEvent(QShowEvent *event)
{
    showSavedPath(QString());
    setSigned(Signer(), QDateTime());
    QDialog::showEvent(event);
}

// Only the saved line is watched: it is cut anew to each width it gets.
bool ReportForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        elideSavedPath();
    return QDialog::eventFilter(watched, event);
}

void ReportForm::showSavedPath(const QString &fileName, bool signedFile)
{
    savedPath = QDir::toNativeSeparators(fileName);
    savedSigned = signedFile;
    ui->labelSaved->setToolTip(savedPath);
    elideSavedPath();
}

// The whole line when it fits, else cut in the middle of the path: its folder's start
// and the file's name stay readable, and the tool tip holds the whole path.
void ReportForm::elideSavedPath()
{
    if (savedPath.isEmpty()) {
        ui->labelSaved->clear();
        return;
    }
    const QString line = savedSigned ? tr("Assinado e salvo em %1") : tr("Salvo em %1");
    const QFontMetrics metrics = ui->labelSaved->fontMetrics();
    const int room =
        ui->labelSaved->contentsRect().width() - metrics.horizontalAdvance(line.arg(QString()));
    ui->labelSaved->setText(line.arg(metrics.elidedText(savedPath, Qt::ElideMiddle, room)));
}
