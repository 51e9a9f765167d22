#include "report/tokenkey.h"

#include "core/logging.h"

#include <QFile>
#include <QFileInfo>

#include <libp11.h>
#include <openssl/x509v3.h>

namespace {

// PKCS#11 return values that the user can act on.
#define CKR_PIN_INCORRECT 0xA0
#define CKR_PIN_LEN_RANGE 0xA2
#define CKR_PIN_LOCKED 0xA4

QString label(const char *text)
{
    return QString::fromUtf8(text).trimmed();
}

} // namespace

TokenKey::TokenKey(const QString &module)
    : context(PKCS11_CTX_new(), PKCS11_CTX_free)
{
    source = module;
    // A path that is no regular file (a FIFO) is not handed to the loader; a bare name
    // is looked up in the system's library folders.
    const bool path = module.contains(QLatin1Char('/')) || module.contains(QLatin1Char('\\'));
    loaded = context && (!path || QFileInfo(module).isFile()) &&
             PKCS11_CTX_load(context.get(), QFile::encodeName(module).constData()) == 0;
    if (!loaded) {
        refuse(NoModule, lastOpenSslError());
        return;
    }
    const bool listed = PKCS11_enumerate_slots(context.get(), &slotList, &slotCount) == 0;
    for (unsigned int i = 0; listed && i < slotCount; ++i) {
        PKCS11_TOKEN *token = slotList[i].token;
        PKCS11_CERT *certs = nullptr;
        unsigned int count = 0;
        if (!token || !token->initialized || PKCS11_enumerate_certs(token, &certs, &count) != 0)
            continue;
        for (unsigned int c = 0; c < count; ++c)
            if (certs[c].x509)
                found.append({&slotList[i], &certs[c]});
    }
    qCInfo(zetuSign) << "PKCS#11 module" << module << ":" << slotCount << "slotList,"
                     << found.size() << "certificates";
    if (found.isEmpty())
        refuse(NoTokenCertificate);
}

TokenKey::~TokenKey()
{
    key.reset(); // before the module that made it goes
    if (slotList)
        PKCS11_release_all_slots(context.get(), slotList, slotCount);
    if (loaded)
        PKCS11_CTX_unload(context.get());
}

QStringList TokenKey::certificates() const
{
    QStringList list;
    for (const Found &f : found)
        list << QStringLiteral("%1 — %2").arg(certificateSigner(f.cert->x509).display(),
                                              label(f.slot->token->label));
    return list;
}

X509 *TokenKey::certificate() const
{
    return chosen < 0 ? nullptr : found[chosen].cert->x509;
}

// The issuers of the certificate that its token holds too, up to the root.
QVector<X509 *> TokenKey::chain() const
{
    QVector<X509 *> issuers;
    X509 *last = certificate();
    while (last && X509_check_issued(last, last) != X509_V_OK && issuers.size() < found.size()) {
        X509 *issuer = nullptr;
        for (const Found &f : found)
            if (f.slot == found[chosen].slot && X509_check_issued(f.cert->x509, last) == X509_V_OK)
                issuer = f.cert->x509;
        if (issuer)
            issuers.append(issuer);
        last = issuer;
    }
    return issuers;
}

bool TokenKey::open(int index, const QByteArray &pin, const QDateTime &now)
{
    if (index < 0 || index >= found.size())
        return refuse(NoTokenCertificate) == None;
    chosen = index;
    fault = None;
    PKCS11_SLOT *slot = found[index].slot;
    source = label(slot->token->label);
    ERR_clear_error();
    if (PKCS11_login(slot, 0, pin.constData()) != 0) {
        const unsigned long error = ERR_peek_last_error();
        const auto is = [error](int reason) {
            return ERR_GET_LIB(error) == ERR_get_CKR_code() && ERR_GET_REASON(error) == reason;
        };
        return refuse(is(CKR_PIN_LOCKED)                               ? PinLocked
                      : is(CKR_PIN_INCORRECT) || is(CKR_PIN_LEN_RANGE) ? WrongPin
                                                                       : TokenFailed,
                      lastOpenSslError()) == None;
    }
    PKCS11_KEY *tokenKey = PKCS11_find_key(found[index].cert);
    key.reset(tokenKey ? PKCS11_get_private_key(tokenKey) : nullptr);
    if (!key)
        return refuse(TokenFailed, lastOpenSslError()) == None;
    source = certificateSigner(certificate()).display();
    return check(certificate(), now) == None;
}
