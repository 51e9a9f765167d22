// The Sign button of the report dialog: the physicist's A1 certificate and its
// password, then where to save; the report is saved as by Save, with a line naming
// the signer on page 3, and signed before it takes the chosen name.

#include "core/logging.h"
#include "report/certificate.h"
#include "report/pdfsigner.h"
#include "report/reportform.h"
#include "ui_reportform.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

namespace {

// Reads the signature policy of zetu.ini; false when one is named but malformed.
bool readPolicy(PdfSigner::Policy *policy)
{
    const QSettings settings(QStringLiteral("zetu.ini"), QSettings::IniFormat);
    const QString oid = settings.value(QStringLiteral("Signature/PolicyOid")).toString();
    const QString hash = settings.value(QStringLiteral("Signature/PolicyHash")).toString();
    if (PdfSigner::Policy::fromText(oid, hash, policy))
        return true;
    qCWarning(zetuSign) << "malformed signature policy in zetu.ini:" << oid << hash;
    return false;
}

} // namespace

void ReportForm::on_pushButtonSign_clicked()
{
    const QString title = tr("Assinar Relatório");
    const QString certificateFile = QFileDialog::getOpenFileName(
        this, tr("Certificado digital"), QDir::homePath(), tr("Certificado A1 (*.pfx *.p12)"));
    if (certificateFile.isNull())
        return;
    bool entered = false;
    QByteArray password =
        QInputDialog::getText(
            this, title, tr("Senha do certificado %1:").arg(QFileInfo(certificateFile).fileName()),
            QLineEdit::Password, QString(), &entered)
            .toUtf8();
    if (!entered)
        return;
    const Pkcs12Key key(certificateFile, password);
    password.fill('\0');
    PdfSigner::Policy policy;
    if (!key.isUsable() || !readPolicy(&policy)) {
        QMessageBox::warning(this, title,
                             key.isUsable()
                                 ? tr("A política de assinatura de zetu.ini ([Signature] "
                                      "PolicyOid e PolicyHash) não é válida.")
                                 : key.errorString());
        return;
    }

    const QString proposed = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                             tr("/relatorio_zetu.pdf");
    const QString fileName =
        QFileDialog::getSaveFileName(nullptr, tr("Salvar Relatório Assinado"), proposed);
    if (fileName.isNull())
        return;

    const QDateTime when = QDateTime::currentDateTime();
    const QString signer = key.signer().display();
    showSigner(tr("Assinado digitalmente por %1 em %2")
                   .arg(signer, when.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"))));
    QByteArray sha256;
    const bool written = writePdf(fileName, [&](const QString &partial) {
        return PdfSigner::sign(partial, key, when, policy, &sha256);
    });
    showSigner(QString());
    if (!written) {
        QMessageBox::warning(this, title,
                             tr("Não foi possível gravar o relatório assinado %1.")
                                 .arg(QDir::toNativeSeparators(fileName)));
        return;
    }
    emit reportSigned(fileName, {{QStringLiteral("signer"), signer},
                                 {QStringLiteral("time"), when.toString(Qt::ISODate)},
                                 {QStringLiteral("sha256"), QString::fromLatin1(sha256.toHex())}});
}

// The signer's line on page 3 is in a signed file only.
void ReportForm::showSigner(const QString &line)
{
    ui->labelSigned->setText(line);
    ui->labelSigned->setVisible(!line.isEmpty());
    ui->frameFormPage3->layout()->activate();
}
