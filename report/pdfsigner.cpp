#include "report/pdfsigner.h"

#include "core/logging.h"
#include "report/certificate.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include <openssl/cms.h>
#include <openssl/conf.h>
#include <openssl/err.h>
#include <openssl/x509.h>

// qpdf's own pointers only, not its old PointerHolder.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

namespace {

// Room kept for the CMS beyond the certificates it carries: signature, attributes and
// the structure around them.
const int cmsRoom = 8192;
// Width of the /ByteRange value, padded with blanks once the numbers are known.
const int byteRangeWidth = 48;

template <typename T> using Owned = std::unique_ptr<T, void (*)(T *)>;

bool failed(const QString &why)
{
    qCWarning(zetuSign) << "the report cannot be signed:" << why;
    return false;
}

QByteArray text(QPDFObjectHandle object)
{
    return QByteArray::fromStdString(object.unparse());
}

QByteArray reference(int number, int generation = 0)
{
    return QByteArray::number(number) + ' ' + QByteArray::number(generation) + " R";
}

// A dictionary written out with some keys replaced or added.
QByteArray withKeys(QPDFObjectHandle dictionary,
                    const std::vector<std::pair<const char *, QByteArray>> &keys)
{
    QPDFObjectHandle copy =
        dictionary.isDictionary() ? dictionary.shallowCopy() : QPDFObjectHandle::newDictionary();
    QByteArray written = "<<";
    for (const std::string &key : copy.getKeys()) {
        const bool replaced =
            std::any_of(keys.begin(), keys.end(), [&key](const auto &k) { return key == k.first; });
        if (!replaced)
            written += ' ' + QByteArray::fromStdString(key) + ' ' + text(copy.getKey(key));
    }
    for (const auto &key : keys)
        written += ' ' + QByteArray(key.first) + ' ' + key.second;
    return written + " >>";
}

// An array written out with one more item.
QByteArray withItem(QPDFObjectHandle array, const QByteArray &item)
{
    QByteArray written = "[";
    if (array.isArray())
        for (QPDFObjectHandle element : array.getArrayAsVector())
            written += ' ' + text(element);
    return written + ' ' + item + " ]";
}

// The incremental update, with the signature's /ByteRange and /Contents left blank.
struct Update
{
    QByteArray text;
    int byteRangeAt;  // where the blank /ByteRange value starts in text
    int contentsAt;   // where the "<" of /Contents is
    int contentsSize; // bytes of the CMS, twice as many hexadecimal digits
};

bool readObjects(const QByteArray &pdf, const QString &signerName, const QDateTime &when,
                 Update *update)
{
    // The update continues from the cross-reference section the file ends with.
    const QByteArray previous =
        pdf.mid(pdf.lastIndexOf("startxref")).simplified().split(' ').value(1);
    QPDF document;
    try {
        document.processMemoryFile("report", pdf.constData(), size_t(pdf.size()));
        QPDFObjectHandle trailer = document.getTrailer();
        QPDFObjectHandle root = document.getRoot();
        const std::vector<QPDFPageObjectHelper> pages =
            QPDFPageDocumentHelper(document).getAllPages();
        // A repaired file would be updated from offsets it does not have.
        if (document.anyWarnings() || pages.empty())
            return failed(QStringLiteral("the PDF is damaged or has no page"));
        QPDFObjectHandle page = pages.back().getObjectHandle();
        int next = trailer.getKey("/Size").getIntValueAsInt();
        const int signature = next++, field = next++, form = next++;

        // number -> generation, dictionary
        std::map<int, std::pair<int, QByteArray>> objects;
        objects[signature] = {
            0, "<< /Type /Sig /Filter /Adobe.PPKLite /SubFilter /ETSI.CAdES.detached /Name " +
                   text(QPDFObjectHandle::newUnicodeString(signerName.toStdString())) + " /M (" +
                   when.toUTC().toString(QStringLiteral("'D:'yyyyMMddHHmmss'Z'")).toLatin1() +
                   ") /ByteRange " + QByteArray(byteRangeWidth, ' ') + " /Contents <" +
                   QByteArray(2 * update->contentsSize, '0') + "> >>"};
        objects[field] = {0, "<< /Type /Annot /Subtype /Widget /FT /Sig /T (Assinatura) /V " +
                                 reference(signature) + " /F 132 /Rect [0 0 0 0] /P " +
                                 reference(page.getObjectID(), page.getGeneration()) + " >>"};
        QPDFObjectHandle acroForm = root.getKey("/AcroForm");
        if (!acroForm.isDictionary())
            acroForm = QPDFObjectHandle::newDictionary();
        objects[form] = {
            0,
            withKeys(acroForm, {{"/Fields", withItem(acroForm.getKey("/Fields"), reference(field))},
                                {"/SigFlags", "3"}})};
        objects[root.getObjectID()] = {root.getGeneration(),
                                       withKeys(root, {{"/AcroForm", reference(form)}})};
        objects[page.getObjectID()] = {
            page.getGeneration(),
            withKeys(page, {{"/Annots", withItem(page.getKey("/Annots"), reference(field))}})};

        // The objects, then one cross-reference subsection for each.
        QByteArray &out = update->text;
        out = pdf.endsWith('\n') ? QByteArray() : QByteArray("\n");
        QByteArray xref = "xref\n";
        for (const auto &object : objects) {
            xref += QString::asprintf("%d 1\n%010lld %05d n \n", object.first,
                                      qint64(pdf.size() + out.size()), object.second.first)
                        .toLatin1();
            out += QByteArray::number(object.first) + ' ' +
                   QByteArray::number(object.second.first) + " obj\n" + object.second.second +
                   "\nendobj\n";
        }
        const QByteArray byteRangeKey = "/ByteRange ";
        update->byteRangeAt = out.indexOf(byteRangeKey) + byteRangeKey.size();
        update->contentsAt = out.indexOf("/Contents <") + 10;
        const qint64 xrefAt = pdf.size() + out.size();
        out += xref + "trailer\n" +
               withKeys(trailer, {{"/Size", QByteArray::number(next)}, {"/Prev", previous}}) +
               "\nstartxref\n" + QByteArray::number(xrefAt) + "\n%%EOF\n";
        return true;
    } catch (const std::exception &e) {
        return failed(QString::fromLocal8Bit(e.what()));
    }
}

bool addPolicy(CMS_SignerInfo *signer, const PdfSigner::Policy &policy)
{
    // SignaturePolicyId: the policy's OID and its hash as OtherHashAlgAndValue.
    const QByteArray config = "[policy]\nid = OID:" + policy.oid +
                              "\nhash = SEQUENCE:hash\n[hash]\nalgorithm = SEQUENCE:sha256\n"
                              "value = FORMAT:HEX,OCTETSTRING:" +
                              policy.hash.toHex() + "\n[sha256]\nid = OID:2.16.840.1.101.3.4.2.1\n";
    const Owned<CONF> conf(NCONF_new(nullptr), NCONF_free);
    const Owned<BIO> bio(BIO_new_mem_buf(config.constData(), int(config.size())), BIO_free_all);
    const Owned<ASN1_TYPE> value(NCONF_load_bio(conf.get(), bio.get(), nullptr)
                                     ? ASN1_generate_nconf("SEQUENCE:policy", conf.get())
                                     : nullptr,
                                 ASN1_TYPE_free);
    return value && CMS_signed_add1_attr_by_NID(signer, NID_id_smime_aa_ets_sigPolicyId,
                                                V_ASN1_SEQUENCE, value->value.sequence, -1);
}

// The CMS SignedData over `data`, detached; empty on failure.
QByteArray signedData(const QByteArray &data, const SigningKey &key, const QDateTime &when,
                      const PdfSigner::Policy &policy)
{
    const unsigned flags = CMS_DETACHED | CMS_BINARY | CMS_NOSMIMECAP | CMS_CADES;
    const Owned<CMS_ContentInfo> cms(
        CMS_sign(nullptr, nullptr, nullptr, nullptr, flags | CMS_PARTIAL), CMS_ContentInfo_free);
    CMS_SignerInfo *signer = CMS_add1_signer(cms.get(), key.certificate(), key.privateKey(),
                                             EVP_sha256(), flags | CMS_PARTIAL);
    bool done = signer;
    for (X509 *certificate : key.chain())
        done = done && CMS_add1_cert(cms.get(), certificate);
    // The time on the page, not a moment later.
    const Owned<ASN1_TIME> time(ASN1_TIME_set(nullptr, time_t(when.toSecsSinceEpoch())),
                                ASN1_TIME_free);
    done = done && CMS_signed_add1_attr_by_NID(signer, NID_pkcs9_signingTime,
                                               ASN1_STRING_type(time.get()), time.get(), -1);
    done = done && (policy.isEmpty() || addPolicy(signer, policy));
    const Owned<BIO> content(BIO_new_mem_buf(data.constData(), int(data.size())), BIO_free_all);
    done = done && CMS_final(cms.get(), content.get(), nullptr, flags);
    unsigned char *der = nullptr;
    const int length = done ? i2d_CMS_ContentInfo(cms.get(), &der) : 0;
    const QByteArray encoded(reinterpret_cast<const char *>(der), qMax(length, 0));
    OPENSSL_free(der);
    if (encoded.isEmpty())
        failed(QStringLiteral("no CMS: ") + lastOpenSslError());
    return encoded;
}

} // namespace

