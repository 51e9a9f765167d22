#include "report/pdfinfo.h"
#include "core/logging.h"

#include <QFile>
#include <QRegularExpression>

namespace {

// A PDF text string: UTF-16 with its byte-order mark, in hexadecimal.
QByteArray textString(const QString &text)
{
    QByteArray bytes("<FEFF");
    for (const QChar c : text)
        bytes += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return bytes + '>';
}

QByteArray escaped(const QString &text)
{
    return text.toHtmlEscaped().toUtf8();
}

// The first capture of pattern in text, or an empty array.
QByteArray capture(const QByteArray &text, const QString &pattern)
{
    return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption)
        .match(QString::fromLatin1(text.constData(), text.size())) // strings may hold NULs
        .captured(1)
        .toLatin1();
}

// The body of object number in text, from its last "n 0 obj" to "endobj".
QByteArray object(const QByteArray &text, const QByteArray &number)
{
    return capture(text, QStringLiteral("\\A.*\\n%1 0 obj(.*?)endobj").arg(QLatin1String(number)));
}

QByteArray xmp(const PdfInfo &info, const QByteArray &created, const QByteArray &modified,
               const QByteArray &producer)
{
    QByteArray dc;
    if (!info.title.isEmpty())
        dc += "<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">" + escaped(info.title) +
              "</rdf:li></rdf:Alt></dc:title>\n";
    if (!info.author.isEmpty())
        dc += "<dc:creator><rdf:Seq><rdf:li>" + escaped(info.author) +
              "</rdf:li></rdf:Seq></dc:creator>\n";
    if (!info.subject.isEmpty())
        dc += "<dc:description><rdf:Alt><rdf:li xml:lang=\"x-default\">" + escaped(info.subject) +
              "</rdf:li></rdf:Alt></dc:description>\n";
    return "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
           "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
           "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
           "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n" +
           dc +
           "</rdf:Description>\n"
           "<rdf:Description rdf:about=\"\" xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\" "
           "xmp:CreatorTool=\"" +
           escaped(info.creator) + "\" xmp:CreateDate=\"" + created + "\" xmp:ModifyDate=\"" +
           modified +
           "\"/>\n"
           "<rdf:Description rdf:about=\"\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\" "
           "pdf:Producer=\"" +
           producer +
           "\"/>\n"
           "<rdf:Description rdf:about=\"\" xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\" "
           "pdfaid:part=\"1\" pdfaid:conformance=\"B\"/>\n"
           "</rdf:RDF>\n"
           "</x:xmpmeta>\n"
           "<?xpacket end=\"w\"?>";
}

} // namespace

bool writePdfInfo(const QString &fileName, const PdfInfo &info)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadWrite)) {
        qCWarning(zetuReport) << "cannot open" << fileName
                              << "for its information:" << file.errorString();
        return false;
    }
    const QByteArray pdf = file.readAll();
    // The last trailer, up to the end-of-file marker that a whole file ends with.
    const QByteArray trailer = capture(pdf, QStringLiteral("\\A.*\\n(trailer.*%%EOF)\\s*\\z"));
    const QByteArray infoNumber = capture(trailer, QStringLiteral("/Info (\\d+) 0 R"));
    const QByteArray root = capture(trailer, QStringLiteral("/Root (\\d+) 0 R"));
    const QByteArray size = capture(trailer, QStringLiteral("/Size (\\d+)"));
    const QByteArray id = capture(trailer, QStringLiteral("(/ID *\\[[^\\]]*\\])"));
    const QByteArray previous = capture(trailer, QStringLiteral("startxref\\s+(\\d+)\\s+%%EOF"));
    const QByteArray metaNumber =
        capture(object(pdf, root), QStringLiteral("/Metadata (\\d+) 0 R"));
    const QByteArray oldInfo = object(pdf, infoNumber), oldXmp = object(pdf, metaNumber);
    const QByteArray created = capture(oldInfo, QStringLiteral("/CreationDate (\\([^)]*\\))"));
    const QByteArray producer = capture(oldXmp, QStringLiteral("pdf:Producer=\"([^\"]*)\""));
    if (infoNumber.isEmpty() || metaNumber.isEmpty() || size.isEmpty() || previous.isEmpty() ||
        created.isEmpty()) {
        qCWarning(zetuReport) << fileName
                              << "is incomplete or not a PDF/A file as QPdfWriter writes one";
        return false;
    }

    QByteArray update = "\n";
    const qint64 infoAt = pdf.size() + update.size();
    update += infoNumber + " 0 obj\n<<\n";
    const QPair<const char *, QString> entries[] = {{"/Title ", info.title},
                                                    {"/Author ", info.author},
                                                    {"/Subject ", info.subject},
                                                    {"/Creator ", info.creator}};
    for (const auto &entry : entries) {
        if (!entry.second.isEmpty())
            update += entry.first + textString(entry.second) + '\n';
    }
    update += "/Producer " + textString(QString::fromUtf8(producer)) + "\n/CreationDate " +
              created + "\n>>\nendobj\n";
    const QByteArray metadata =
        xmp(info, capture(oldXmp, QStringLiteral("xmp:CreateDate=\"([^\"]*)\"")),
            capture(oldXmp, QStringLiteral("xmp:ModifyDate=\"([^\"]*)\"")), producer);
    const qint64 metaAt = pdf.size() + update.size();
    update += metaNumber + " 0 obj\n<< /Type /Metadata /Subtype /XML /Length " +
              QByteArray::number(metadata.size()) + " >>\nstream\n" + metadata +
              "\nendstream\nendobj\n";
    const qint64 xrefAt = pdf.size() + update.size();
    auto entry = [](qint64 offset) {
        return QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    };
    update += "xref\n0 1\n0000000000 65535 f \n" + infoNumber + " 1\n" + entry(infoAt) +
              metaNumber + " 1\n" + entry(metaAt) + "trailer\n<< /Size " + size + " /Root " + root +
              " 0 R /Info " + infoNumber + " 0 R " + id + " /Prev " + previous +
              " >>\nstartxref\n" + QByteArray::number(xrefAt) + "\n%%EOF\n";
    if (file.write(update) != update.size() || !file.flush()) {
        qCWarning(zetuReport) << "cannot complete" << fileName << ":" << file.errorString();
        return false;
    }
    return true;
}
