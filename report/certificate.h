#ifndef CERTIFICATE_H
#define CERTIFICATE_H

#include "core/signer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QVector>

#include <memory>

#include <openssl/x509.h>

// An OpenSSL object freed with its owner.
template <typename T> using Owned = std::unique_ptr<T, void (*)(T *)>;

// The reason of OpenSSL's last failure, taken off its error queue.
QString lastOpenSslError();

// The signer named by a certificate: its subject's common name, and the CPF of its
// subjectAltName where it has one.
Signer certificateSigner(X509 *certificate);

// A private key with its certificate and the certificates that came with it: an A1
// certificate file (Pkcs12Key) or a certificate on a token (TokenKey), whose key never
// leaves the token. A key that cannot sign says why (problem(), errorString()). The
// window holds keys that the signing module made (SigningModule) and reaches their
// code through their virtual functions only.
class SigningKey
{
    Q_DECLARE_TR_FUNCTIONS(SigningKey)

public:
    enum Problem {
        None,
        Unreadable,
        NotAFile,
        NotCertificate,
        WrongPassword,
        NoPrivateKey,
        NoCertificate,
        KeyMismatch,
        Expired,
        NotYetValid,
        WeakKey,
        NotForSigning,
        NoName,
        NoModule,
        NoTokenCertificate,
        WrongPin,
        PinLocked,
        TokenFailed
    };

    SigningKey() = default;
    virtual ~SigningKey() = default;
    SigningKey(const SigningKey &) = delete;
    SigningKey &operator=(const SigningKey &) = delete;

    virtual X509 *certificate() const = 0;
    virtual QVector<X509 *> chain() const = 0; // not including certificate()
    virtual EVP_PKEY *privateKey() const = 0;

    virtual Signer signer() const;
    bool isUsable() const { return fault == None; }
    Problem problem() const { return fault; }
    // Why the key cannot sign, in words for the user; empty when it can.
    virtual QString errorString() const;

protected:
    // Logs why the key cannot sign, with OpenSSL's reason where there is one.
    Problem refuse(Problem problem, const QString &detail = QString());
    // Whether `cert` may sign at `now`: valid then, a key strong enough, a key usage
    // that allows signing, a name.
    Problem check(X509 *cert, const QDateTime &now);

    Problem fault = None;
    QString source;  // the file or the token's certificate, as messages name it
    QDateTime limit; // the validity bound passed, for Expired and NotYetValid
    QString keyKind; // for WeakKey: "RSA 1024"
};

// An A1 certificate: a PKCS#12 file (.pfx, .p12) protected by a password. The file is
// read and checked in the constructor: a regular file (never waited on), the password,
// a key, a certificate that the key belongs to and that may sign at `now`.
class Pkcs12Key : public SigningKey
{
public:
    Pkcs12Key(const QString &fileName, const QByteArray &password,
              const QDateTime &now = QDateTime::currentDateTimeUtc());

    X509 *certificate() const override { return cert.get(); }
    QVector<X509 *> chain() const override;
    EVP_PKEY *privateKey() const override { return key.get(); }

private:
    Problem read(const QString &fileName, const QByteArray &password, const QDateTime &now);

    Owned<X509> cert{nullptr, X509_free};
    Owned<EVP_PKEY> key{nullptr, EVP_PKEY_free};
    Owned<STACK_OF(X509)> others{nullptr,
                                 [](STACK_OF(X509) * list) { sk_X509_pop_free(list, X509_free); }};
};

#endif // CERTIFICATE_H
