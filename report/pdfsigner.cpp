#include "report/pdfsigner.h"

#include "core/logging.h"
#include "report/certificate.h"

#include <QCryptographicHash>
#include <QFile>

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
    int signature;    // the number of the signature's object
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
        // The signature dictionary, its two values last and their places noted as it is
        // composed: /ByteRange blank, /Contents zeros.
        QByteArray dictionary =
            "<< /Type /Sig /Filter /Adobe.PPKLite /SubFilter /ETSI.CAdES.detached /Name " +
            text(QPDFObjectHandle::newUnicodeString(signerName.toStdString())) + " /M (" +
            when.toUTC().toString(QStringLiteral("'D:'yyyyMMddHHmmss'Z'")).toLatin1() +
            ") /Reference [ << /Type /SigRef /TransformMethod /DocMDP /TransformParams << "
            "/Type /TransformParams /P 2 /V /1.2 >> >> ] /ByteRange ";
        const int byteRangeAt = dictionary.size();
        dictionary += QByteArray(byteRangeWidth, ' ') + " /Contents ";
        const int contentsAt = dictionary.size();
        dictionary += '<' + QByteArray(2 * update->contentsSize, '0') + "> >>";
        objects[signature] = {0, dictionary};
        update->signature = signature;
        objects[field] = {0, "<< /Type /Annot /Subtype /Widget /FT /Sig /T (Assinatura) /V " +
                                 reference(signature) + " /F 132 /Rect [0 0 0 0] /P " +
                                 reference(page.getObjectID(), page.getGeneration()) + " >>"};
        QPDFObjectHandle acroForm = root.getKey("/AcroForm").isDictionary()
                                        ? root.getKey("/AcroForm")
                                        : QPDFObjectHandle::newDictionary();
        objects[form] = {
            0,
            withKeys(acroForm, {{"/Fields", withItem(acroForm.getKey("/Fields"), reference(field))},
                                {"/SigFlags", "3"}})};
        objects[root.getObjectID()] = {
            root.getGeneration(),
            withKeys(root, {{"/AcroForm", reference(form)},
                            {"/Perms", "<< /DocMDP " + reference(signature) + " >>"}})};
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
                   QByteArray::number(object.second.first) + " obj\n";
            if (object.first == signature) {
                update->byteRangeAt = out.size() + byteRangeAt;
                update->contentsAt = out.size() + contentsAt;
            }
            out += object.second.second + "\nendobj\n";
        }
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
    // SignaturePolicyId: the policy's OID, its hash as OtherHashAlgAndValue and, where
    // known, its URI as the SPuri qualifier.
    QByteArray config = "[policy]\nid = OID:" + policy.oid + "\nhash = SEQUENCE:hash\n";
    if (!policy.uri.isEmpty())
        config += "qualifiers = SEQUENCE:qualifiers\n";
    config += "[hash]\nalgorithm = SEQUENCE:sha256\nvalue = FORMAT:HEX,OCTETSTRING:" +
              policy.hash.toHex() + "\n[sha256]\nid = OID:2.16.840.1.101.3.4.2.1\n" +
              "[qualifiers]\nuri = SEQUENCE:uri\n[uri]\nid = OID:1.2.840.113549.1.9.16.5.1\n" +
              "value = IA5STRING:" + policy.uri + "\n";
    const Owned<CONF> conf(NCONF_new(nullptr), NCONF_free);
    const Owned<BIO> bio(BIO_new_mem_buf(config.constData(), int(config.size())), BIO_free_all);
    const Owned<ASN1_TYPE> value(NCONF_load_bio(conf.get(), bio.get(), nullptr)
                                     ? ASN1_generate_nconf("SEQUENCE:policy", conf.get())
                                     : nullptr,
                                 ASN1_TYPE_free);
    return value && CMS_signed_add1_attr_by_NID(signer, NID_id_smime_aa_ets_sigPolicyId,
                                                V_ASN1_SEQUENCE, value->value.sequence, -1);
}

