#ifndef TRANSDUCER_H
#define TRANSDUCER_H

#include <QDate>
#include <QJsonObject>
#include <QLocale>
#include <QString>
#include <QStringList>

// One transducer (probe) of a scanner, as the registry keeps it. Each inspection is of
// one transducer, and each transducer is due again a number of months after its last
// reported inspection.
struct Transducer
{
    // Stored by number: the order never changes.
    enum Type { Linear, Convex, Sector, Endocavitary, Other };
    static const int typeCount = Other + 1;
    static const int defaultIntervalMonths = 12;

    qint64 key = -1;       // transducer.ID_key, -1 until it is kept
    int equipmentKey = -1; // the scanner it belongs to
    QString model;
    QString serial;
    Type type = Other;
    double frequency = 0; // nominal, in MHz; 0 when not given
    int intervalMonths = defaultIntervalMonths;
    bool retired = false; // has stored inspections, no longer offered
    QDate lastInspected;  // its latest reported inspection's date; invalid when none
    int inspections = 0;  // stored inspections of it, drafts included

    // The types' names, by Type, in the language of the installed catalogue.
    static QStringList typeNames();
    // "L12-5, nº de série 1234, Linear, 10 MHz": what is known of it, in words.
    QString describe(const QLocale &locale) const;

    // What an inspection keeps of its transducer, so that its report names the
    // transducer as it was.
    QJsonObject toJson() const;
    static Transducer fromJson(const QJsonObject &object);
};

// When a transducer is due: its next date is its last reported inspection's date plus
// its interval (the end of the month when the day is not there: 31 January + 1 month is
// 28 or 29 February); a transducer never inspected is due now.
namespace Due {

enum State { Current, Soon, Overdue };
const int soonDays = 30;

// Invalid when `last` is: never inspected, due now.
QDate next(const QDate &last, int months);
// Overdue after its next date (or with none), Soon on it and up to `soonDays` before.
State state(const QDate &next, const QDate &today);
// "em breve", "vencida"; empty for Current.
QString stateText(State state);
// The next date with its state, as step 1's list shows it: "08/12/2026 (em breve)";
// a transducer never inspected: "nunca inspecionado (vencida)".
QString describe(const QDate &next, State state);

} // namespace Due

#endif // TRANSDUCER_H
