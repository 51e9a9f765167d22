#ifndef PDFINFO_H
#define PDFINFO_H

#include <QString>

// What a PDF reader or an archive shows of a saved report besides its pages.
struct PdfInfo
{
    QString title;
    QString author;  // the responsible technician
    QString subject; // the scanner's ID
    QString creator; // the program
};

// Gives a PDF/A file written by QPdfWriter (which sets only a title and a creator) the
// whole of info: appends an update that replaces its document information and its XMP
// metadata, keeping their dates and producer. Empty entries are left out. False, with
// the reason logged, when the file is not such a file or cannot be written.
bool writePdfInfo(const QString &fileName, const PdfInfo &info);

#endif // PDFINFO_H