// The signed attributes as they are signed: a DER SET OF, its items in DER order as
// the SignerInfo will hold them.
QByteArray signedAttributes(CMS_SignerInfo *signer)
{
    QByteArrayList items;
    for (int i = 0; i < CMS_signed_get_attr_count(signer); ++i) {
        unsigned char *der = nullptr;
        const int size = i2d_X509_ATTRIBUTE(CMS_signed_get_attr(signer, i), &der);
        items << QByteArray(reinterpret_cast<const char *>(der), qMax(size, 0));
        OPENSSL_free(der);
    }
    std::sort(items.begin(), items.end());
    const QByteArray content = items.join();
    QByteArray length;
    for (int rest = content.size(); rest > 0; rest >>= 8)
        length.prepend(char(rest & 0xff));
    if (content.size() >= 0x80)
        length.prepend(char(0x80 | length.size()));
    return '\x31' + (content.size() < 0x80 ? QByteArray(1, char(content.size())) : length) +
           content;
}

// The key's signature of `data` with SHA-256; empty on failure.
QByteArray signature(EVP_PKEY *key, const QByteArray &data)
{
    const Owned<EVP_MD_CTX> context(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    size_t size = key ? size_t(EVP_PKEY_get_size(key)) : 0;
    QByteArray value(int(size), '\0');
    if (!key || EVP_DigestSignInit(context.get(), nullptr, EVP_sha256(), nullptr, key) != 1 ||
        EVP_DigestSign(context.get(), reinterpret_cast<unsigned char *>(value.data()), &size,
                       reinterpret_cast<const unsigned char *>(data.constData()),
                       size_t(data.size())) != 1)
        return QByteArray();
    value.truncate(int(size));
    return value;
}

// The CMS SignedData over `data`, detached; empty on failure. The signed attributes are
// composed and signed here: OpenSSL's own signing would add a signing time.
QByteArray signedData(const QByteArray &data, const SigningKey &key,
                      const PdfSigner::Policy &policy)
{
    const unsigned flags = CMS_DETACHED | CMS_BINARY | CMS_NOSMIMECAP | CMS_CADES | CMS_PARTIAL;
    const Owned<CMS_ContentInfo> cms(CMS_sign(nullptr, nullptr, nullptr, nullptr, flags),
                                     CMS_ContentInfo_free);
    // The certificate's own public key: nothing is signed yet, and a key on a token
    // holds no more.
    CMS_SignerInfo *signer = CMS_add1_signer(cms.get(), key.certificate(),
                                             X509_get0_pubkey(key.certificate()), EVP_sha256(),
                                             flags); // signingCertificateV2
    bool done = signer;
    for (X509 *certificate : key.chain())
        done = done && CMS_add1_cert(cms.get(), certificate);
    const QByteArray digest = QCryptographicHash::hash(data, QCryptographicHash::Sha256);
    done = done &&
           CMS_signed_add1_attr_by_NID(signer, NID_pkcs9_contentType, V_ASN1_OBJECT,
                                       OBJ_nid2obj(NID_pkcs7_data), -1) &&
           CMS_signed_add1_attr_by_NID(signer, NID_pkcs9_messageDigest, V_ASN1_OCTET_STRING,
                                       digest.constData(), digest.size()) &&
           addPolicy(signer, policy);
    const QByteArray value = done ? signature(key.privateKey(), signedAttributes(signer)) : "";
    done = !value.isEmpty() &&
           ASN1_STRING_set(CMS_SignerInfo_get0_signature(signer), value.constData(), value.size());
    unsigned char *der = nullptr;
    const int length = done ? i2d_CMS_ContentInfo(cms.get(), &der) : 0;
    const QByteArray encoded(reinterpret_cast<const char *>(der), qMax(length, 0));
    OPENSSL_free(der);
    if (encoded.isEmpty())
        failed(QStringLiteral("no CMS: ") + lastOpenSslError());
    return encoded;
}

// Reads the signed file back as a reader does: the signature the catalog's DocMDP
// names, its byte range as it was written and covering the whole file but /Contents,
// its CMS verified over those bytes, made with the key's certificate. The file's
// SHA-256 in `sha256`.
bool verified(const QString &fileName, int number, const std::vector<long long> &byteRange,
              const SigningKey &key, QByteArray *sha256)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return failed(fileName + QStringLiteral(" not read back: ") + file.errorString());
    const QByteArray pdf = file.readAll();
    file.close();
    std::vector<long long> range;
    std::string contents;
    try {
        QPDF document;
        document.processMemoryFile("signed report", pdf.constData(), size_t(pdf.size()));
        QPDFObjectHandle signature = document.getObjectByID(number, 0);
        const QPDFObjectHandle certifying = document.getRoot().getKey("/Perms").getKey("/DocMDP");
        if (document.anyWarnings() || !certifying.isIndirect() ||
            certifying.getObjGen() != signature.getObjGen())
            return failed(QStringLiteral("the signed file is damaged"));
        for (QPDFObjectHandle item : signature.getKey("/ByteRange").getArrayAsVector())
            range.push_back(item.getIntValue());
        contents = signature.getKey("/Contents").getStringValue();
    } catch (const std::exception &e) {
        return failed(QStringLiteral("the signed file is damaged: ") +
                      QString::fromLocal8Bit(e.what()));
    }
    if (range != byteRange || range[2] + range[3] != pdf.size())
        return failed(QStringLiteral("the signed file's byte range is not the one written"));
    const unsigned char *der = reinterpret_cast<const unsigned char *>(contents.data());
    const Owned<CMS_ContentInfo> cms(d2i_CMS_ContentInfo(nullptr, &der, long(contents.size())),
                                     CMS_ContentInfo_free);
    const QByteArray covered = pdf.left(int(range[1])) + pdf.mid(int(range[2]));
    const Owned<BIO> content(BIO_new_mem_buf(covered.constData(), int(covered.size())),
                             BIO_free_all);
    STACK_OF(CMS_SignerInfo) *signers = cms ? CMS_get0_SignerInfos(cms.get()) : nullptr;
    if (!cms ||
        CMS_verify(cms.get(), nullptr, nullptr, content.get(), nullptr,
                   CMS_BINARY | CMS_NO_SIGNER_CERT_VERIFY) != 1 ||
        sk_CMS_SignerInfo_num(signers) != 1 ||
        CMS_SignerInfo_cert_cmp(sk_CMS_SignerInfo_value(signers, 0), key.certificate()) != 0)
        return failed(QStringLiteral("the signature does not verify: ") + lastOpenSslError());
    *sha256 = QCryptographicHash::hash(pdf, QCryptographicHash::Sha256);
    return true;
}

} // namespace

