#ifndef INSPECTIONCSV_H
#define INSPECTIONCSV_H

#include "history/storedinspection.h"

#include <QLocale>
#include <QVector>

// Stored inspections as a CSV file that a spreadsheet of the interface's language opens
// as columns: UTF-8 with a byte-order mark; in a locale whose decimal mark is "," (pt_BR)
// fields are separated by ";", else by ","; numbers carry the locale's decimal mark and
// no group separator. One row per inspection: its scanner, date, technician and state,
// one column per value of the wizard, then one per judged result ("aprovado",
// "reprovado", empty when not judged). The header names are in the language of the
// installed catalogue. Knows no widgets.
namespace InspectionCsv {

QChar separator(const QLocale &locale);
// A field as the file holds it: between quotes, with its quotes doubled, when it holds
// the separator, a quote or a line break.
QString field(const QString &text, QChar separator);
// The whole file, with the header row and a line break after every row.
QByteArray compose(const QVector<StoredInspection> &inspections, const QLocale &locale);

} // namespace InspectionCsv

#endif // INSPECTIONCSV_H
