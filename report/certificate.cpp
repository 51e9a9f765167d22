#include "report/certificate.h"

#include "core/logging.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <openssl/err.h>
#include <openssl/pkcs12.h>
#include <openssl/provider.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

// The CPF of an ICP-Brasil certificate for a person: its subjectAltName otherName
// 2.16.76.1.3.1 holds the birth date (eight digits) and then the CPF (eleven digits,
// all zeros when not given). Empty when the certificate has none.
QString cpfOfAltName(X509 *certificate)
{
    const Owned<GENERAL_NAMES> names(static_cast<GENERAL_NAMES *>(X509_get_ext_d2i(
                                         certificate, NID_subject_alt_name, nullptr, nullptr)),
                                     GENERAL_NAMES_free);
    QString cpf;
    for (int i = 0; i < sk_GENERAL_NAME_num(names.get()); ++i) {
        const GENERAL_NAME *name = sk_GENERAL_NAME_value(names.get(), i);
        char oid[32] = {};
        if (name->type != GEN_OTHERNAME ||
            OBJ_obj2txt(oid, sizeof oid, name->d.otherName->type_id, 1) <= 0 ||
            qstrcmp(oid, "2.16.76.1.3.1") != 0)
            continue;
        const ASN1_TYPE *value = name->d.otherName->value;
        const bool text =
            ASN1_tag2bit(value->type) &
            (B_ASN1_OCTET_STRING | B_ASN1_PRINTABLESTRING | B_ASN1_UTF8STRING | B_ASN1_IA5STRING);
        const QString digits =
            text ? QString::fromLatin1(reinterpret_cast<const char *>(
                                           ASN1_STRING_get0_data(value->value.asn1_string)),
                                       ASN1_STRING_length(value->value.asn1_string))
                       .mid(8, 11)
                 : QString();
        static const QRegularExpression given(QStringLiteral("^(?!0{11})\\d{11}$"));
        if (given.match(digits).hasMatch())
            cpf = digits;
    }
    return cpf;
}

} // namespace

QString lastOpenSslError()
{
    return QString::fromLatin1(ERR_reason_error_string(ERR_get_error()));
}

Signer certificateSigner(X509 *certificate)
{
    Signer signer = Signer::fromCommonName(commonName(certificate));
    const QString cpf = cpfOfAltName(certificate);
    if (!cpf.isEmpty())
        signer.cpf = cpf;
    return signer;
}

Signer SigningKey::signer() const
{
    return certificateSigner(certificate());
}

SigningKey::Problem SigningKey::refuse(Problem problem, const QString &detail)
{
    fault = problem;
    qCWarning(zetuSign) << "certificate" << source << "refused:" << errorString() << detail;
    return problem;
}

SigningKey::Problem SigningKey::check(X509 *cert, const QDateTime &now)
{
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
    // The smallest keys that ICP-Brasil's signature policies accept.
    const EVP_PKEY *publicKey = X509_get0_pubkey(cert);
    const bool rsa = EVP_PKEY_is_a(publicKey, "RSA"), ec = EVP_PKEY_is_a(publicKey, "EC");
    const int bits = EVP_PKEY_get_bits(publicKey);
    if ((!rsa && !ec) || bits < (rsa ? 2048 : 256)) {
        keyKind = QStringLiteral("%1 %2").arg(
            QString::fromLatin1(EVP_PKEY_get0_type_name(publicKey)), QString::number(bits));
        return refuse(WeakKey);
    }
    // Without the extension every use is allowed.
    if ((X509_get_extension_flags(cert) & EXFLAG_KUSAGE) &&
        !(X509_get_key_usage(cert) & (KU_DIGITAL_SIGNATURE | KU_NON_REPUDIATION)))
        return refuse(NotForSigning);
    if (!certificateSigner(cert).isUsable())
        return refuse(NoName);
    return None;
}

