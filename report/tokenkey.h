#ifndef TOKENKEY_H
#define TOKENKEY_H

#include "report/certificate.h"

#include <QStringList>

struct PKCS11_ctx_st;
struct PKCS11_slot_st;
struct PKCS11_cert_st;

// A certificate on a token or smart card (an A3 certificate), reached through a PKCS#11
// module with libp11: its private key never leaves the token, which makes the
// signature. Every call may wait on the token; the window runs them on a thread of
// their own.
class TokenKey : public SigningKey
{
public:
    // The module when zetu.ini names none: p11-kit's proxy, which reaches every token
    // driver installed on the system.
    static constexpr char defaultModule[] = "p11-kit-proxy.so";

    // Loads the module (a library name or path) and lists the certificates of every
    // token it reaches; NoModule or NoTokenCertificate when there is none.
    explicit TokenKey(const QString &module);
    ~TokenKey() override;

    // The certificates found, as the list shows them: the signer, then the token.
    virtual QStringList certificates() const;
    // Takes the certificate `index` of the list, logs in to its token with `pin` and
    // checks the certificate as a file's is checked. False, with problem() set (WrongPin:
    // the PIN may be typed again), when it cannot sign.
    virtual bool open(int index, const QByteArray &pin,
                      const QDateTime &now = QDateTime::currentDateTimeUtc());

    X509 *certificate() const override;
    QVector<X509 *> chain() const override;
    EVP_PKEY *privateKey() const override { return key.get(); }

private:
    struct Found
    {
        PKCS11_slot_st *slot;
        PKCS11_cert_st *cert;
    };

    Owned<PKCS11_ctx_st> context;
    bool loaded = false;
    PKCS11_slot_st *slotList = nullptr;
    unsigned int slotCount = 0;
    QVector<Found> found;
    int chosen = -1;
    Owned<EVP_PKEY> key{nullptr, EVP_PKEY_free};
};

#endif // TOKENKEY_H
