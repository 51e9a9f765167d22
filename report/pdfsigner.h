#ifndef PDFSIGNER_H
#define PDFSIGNER_H

#include <QByteArray>
#include <QDateTime>
#include <QString>

class SigningKey;

// Signs a finished PDF file in place, as a PAdES certification signature
// (ETSI.CAdES.detached, DocMDP with P 2: a later change of the content shows): an
// incremental update appends an invisible signature field on the last page and its
// signature, a CMS SignedData over the whole file but the signature itself. Its signed
// attributes are contentType, messageDigest (SHA-256), signingCertificateV2 and the
// signature policy, and no signing time: the time is the signature dictionary's /M.
namespace PdfSigner {

// The signature policy the signature commits to: its OID, the policy's own hash
// (SHA-256) and where the policy is published.
struct Policy
{
    QByteArray oid;
    QByteArray hash; // 32 bytes
    QByteArray uri;  // may be empty

    // ICP-Brasil's PAdES policy AD-RB, version 1.3.
    static Policy adRb();
    // From the texts of zetu.ini: all empty is AD-RB; otherwise the OID in dotted
    // numbers, the hash as 64 hexadecimal digits or in Base64 and an optional URI of
    // printable ASCII. False when malformed.
    static bool fromText(const QString &oid, const QString &hash, const QString &uri,
                         Policy *policy);
};

enum Outcome {
    Signed,
    Failed,     // nothing signed: the reason is logged
    Unverified, // signed, but the file read back does not bear the signature out
};

// Appends the signature to fileName, signed at `when`, and checks it as a reader would:
// the byte range and /Contents of the file read back, the digest, the CMS signature and
// the certificate it names. On success `sha256` is the hash of the whole signed file.
// Otherwise the file may be cut short and is to be thrown away.
Outcome sign(const QString &fileName, const SigningKey &key, const QDateTime &when,
             const Policy &policy, QByteArray *sha256);

} // namespace PdfSigner

#endif // PDFSIGNER_H
