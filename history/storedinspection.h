#ifndef STOREDINSPECTION_H
#define STOREDINSPECTION_H

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// One inspection of a scanner as kept in table `inspection` of zetu.db.
//
// `values` holds the wizard's inputs keyed by object name, so that a later version
// with more or fewer inputs can still read it (unknown keys are ignored, missing ones
// leave the input at its start value):
//   QDoubleSpinBox -> number, QComboBox -> current index, QCheckBox -> bool,
//   QLineEdit / QPlainTextEdit / QTextEdit -> plain text,
//   QCalendarWidget -> selected date as "yyyy-MM-dd",
//   "photos" -> object of file paths: "0" to "5" for the parts, "uniformity",
//   "step" -> the page index shown when the inspection was last kept.
struct StoredInspection
{
    enum State { Draft = 0, Reported = 1 };

    qint64 id = -1;
    int equipmentKey = -1; // usequip.ID_key of the inspected scanner
    QDateTime started;
    QDateTime changed;
    QString technician;
    State state = Draft;
    QString pdfPath; // the report's file once saved
    QJsonObject values;
    bool unreadable = false; // the stored values were not a JSON object and are lost
    bool tooLong = false;    // values longer than the store reads, left in zetu.db
    // The scanner's record (Institution, Place, ID, Model, Manufacturer) as it was when
    // the inspection was made: the inspection belongs to the row of `equipmentKey` only
    // while that row still holds this record, so a later scanner that reuses a deleted
    // scanner's key never reaches it. Empty for rows written before it was kept.
    QStringList scanner;
    qint64 revision = 0; // counts the writes of the row; a write expects the one it read
    // transducer.ID_key of the inspected transducer; -1 when none was chosen (drafts of
    // earlier versions before their transducer was typed)
    qint64 transducerKey = -1;
    // The next write files the inspection for review: its report has just been saved.
    bool forReview = false;
};

#endif // STOREDINSPECTION_H
