#ifndef CERTIFICATE_H
#define CERTIFICATE_H

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

// The signer as a person, as the page and the history show it: the common name of the
// certificate's subject without control, format (bidirectional) or line-breaking
// characters, on one line of at most maximumName characters, and the CPF of an
// ICP-Brasil certificate, from its subjectAltName or from a common name "NAME:CPF".
struct Signer
{
    static constexpr int maximumName = 64; // the longest common name X.520 allows

    QString name;
    QString cpf; // eleven digits, or empty

    static Signer fromCommonName(const QString &commonName);
    static Signer fromCertificate(X509 *certificate);
    // A name the signer can be known by: it holds a letter.
    bool isUsable() const;
    // The CPF with every digit but its two check digits hidden: "***.***.***-01".
    QString maskedCpf() const;
    // The name, followed by the masked CPF where there is one.
    QString display() const;
};

// A private key with its certificate and the certificates that came with it: an A1
// certificate file (Pkcs12Key) or a certificate on a token (TokenKey), whose key never
// leaves the token. A key that cannot sign says why (problem(), errorString()).
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

    Signer signer() const { return Signer::fromCertificate(certificate()); }
    bool isUsable() const { return fault == None; }
    Problem problem() const { return fault; }
    // Why the key cannot sign, in words for the user; empty when it can.
    QString errorString() const;

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
