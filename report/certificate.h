#ifndef CERTIFICATE_H
#define CERTIFICATE_H

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QVector>

#include <openssl/types.h>

// The reason of OpenSSL's last failure, taken off its error queue.
QString lastOpenSslError();

// The signer as a person: the name of the certificate's subject and, for ICP-Brasil
// certificates, whose common name reads "NAME:CPF", the CPF.
struct Signer
{
    QString name;
    QString cpf; // eleven digits, or empty

    static Signer fromCommonName(const QString &commonName);
    // The CPF with every digit but its two check digits hidden: "***.***.***-01".
    QString maskedCpf() const;
    // The name, followed by the masked CPF where there is one.
    QString display() const;
};

// A private key with its certificate and the certificates that came with it. An A1
// certificate file is one source (Pkcs12Key); a key that never leaves a token can be
// another, as an OpenSSL key reached through a PKCS#11 provider.
class SigningKey
{
public:
    virtual ~SigningKey() = default;
    virtual X509 *certificate() const = 0;
    virtual QVector<X509 *> chain() const = 0; // not including certificate()
    virtual EVP_PKEY *privateKey() const = 0;

    Signer signer() const;
};

// An A1 certificate: a PKCS#12 file (.pfx, .p12) protected by a password. The file is
// read and checked in the constructor: the password, a key, a certificate that the key
// belongs to and that is valid at `now`.
class Pkcs12Key : public SigningKey
{
    Q_DECLARE_TR_FUNCTIONS(Pkcs12Key)

public:
    enum Problem {
        None,
        Unreadable,
        NotCertificate,
        WrongPassword,
        NoPrivateKey,
        NoCertificate,
        KeyMismatch,
        Expired,
        NotYetValid
    };

    Pkcs12Key(const QString &fileName, const QByteArray &password,
              const QDateTime &now = QDateTime::currentDateTimeUtc());
    ~Pkcs12Key() override;
    Pkcs12Key(const Pkcs12Key &) = delete;
    Pkcs12Key &operator=(const Pkcs12Key &) = delete;

    bool isUsable() const { return fault == None; }
    Problem problem() const { return fault; }
    // Why the file cannot sign, in words for the user; empty when it can.
    QString errorString() const;

    X509 *certificate() const override { return cert; }
    QVector<X509 *> chain() const override;
    EVP_PKEY *privateKey() const override { return key; }

private:
    Problem read(const QString &fileName, const QByteArray &password, const QDateTime &now);
    // Logs why the file cannot sign, with OpenSSL's reason where there is one.
    Problem refuse(Problem problem, const QString &detail = QString());

    Problem fault = None;
    QString fileName;
    QDateTime limit; // the validity bound passed, for Expired and NotYetValid
    X509 *cert = nullptr;
    EVP_PKEY *key = nullptr;
    STACK_OF(X509) *others = nullptr;
};

#endif // CERTIFICATE_H
