// The signature policy of zetu.ini, read by the window before the signing module is
// needed.

#include "report/pdfsigner.h"

#include <QRegularExpression>

PdfSigner::Policy PdfSigner::Policy::adRb()
{
    return {"2.16.76.1.7.1.11.1.3",
            QByteArray::fromHex("23e4be4b9b362172e4ebb0e72b86a133ece5aad843d8651c6e38a0ba3f08fc60"),
            "http://politicas.icpbrasil.gov.br/PA_PAdES_AD_RB_v1_3.der"};
}

bool PdfSigner::Policy::fromText(const QString &oid, const QString &hash, const QString &uri,
                                 Policy *policy)
{
    *policy = adRb();
    if (oid.trimmed().isEmpty() && hash.trimmed().isEmpty() && uri.trimmed().isEmpty())
        return true;
    static const QRegularExpression dotted(QStringLiteral("^[0-2](\\.(0|[1-9][0-9]*))+$"));
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{64}$"));
    // No blank, quote, "#" or "$": they would end or change the value where it is put.
    static const QRegularExpression address(
        QStringLiteral("^([a-z][a-z0-9+.-]*:[^\\s\"'#$\\\\]+)?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QByteArray digits = hash.trimmed().toLatin1();
    const QByteArray value =
        hex.match(hash.trimmed()).hasMatch()
            ? QByteArray::fromHex(digits)
            : QByteArray::fromBase64(digits, QByteArray::AbortOnBase64DecodingErrors);
    const QByteArray where = uri.trimmed().toLatin1();
    if (!dotted.match(oid.trimmed()).hasMatch() || value.size() != 32 ||
        !address.match(uri.trimmed()).hasMatch() || where != uri.trimmed().toUtf8())
        return false;
    *policy = {oid.trimmed().toLatin1(), value, where};
    return true;
}