QString SigningKey::errorString() const
{
    const QString when = limit.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm"));
    switch (fault) {
    case None:
        break;
    case Unreadable:
        return tr("Não foi possível ler o arquivo %1.").arg(source);
    case NotAFile:
        return tr("%1 não é um arquivo comum e não foi aberto.").arg(source);
    case NotCertificate:
        return tr("O arquivo %1 não é um certificado digital A1 (.pfx ou .p12).").arg(source);
    case WrongPassword:
        return tr("A senha não confere com o certificado %1.").arg(source);
    case NoPrivateKey:
        return tr("O arquivo %1 tem o certificado, mas não a chave privada. Exporte-o de novo "
                  "incluindo a chave privada.")
            .arg(source);
    case NoCertificate:
        return tr("O arquivo %1 tem uma chave privada, mas nenhum certificado.").arg(source);
    case KeyMismatch:
        return tr("A chave privada do arquivo %1 não pertence ao certificado que ele contém.")
            .arg(source);
    case Expired:
        return tr("O certificado %1 venceu em %2.").arg(source, when);
    case NotYetValid:
        return tr("O certificado %1 só é válido a partir de %2.").arg(source, when);
    case WeakKey:
        return tr("A chave do certificado %1 (%2 bits) é fraca demais para assinar: são "
                  "precisos ao menos 2048 bits (RSA) ou 256 bits (curva elíptica).")
            .arg(source, keyKind);
    case NotForSigning:
        return tr("O certificado %1 não serve para assinar: seu uso de chave não inclui "
                  "assinatura digital nem não repúdio.")
            .arg(source);
    case NoName:
        return tr("O certificado %1 não traz o nome do titular.").arg(source);
    case NoModule:
        return tr("Não foi possível carregar o módulo PKCS#11 %1 ([Signature] Pkcs11Module "
                  "de zetu.ini).")
            .arg(source);
    case NoTokenCertificate:
        return tr("Nenhum certificado foi encontrado em token ou cartão (módulo %1). "
                  "Confira se o token está conectado.")
            .arg(source);
    case WrongPin:
        return tr("O PIN não confere com o token %1.").arg(source);
    case PinLocked:
        return tr("O PIN do token %1 está bloqueado.").arg(source);
    case TokenFailed:
        return tr("O token %1 não pôde ser usado para assinar.").arg(source);
    }
    return QString();
}

Pkcs12Key::Pkcs12Key(const QString &fileName, const QByteArray &password, const QDateTime &now)
{
    source = QFileInfo(fileName).fileName();
    fault = read(fileName, password, now);
}

QVector<X509 *> Pkcs12Key::chain() const
{
    QVector<X509 *> list;
    for (int i = 0; i < sk_X509_num(others.get()); ++i)
        list.append(sk_X509_value(others.get(), i));
    return list;
}

Pkcs12Key::Problem Pkcs12Key::read(const QString &fileName, const QByteArray &password,
                                   const QDateTime &now)
{
    QFile file;
#ifdef Q_OS_UNIX
    // Opened without waiting (a FIFO would wait for a writer), then taken only if it
    // is a regular file.
    const int fd =
        ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat status;
    if (fd == -1)
        return refuse(Unreadable, qt_error_string(errno));
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return refuse(NotAFile);
    }
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
#else
    file.setFileName(fileName);
    if (!QFileInfo(fileName).isFile())
        return refuse(NotAFile);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(Unreadable, file.errorString());
#endif
    const QByteArray data = file.read(largestCertificateFile);
    file.close();

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
    EVP_PKEY *parsedKey = nullptr;
    X509 *parsedCert = nullptr;
    STACK_OF(X509) *parsedOthers = nullptr;
    const bool parsed =
        passwordFits && PKCS12_parse(p12, password.isEmpty() ? nullptr : password.constData(),
                                     &parsedKey, &parsedCert, &parsedOthers);
    key.reset(parsedKey);
    cert.reset(parsedCert);
    others.reset(parsedOthers);
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
        return refuse(sk_X509_num(others.get()) ? KeyMismatch : NoCertificate);
    return check(cert.get(), now);
}
