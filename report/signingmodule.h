#ifndef SIGNINGMODULE_H
#define SIGNINGMODULE_H

#include "report/pdfsigner.h"

#include <QString>

#include <memory>

class SigningKey;
class TokenKey;

// The signing code (certificates, tokens and the signature, with OpenSSL, qpdf and
// libp11) is a module of its own, zetusign, in the program's library folder: the
// program starts without those libraries and loads them at the first signature or
// About box. The window reaches the module through this table only.
class SigningModule
{
public:
    virtual ~SigningModule() = default;

    // The A1 certificate file, read and checked as Pkcs12Key does.
    virtual std::unique_ptr<SigningKey> fileKey(const QString &fileName,
                                                const QByteArray &password) const = 0;
    // The certificates of the tokens that the PKCS#11 module reaches, as TokenKey.
    virtual std::unique_ptr<TokenKey> tokenKey(const QString &pkcs11Module) const = 0;
    // PdfSigner::sign.
    virtual PdfSigner::Outcome sign(const QString &fileName, const SigningKey &key,
                                    const QDateTime &when, const PdfSigner::Policy &policy,
                                    QByteArray *sha256) const = 0;
    // The versions of the libraries as loaded: "OpenSSL 3.0.15 3 Sep 2024", "11.3.0".
    virtual QString openSslVersion() const = 0;
    virtual QString qpdfVersion() const = 0;

    // The module, loaded at the first call and kept; null, with the reason logged, when
    // it cannot be loaded. `fileName` is set to the module's file.
    static const SigningModule *load(QString *fileName);
    // The folder the module is loaded from; by default the program's library folder
    // (in the build tree, the build folder).
    static void setFolder(const QString &folder);
};

// The module's one exported function, zetuSigningModule (extern "C").
using SigningModuleEntry = const SigningModule *(*)();

#endif // SIGNINGMODULE_H