PdfSigner::Outcome PdfSigner::sign(const QString &fileName, const SigningKey &key,
                                   const QDateTime &when, const Policy &policy, QByteArray *sha256)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return failed(fileName + QStringLiteral(": ") + file.errorString()), Failed;
    const QByteArray pdf = file.readAll();
    file.close();

    Update update;
    update.contentsSize = cmsRoom + i2d_X509(key.certificate(), nullptr);
    for (X509 *certificate : key.chain())
        update.contentsSize += i2d_X509(certificate, nullptr);
    if (!readObjects(pdf, key.signer().display(), when, &update))
        return Failed;

    // The signature covers everything but its own hexadecimal string.
    QByteArray &out = update.text;
    const qint64 gapStart = pdf.size() + update.contentsAt;
    const qint64 gapEnd = gapStart + 2 * update.contentsSize + 2;
    const std::vector<long long> byteRange = {0, gapStart, gapEnd,
                                              pdf.size() + out.size() - gapEnd};
    const QByteArray written = QStringLiteral("[0 %1 %2 %3]")
                                   .arg(byteRange[1])
                                   .arg(byteRange[2])
                                   .arg(byteRange[3])
                                   .toLatin1();
    out.replace(update.byteRangeAt, written.size(), written);
    const QByteArray cms = signedData(pdf + out.left(update.contentsAt) +
                                          out.mid(update.contentsAt + 2 * update.contentsSize + 2),
                                      key, policy);
    if (cms.isEmpty() || cms.size() > update.contentsSize)
        return failed(QStringLiteral("a CMS of %1 bytes").arg(cms.size())), Failed;
    out.replace(update.contentsAt + 1, 2 * cms.size(), cms.toHex().toUpper());

    const bool appended = file.open(QIODevice::WriteOnly | QIODevice::Append) &&
                          file.write(out) == out.size() && file.flush();
    const QString reason = file.errorString();
    file.close();
    if (!appended)
        return failed(fileName + QStringLiteral(": ") + reason), Failed;
    return verified(fileName, update.signature, byteRange, key, sha256) ? Signed : Unverified;
}
