// The signing module itself, zetusign: the code that needs OpenSSL, qpdf and libp11,
// offered to the program through SigningModule.

#include "report/certificate.h"
#include "report/signingmodule.h"
#include "report/tokenkey.h"

// qpdf's own pointers only, not its old PointerHolder.
#define POINTERHOLDER_TRANSITION 4
#include <openssl/crypto.h>
#include <qpdf/QPDF.hh>

namespace {

class SigningLibrary : public SigningModule
{
public:
    std::unique_ptr<SigningKey> fileKey(const QString &fileName,
                                        const QByteArray &password) const override
    {
        return std::make_unique<Pkcs12Key>(fileName, password);
    }

    std::unique_ptr<TokenKey> tokenKey(const QString &pkcs11Module) const override
    {
        return std::make_unique<TokenKey>(pkcs11Module);
    }

    PdfSigner::Outcome sign(const QString &fileName, const SigningKey &key, const QDateTime &when,
                            const PdfSigner::Policy &policy, QByteArray *sha256) const override
    {
        return PdfSigner::sign(fileName, key, when, policy, sha256);
    }

    QString openSslVersion() const override
    {
        return QString::fromLatin1(OpenSSL_version(OPENSSL_VERSION));
    }

    QString qpdfVersion() const override { return QString::fromStdString(QPDF::QPDFVersion()); }
};

} // namespace

extern "C" Q_DECL_EXPORT const SigningModule *zetuSigningModule()
{
    static const SigningLibrary library;
    return &library;
}
