#ifndef REPORTFILE_H
#define REPORTFILE_H

#include <QDate>
#include <QString>

// The names a report is saved under: pure rules, no widgets, no files.
namespace ReportFile {

// "CQ_<ID>_<yyyy-MM-dd>.pdf": the scanner's ID made safe for a file name on every
// system (no folder separators or characters Windows refuses, no control characters,
// blanks as "_", at most maxIdLength characters) and the inspection's date. An ID with
// nothing left gives "CQ_<yyyy-MM-dd>.pdf".
QString proposedName(const QString &id, const QDate &date);

// The name with ".pdf" added when it does not end in it (in any case).
QString withPdfSuffix(const QString &fileName);

constexpr int maxIdLength = 80;

} // namespace ReportFile

#endif // REPORTFILE_H
