#ifndef LOGGING_H
#define LOGGING_H

#include <QLoggingCategory>

// The program's logging categories. Every failed query, file operation or save is
// logged in one of them with its reason (lastError(), errorString()); enable the
// debug output of one with QT_LOGGING_RULES, for example "zetu.store.debug=true".
Q_DECLARE_LOGGING_CATEGORY(zetuStore)  // zetu.db: registry and stored inspections
Q_DECLARE_LOGGING_CATEGORY(zetuReport) // the report and its PDF
Q_DECLARE_LOGGING_CATEGORY(zetuPhotos) // photographs and the uniformity image
Q_DECLARE_LOGGING_CATEGORY(zetuSign)   // digital signatures
Q_DECLARE_LOGGING_CATEGORY(zetuSetup)  // start-up, settings and language

#endif // LOGGING_H
