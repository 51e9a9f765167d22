#include "core/signer.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

// The text of a name as one line: control and format characters (bidirectional
// overrides, zero-width marks) and lone surrogates go, every run of white space and
// line or paragraph separators becomes one blank.
QString oneLine(const QString &text)
{
    QString line;
    for (const uint c : text.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (QChar::isSpace(c) || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph)
            line += QLatin1Char(' ');
        else if (category != QChar::Other_Control && category != QChar::Other_Format &&
                 category != QChar::Other_Surrogate && category != QChar::Other_NotAssigned)
            line += QString::fromUcs4(&c, 1);
    }
    return line.simplified();
}

} // namespace

Signer Signer::fromCommonName(const QString &commonName)
{
    static const QRegularExpression icpBrasil(QStringLiteral("^(.+):(\\d{11})$"));
    Signer signer{oneLine(commonName), QString()};
    const QRegularExpressionMatch match = icpBrasil.match(signer.name);
    if (match.hasMatch())
        signer = {match.captured(1).trimmed(), match.captured(2)};
    return signer;
}

bool Signer::isUsable() const
{
    return std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetter(); });
}

QString Signer::maskedCpf() const
{
    return cpf.isEmpty() ? QString() : QStringLiteral("***.***.***-") + cpf.right(2);
}

QString Signer::display() const
{
    QString shown = name;
    // The CPF in the name too, whole or in its usual punctuation, is masked there.
    if (!cpf.isEmpty())
        shown.replace(QRegularExpression(
                          cpf.split(QString(), Qt::SkipEmptyParts).join(QStringLiteral("[ .-]?"))),
                      maskedCpf());
    if (shown.size() > maximumName) {
        shown.truncate(maximumName - 1);
        if (QChar(shown.back()).isHighSurrogate())
            shown.chop(1);
        shown += QChar(0x2026); // …
    }
    return cpf.isEmpty() ? shown : QStringLiteral("%1 (CPF %2)").arg(shown, maskedCpf());
}
