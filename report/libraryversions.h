#ifndef LIBRARYVERSIONS_H
#define LIBRARYVERSIONS_H

#include <QString>

// The versions of the libraries that make and sign the report, as the running program
// has loaded them (not those it was built against).
namespace LibraryVersions {

QString openSsl(); // "OpenSSL 3.0.15 3 Sep 2024"
QString qpdf();    // "11.3.0"

} // namespace LibraryVersions

#endif // LIBRARYVERSIONS_H
