#include "report/libraryversions.h"

// qpdf's own pointers only, not its old PointerHolder.
#define POINTERHOLDER_TRANSITION 4
#include <openssl/crypto.h>
#include <qpdf/QPDF.hh>

QString LibraryVersions::openSsl()
{
    return QString::fromLatin1(OpenSSL_version(OPENSSL_VERSION));
}

QString LibraryVersions::qpdf()
{
    return QString::fromStdString(QPDF::QPDFVersion());
}
