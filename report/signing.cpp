// The Sign button of the report dialog: the physicist's certificate, an A1 file and its
// password or a certificate on a token and its PIN, then where to save; the report is
// saved as by Save, with a line naming the signer on page 3, and signed and checked
// before it takes the chosen name.

#include "core/dateformats.h"
#include "core/logging.h"
#include "report/certificate.h"
#include "report/pdfsigner.h"
#include "report/reportform.h"
#include "report/signingmodule.h"
#include "report/tokenkey.h"
#include "ui_reportform.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QThread>

#include <memory>

namespace {

const QString dateTimeFormat = QStringLiteral("dd/MM/yyyy HH:mm:ss");

QVariant setting(const char *key, const QVariant &fallback = QVariant())
{
    const QSettings settings(QStringLiteral("zetu.ini"), QSettings::IniFormat);
    return settings.value(QLatin1String("Signature/") + QLatin1String(key), fallback);
}

// Reads the signature policy of zetu.ini; false when one is named but malformed.
bool readPolicy(PdfSigner::Policy *policy)
{
    const QString oid = setting("PolicyOid").toString();
    const QString hash = setting("PolicyHash").toString();
    const QString uri = setting("PolicyUri").toString();
    if (PdfSigner::Policy::fromText(oid, hash, uri, policy))
        return true;
    qCWarning(zetuSign) << "malformed signature policy in zetu.ini:" << oid << hash << uri;
    return false;
}

// Runs `work` on a thread of its own while the dialog waits, disabled, its window still
// drawn: a token may take its time, the window never stalls.
void runAside(QWidget *dialog, const std::function<void()> &work)
{
    QEventLoop loop;
    std::unique_ptr<QThread> thread(QThread::create(work));
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    dialog->setEnabled(false);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    thread->start();
    loop.exec();
    thread->wait();
    QApplication::restoreOverrideCursor();
    dialog->setEnabled(true);
}

// Asks for a password or PIN until `open` takes one (returns no reason to ask again) or
// the dialog is cancelled; after a wrong one the question says why. The typed text is
// wiped once used, and never logged.
bool askSecret(QWidget *dialog, const QString &title, const QString &label,
               const std::function<QString(const QByteArray &)> &open)
{
    QString problem;
    for (;;) {
        bool entered = false;
        QByteArray secret = QInputDialog::getText(dialog, title, problem + label,
                                                  QLineEdit::Password, QString(), &entered)
                                .toUtf8();
        if (!entered)
            return false;
        problem = open(secret);
        secret.fill('\0');
        if (problem.isEmpty())
            return true;
        problem += QLatin1Char('\n');
    }
}

// The certificate chosen by the physicist: null when a dialog was cancelled; otherwise
// a key that can sign or says why it cannot.
std::unique_ptr<SigningKey> chooseKey(const SigningModule &module, QWidget *dialog,
                                      const QString &title)
{
    QMessageBox question(QMessageBox::Question, title,
                         ReportForm::tr("Onde está o certificado digital?"), QMessageBox::Cancel,
                         dialog);
    const QAbstractButton *file =
        question.addButton(ReportForm::tr("Arquivo A1 (.pfx, .p12)…"), QMessageBox::AcceptRole);
    const QAbstractButton *token =
        question.addButton(ReportForm::tr("Token ou cartão (A3)…"), QMessageBox::AcceptRole);
    question.exec();
    std::unique_ptr<SigningKey> key;
    if (question.clickedButton() == file) {
        const QString fileName = QFileDialog::getOpenFileName(
            dialog, ReportForm::tr("Certificado digital"), QDir::homePath(),
            ReportForm::tr("Certificado A1 (*.pfx *.p12)"));
        const QString label =
            ReportForm::tr("Senha do certificado %1:").arg(QFileInfo(fileName).fileName());
        if (fileName.isNull() || !askSecret(dialog, title, label, [&](const QByteArray &password) {
                key = module.fileKey(fileName, password);
                return key->problem() == SigningKey::WrongPassword ? key->errorString() : QString();
            }))
            key.reset();
    } else if (question.clickedButton() == token) {
        std::unique_ptr<TokenKey> tokenKey;
        const QString pkcs11 = setting("Pkcs11Module", TokenKey::defaultModule).toString();
        runAside(dialog, [&] { tokenKey = module.tokenKey(pkcs11); });
        const QStringList certificates = tokenKey->certificates();
        bool chosen = certificates.isEmpty();
        const QString item =
            chosen ? QString()
                   : QInputDialog::getItem(dialog, title, ReportForm::tr("Certificado do token:"),
                                           certificates, 0, false, &chosen);
        const QString label = ReportForm::tr("PIN do token para %1:").arg(item);
        if (chosen &&
            (certificates.isEmpty() || askSecret(dialog, title, label, [&](const QByteArray &pin) {
                 bool opened = false;
                 runAside(dialog,
                          [&] { opened = tokenKey->open(certificates.indexOf(item), pin); });
                 return !opened && tokenKey->problem() == SigningKey::WrongPin
                            ? tokenKey->errorString()
                            : QString();
             })))
            key = std::move(tokenKey);
    }
    return key;
}

} // namespace

