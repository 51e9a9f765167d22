#include "report/reportfile.h"
#include "core/dateformats.h"

#include <QRegularExpression>

namespace ReportFile {

QString proposedName(const QString &id, const QDate &date)
{
    QString safe = id.normalized(QString::NormalizationForm_C);
    for (QChar &c : safe) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
            QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('-');
    }
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    safe = safe.simplified().replace(blanks, QStringLiteral("_")).left(maxIdLength);
    // no hidden file, no name Windows would cut at a final dot or blank
    static const QRegularExpression ends(QStringLiteral("^[._-]+|[._-]+$"));
    safe.remove(ends);
    const QString day = date.toString(DateFormats::stored);
    return (safe.isEmpty() ? QStringLiteral("CQ_")
                           : QStringLiteral("CQ_") + safe + QLatin1Char('_')) +
           day + QStringLiteral(".pdf");
}

QString withPdfSuffix(const QString &fileName)
{
    if (fileName.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return fileName;
    return fileName + QStringLiteral(".pdf");
}

} // namespace ReportFile