bool PdfSigner::Policy::fromText(const QString &oid, const QString &hash, Policy *policy)
{
    *policy = Policy();
    if (oid.trimmed().isEmpty() && hash.trimmed().isEmpty())
        return true;
    static const QRegularExpression dotted(QStringLiteral("^[0-2](\\.(0|[1-9][0-9]*))+$"));
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{64}$"));
    const QByteArray digits = hash.trimmed().toLatin1();
    const QByteArray value =
        hex.match(hash.trimmed()).hasMatch()
            ? QByteArray::fromHex(digits)
            : QByteArray::fromBase64(digits, QByteArray::AbortOnBase64DecodingErrors);
    if (!dotted.match(oid.trimmed()).hasMatch() || value.size() != 32)
        return false;
    *policy = {oid.trimmed().toLatin1(), value};
    return true;
}

bool PdfSigner::sign(const QString &fileName, const SigningKey &key, const QDateTime &when,
                     const Policy &policy, QByteArray *sha256)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return failed(fileName + QStringLiteral(": ") + file.errorString());
    const QByteArray pdf = file.readAll();
    file.close();

    Update update;
    update.contentsSize = cmsRoom + i2d_X509(key.certificate(), nullptr);
    for (X509 *certificate : key.chain())
        update.contentsSize += i2d_X509(certificate, nullptr);
    if (!readObjects(pdf, key.signer().display(), when, &update))
        return false;

    // The signature covers everything but its own hexadecimal string.
    QByteArray &out = update.text;
    const qint64 gapStart = pdf.size() + update.contentsAt;
    const qint64 gapEnd = gapStart + 2 * update.contentsSize + 2;
    const QByteArray byteRange = QStringLiteral("[0 %1 %2 %3]")
                                     .arg(gapStart)
                                     .arg(gapEnd)
                                     .arg(pdf.size() + out.size() - gapEnd)
                                     .toLatin1();
    out.replace(update.byteRangeAt, byteRange.size(), byteRange);
    const QByteArray cms = signedData(pdf + out.left(update.contentsAt) +
                                          out.mid(update.contentsAt + 2 * update.contentsSize + 2),
                                      key, when, policy);
    if (cms.isEmpty() || cms.size() > update.contentsSize)
        return failed(QStringLiteral("a CMS of %1 bytes").arg(cms.size()));
    out.replace(update.contentsAt + 1, 2 * cms.size(), cms.toHex().toUpper());

    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(out) != out.size() ||
        !file.flush())
        return failed(fileName + QStringLiteral(": ") + file.errorString());
    *sha256 = QCryptographicHash::hash(pdf + out, QCryptographicHash::Sha256);
    return true;
}
