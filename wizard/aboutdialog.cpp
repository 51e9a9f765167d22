#include "wizard/aboutdialog.h"
#include "ui_aboutdialog.h"

#include "report/signingmodule.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>

namespace {
const int logoSize = 64;
}

AboutDialog::AboutDialog(const QString &databasePath, const QString &settingsPath, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::AboutDialog)
{
    ui->setupUi(this);
    ui->labelLogo->setPixmap(windowIcon().pixmap(logoSize));
    ui->labelName->setText(tr("ZETU %1").arg(QCoreApplication::applicationVersion()));
    // The signing libraries' versions as loaded, which loads them.
    QString moduleFile;
    const SigningModule *signing = SigningModule::load(&moduleFile);
    const QString qt = QString::fromLatin1(qVersion());
    ui->labelVersions->setText(
        signing
            ? tr("Qt %1\n%2\nqpdf %3").arg(qt, signing->openSslVersion(), signing->qpdfVersion())
            : tr("Qt %1\nAssinatura digital indisponível: o módulo %2 não pôde ser carregado.")
                  .arg(qt, moduleFile));
    ui->labelFiles->setText(tr("Banco de dados: %1\nConfigurações: %2")
                                .arg(databasePath, QDir::toNativeSeparators(settingsPath)));
}

AboutDialog::~AboutDialog()
{
    delete ui;
}

QString AboutDialog::text() const
{
    return QStringList{ui->labelName->text(), ui->labelPurpose->text(), ui->labelLicence->text(),
                       ui->labelVersions->text(), ui->labelFiles->text()}
        .join(QLatin1Char('\n'));
}

void AboutDialog::on_pushButtonCopy_clicked()
{
    QGuiApplication::clipboard()->setText(text());
}
