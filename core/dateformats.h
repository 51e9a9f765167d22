#ifndef DATEFORMATS_H
#define DATEFORMATS_H

#include <QString>

// The program's date formats, each written once.
namespace DateFormats {

// A date as the report, the history and the trend print it.
inline const QString shown = QStringLiteral("dd/MM/yyyy");
// A moment as the history and the questions about stored inspections name it.
inline const QString shownWithTime = QStringLiteral("dd/MM/yyyy HH:mm");
// The calendar's date in an inspection's stored values.
inline const QString stored = QStringLiteral("yyyy-MM-dd");

} // namespace DateFormats

#endif // DATEFORMATS_H
