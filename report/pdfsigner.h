#ifndef PDFSIGNER_H
#define PDFSIGNER_H

#include <QByteArray>
#include <QDateTime>
#include <QString>

class SigningKey;

// Signs a finished PDF file in place, as a PAdES signature (ETSI.CAdES.detached): an
// incremental update appends an invisible signature field on the last page and its
// signature, a CMS SignedData over the whole file but the signature itself, with
// SHA-256, the signing certificate (signingCertificateV2), the signing time and every
// certificate the key came with.
namespace PdfSigner {

// A signature policy the signature commits to (ICP-Brasil's AD-RB and the like): its
// OID and the SHA-256 hash of the policy document. Empty: no policy.
struct Policy
{
    QByteArray oid;
    QByteArray hash; // 32 bytes

    bool isEmpty() const { return oid.isEmpty(); }
    // From the texts of zetu.ini: both empty is no policy; otherwise the OID in dotted
    // numbers and the hash as 64 hexadecimal digits or in Base64. False when malformed.
    static bool fromText(const QString &oid, const QString &hash, Policy *policy);
};

// Appends the signature to fileName, signed at `when`. On success `sha256` is the hash
// of the whole signed file. On failure the file may be cut short and is to be thrown
// away; the reason is logged.
bool sign(const QString &fileName, const SigningKey &key, const QDateTime &when,
          const Policy &policy, QByteArray *sha256);

} // namespace PdfSigner

#endif // PDFSIGNER_H
