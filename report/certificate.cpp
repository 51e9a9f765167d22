#include "report/certificate.h"

#include "core/logging.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <openssl/err.h>
#include <openssl/pkcs12.h>
#include <openssl/provider.h>
#include <openssl/x509.h>

namespace {

// A certificate file is a few kilobytes; of a larger file, something else, no more is
// read.
const qint64 largestCertificateFile = 1 << 20;

QDateTime fromAsn1(const ASN1_TIME *time)
{
    struct tm parts = {};
    if (!ASN1_TIME_to_tm(time, &parts))
        return QDateTime();
    return QDateTime(QDate(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday),
                     QTime(parts.tm_hour, parts.tm_min, parts.tm_sec), Qt::UTC);
}

QString commonName(X509 *certificate)
{
    const X509_NAME *subject = X509_get_subject_name(certificate);
    // The first common name; no entry (null) when there is none.
    const X509_NAME_ENTRY *entry =
        X509_NAME_get_entry(subject, X509_NAME_get_index_by_NID(subject, NID_commonName, -1));
    unsigned char *utf8 = nullptr;
    const int length = entry ? ASN1_STRING_to_UTF8(&utf8, X509_NAME_ENTRY_get_data(entry)) : 0;
    // Nothing converted leaves utf8 null, and the name empty.
    const QString name = QString::fromUtf8(reinterpret_cast<const char *>(utf8), length);
    OPENSSL_free(utf8);
    return name;
}

} // namespace

QString lastOpenSslError()
{
    return QString::fromLatin1(ERR_reason_error_string(ERR_get_error()));
}

Signer Signer::fromCommonName(const QString &commonName)
{
    static const QRegularExpression icpBrasil(QStringLiteral("^(.+):(\\d{11})$"));
    const QRegularExpressionMatch match = icpBrasil.match(commonName.trimmed());
    if (!match.hasMatch())
        return {commonName.trimmed(), QString()};
    return {match.captured(1).trimmed(), match.captured(2)};
}

QString Signer::maskedCpf() const
{
    return cpf.isEmpty() ? QString() : QStringLiteral("***.***.***-") + cpf.right(2);
}

QString Signer::display() const
{
    return cpf.isEmpty() ? name : QStringLiteral("%1 (CPF %2)").arg(name, maskedCpf());
}

Signer SigningKey::signer() const
{
    return Signer::fromCommonName(commonName(certificate()));
}

Pkcs12Key::Pkcs12Key(const QString &fileName, const QByteArray &password, const QDateTime &now)
    : fileName(fileName)
{
    fault = read(fileName, password, now);
}

Pkcs12Key::Problem Pkcs12Key::refuse(Problem problem, const QString &detail)
{
    fault = problem;
    qCWarning(zetuSign) << "certificate" << fileName << "refused:" << errorString() << detail;
    return problem;
}

Pkcs12Key::~Pkcs12Key()
{
    X509_free(cert);
    EVP_PKEY_free(key);
    sk_X509_pop_free(others, X509_free);
}

QVector<X509 *> Pkcs12Key::chain() const
{
    QVector<X509 *> list;
    for (int i = 0; i < sk_X509_num(others); ++i)
        list.append(sk_X509_value(others, i));
    return list;
}

Pkcs12Key::Problem Pkcs12Key::read(const QString &fileName, const QByteArray &password,
                                   const QDateTime &now)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(Unreadable, file.errorString());
    const QByteArray data = file.read(largestCertificateFile);

    const unsigned char *bytes = reinterpret_cast<const unsigned char *>(data.constData());
    PKCS12 *p12 = d2i_PKCS12(nullptr, &bytes, data.size());
    if (!p12)
        return refuse(NotCertificate, lastOpenSslError());
    const bool hasMac = PKCS12_mac_present(p12);
    const bool passwordFits =
        !hasMac ||
        (password.isEmpty() ? PKCS12_verify_mac(p12, nullptr, 0) || PKCS12_verify_mac(p12, "", 0)
                            : PKCS12_verify_mac(p12, password.constData(), password.size()));
    // Certificates exported by older systems are protected with algorithms that
    // OpenSSL 3 keeps in its legacy provider, needed only while the file is opened.
    OSSL_PROVIDER *legacy = OSSL_PROVIDER_try_load(nullptr, "legacy", 1);
    const bool parsed =
        passwordFits && PKCS12_parse(p12, password.isEmpty() ? nullptr : password.constData(), &key,
                                     &cert, &others);
    OSSL_PROVIDER_unload(legacy);
    PKCS12_free(p12);
    if (!passwordFits)
        return refuse(WrongPassword);
    if (!parsed)
        return refuse(hasMac ? NotCertificate : WrongPassword, lastOpenSslError());
    // The key's certificate is the one the key matches; without a match every
    // certificate of the file is among the others.
    if (!key)
        return refuse(NoPrivateKey);
    if (!cert)
        return refuse(sk_X509_num(others) ? KeyMismatch : NoCertificate);
    time_t at = now.toSecsSinceEpoch();
    // -1: the bound lies before `at`; 1: after it; 0: unreadable.
    if (X509_cmp_time(X509_get0_notAfter(cert), &at) == -1) {
        limit = fromAsn1(X509_get0_notAfter(cert));
        return refuse(Expired);
    }
    if (X509_cmp_time(X509_get0_notBefore(cert), &at) == 1) {
        limit = fromAsn1(X509_get0_notBefore(cert));
        return refuse(NotYetValid);
    }
    return None;
}

QString Pkcs12Key::errorString() const
{
    const QString name = QFileInfo(fileName).fileName();
    const QString when = limit.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm"));
    switch (fault) {
    case None:
        break;
    case Unreadable:
        return tr("Não foi possível ler o arquivo %1.").arg(name);
    case NotCertificate:
        return tr("O arquivo %1 não é um certificado digital A1 (.pfx ou .p12).").arg(name);
    case WrongPassword:
        return tr("A senha não confere com o certificado %1.").arg(name);
    case NoPrivateKey:
        return tr("O arquivo %1 tem o certificado, mas não a chave privada. Exporte-o de novo "
                  "incluindo a chave privada.")
            .arg(name);
    case NoCertificate:
        return tr("O arquivo %1 tem uma chave privada, mas nenhum certificado.").arg(name);
    case KeyMismatch:
        return tr("A chave privada do arquivo %1 não pertence ao certificado que ele contém.")
            .arg(name);
    case Expired:
        return tr("O certificado do arquivo %1 venceu em %2.").arg(name, when);
    case NotYetValid:
        return tr("O certificado do arquivo %1 só é válido a partir de %2.").arg(name, when);
    }
    return QString();
}