void ReportForm::on_pushButtonSign_clicked()
{
    const QString title = tr("Assinar Relatório");
    PdfSigner::Policy policy;
    if (!readPolicy(&policy)) {
        QMessageBox::warning(this, title,
                             tr("A política de assinatura de zetu.ini ([Signature] PolicyOid, "
                                "PolicyHash e PolicyUri) não é válida."));
        return;
    }
    QString moduleFile;
    const SigningModule *module = SigningModule::load(&moduleFile);
    if (!module) {
        QMessageBox::warning(
            this, title,
            tr("O módulo de assinatura digital %1 não pôde ser carregado. Reinstale o programa.")
                .arg(moduleFile));
        return;
    }
    const std::unique_ptr<SigningKey> key = chooseKey(*module, this, title);
    if (!key)
        return;
    if (!key->isUsable()) {
        QMessageBox::warning(this, title, key->errorString());
        return;
    }

    // Beside the report saved last, under its name and "_assinado".
    const QFileInfo saved(savedPath.isEmpty() ? proposedPath()
                                              : QDir::fromNativeSeparators(savedPath));
    const QString suffix = tr("_assinado");
    const QString base = saved.completeBaseName();
    const QString proposed = saved.path() + QLatin1Char('/') + base +
                             (base.endsWith(suffix) ? QString() : suffix) +
                             (saved.suffix().isEmpty() ? QString() : '.' + saved.suffix());
    const QString chosen = QFileDialog::getSaveFileName(nullptr, tr("Salvar Relatório Assinado"),
                                                        proposed, tr("Documentos PDF (*.pdf)"));
    if (chosen.isNull())
        return;
    const QString fileName = confirmedName(chosen);
    if (fileName.isEmpty())
        return;

    const QDateTime when = QDateTime::currentDateTime();
    const QString signer = setSigned(key->signer(), when);
    QByteArray sha256;
    PdfSigner::Outcome outcome = PdfSigner::Failed;
    const bool written = writePdf(fileName, [&](const QString &partial) {
        runAside(this, [&] { outcome = module->sign(partial, *key, when, policy, &sha256); });
        return outcome == PdfSigner::Signed;
    });
    if (!written) {
        setSigned(Signer(), when);
        const QString path = QDir::toNativeSeparators(fileName);
        QMessageBox::warning(
            this, title,
            outcome == PdfSigner::Unverified
                ? tr("A assinatura não pôde ser conferida no arquivo assinado, que por isso não "
                     "foi gravado como %1.")
                      .arg(path)
                : tr("Não foi possível gravar o relatório assinado %1.").arg(path));
        return;
    }
    emit reportSigned(fileName, {{QStringLiteral("signer"), signer},
                                 {QStringLiteral("time"), when.toString(Qt::ISODate)},
                                 {QStringLiteral("sha256"), QString::fromLatin1(sha256.toHex())}});
}

// The signer's line on page 3, on one line of the page: a name too long for it is cut.
QString ReportForm::setSigned(Signer signer, const QDateTime &when)
{
    QLabel *label = ui->labelSigned;
    const QString line = tr("Assinado digitalmente por %1 em %2");
    const QString time = when.toString(dateTimeFormat);
    const QMargins margins = ui->frameFormPage3->layout()->contentsMargins();
    const QFontMetrics metrics(label->font());
    const int room =
        ui->frameFormPage3->contentsRect().width() - margins.left() - margins.right() -
        metrics.horizontalAdvance(line.arg(Signer{QString(), signer.cpf}.display(), time));
    signer.name = metrics.elidedText(signer.name, Qt::ElideRight, room);
    const QString shown = signer.display();
    label->setText(shown.isEmpty() ? QString() : line.arg(shown, time));
    label->setVisible(!shown.isEmpty());
    ui->frameFormPage3->layout()->activate();
    return shown;
}

// The approval's line on page 3, above the signer's: a name too long for one line of
// the page is cut.
void ReportForm::setApproval(const QString &who, const QDateTime &when)
{
    QLabel *label = ui->labelApproved;
    const QString line =
        tr("Aprovado por %1 em %2").arg(QStringLiteral("%1"), when.toString(DateFormats::shown));
    const QMargins margins = ui->frameFormPage3->layout()->contentsMargins();
    const QFontMetrics metrics(label->font());
    const int room = ui->frameFormPage3->contentsRect().width() - margins.left() - margins.right() -
                     metrics.horizontalAdvance(line.arg(QString()));
    const QString name = metrics.elidedText(who.simplified(), Qt::ElideRight, room);
    label->setText(name.isEmpty() ? QString() : line.arg(name));
    label->setVisible(!name.isEmpty());
    ui->frameFormPage3->layout()->activate();
}
