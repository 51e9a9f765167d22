#ifndef TOLERANCE_H
#define TOLERANCE_H

#include "core/judgement.h"

#include <QCoreApplication>
#include <QDate>
#include <QHash>
#include <QJsonObject>
#include <QLocale>
#include <QVector>

#include <limits>

// How one kind of result is judged. A set of these rules is what an inspection is judged
// with; the set and its version are kept with the inspection, so that a later change of
// the set never judges an old report again.
struct ToleranceRule
{
    enum Kind {
        // Passes between two bounds: the program's first rules. Ratings and the choices
        // of step 4 keep their fixed table (by frequency); the means and the aspect ratio
        // pass strictly between `lower` and `upper`; the area strictly between `lower`
        // and `upper` times the nominal area of its depth.
        Range,
        // Passes while it differs from the transducer's baseline by at most `amount`
        // millimetres, or `amount` percent of the baseline with `percent`.
        Change,
        // Passes while it differs from `nominal` by at most `percent` % of it or `units`
        // millimetres, whichever is greater.
        Deviation,
    };
    static const int kindCount = Deviation + 1;

    Rule result = Rule::Rating;
    Kind kind = Range;
    double lower = std::numeric_limits<double>::quiet_NaN();
    double upper = std::numeric_limits<double>::quiet_NaN();
    double amount = 0;
    bool percent = false;
    double nominal = 0;
    double units = 0;

    // The kinds a result can be judged by: ratings, dead zone and masses by range only,
    // the penetration by a change only.
    static QVector<Kind> kindsFor(Rule result);
    // The largest difference that passes from `reference` (the baseline or the nominal
    // value); NaN for a range.
    double allowance(double reference) const;
    bool needsBaseline() const { return kind == Change; }
    bool operator==(const ToleranceRule &other) const;

    // The rule in words, in the language of the installed catalogue: "até 10 mm da
    // linha de base", "até 2 % ou 2 mm de 10 mm, o que for maior".
    QString describe(const QLocale &locale) const;

    QJsonObject toJson() const;
    // False when the object is no rule of a known result and kind, or has numbers a
    // rule cannot have (negative tolerances, bounds the wrong way round).
    static bool fromJson(const QJsonObject &object, ToleranceRule *rule);

    // describe() in the catalogue's language (last: the macro leaves the rest private)
    Q_DECLARE_TR_FUNCTIONS(ToleranceRule)
};

// A named, versioned table of rules, at most one per kind of result; a result without
// a rule is not judged. Sets are kept in zetu.db; each change of a set is a new version.
struct ToleranceSet
{
    enum BuiltIn { OriginalId = 1, Tg128Id = 2 };

    qint64 id = OriginalId;
    int version = 1;
    QString name;
    bool builtIn = false;
    QVector<ToleranceRule> rules;

    const ToleranceRule *ruleFor(Rule result) const;
    // The name shown: a built-in set's in the language of the installed catalogue.
    QString displayName() const;

    // The program's first judgement, exactly: "Regras originais", the default.
    static ToleranceSet original();
    // After AAPM TG-128: the penetration within 10 mm of its baseline, axial and lateral
    // resolution within 1 mm of theirs, vertical distances within 2 % or 2 mm and
    // horizontal ones within 3 % or 3 mm of 10 mm; the rest as the original rules.
    static ToleranceSet tg128();

    // What an inspection keeps of the set it was judged with.
    QJsonObject toJson() const;
    // False when the object is no set (then *set is the original set).
    static bool fromJson(const QJsonObject &object, ToleranceSet *set);

    // displayName() in the catalogue's language (last: the macro leaves the rest private)
    Q_DECLARE_TR_FUNCTIONS(ToleranceSet)
};

// A transducer's baseline: the values of its baseline inspection that rules of change
// compare with, by result (JudgedResult::key), in millimetres.
struct Baseline
{
    qint64 inspectionId = -1; // the stored inspection it was taken from
    QDate date;               // that inspection's date
    QHash<QString, double> values;

    bool isValid() const { return inspectionId >= 0; }
    // The baseline an inspection gives: its measured values of every result that a
    // rule of change can judge.
    static Baseline of(qint64 inspectionId, const Inspection &inspection);

    QJsonObject toJson() const;
    static Baseline fromJson(const QJsonObject &object);
};

namespace Field {
// the set an inspection is judged with, and its transducer's baseline (absent: the
// original rules, no baseline)
inline const QString toleranceSet = QStringLiteral("toleranceSet");
inline const QString baseline = QStringLiteral("baseline");
} // namespace Field

// Judges with a set and a baseline (none: rules of change give NoBaseline).
QVector<Result> judge(const Inspection &inspection, const ToleranceSet &set,
                      const Baseline &baseline);

// What a result judged by a change or deviation is compared with, in words of the
// installed catalogue: "linha de base 45 mm (10/06/2025): aprovado de 35 a 55 mm",
// "nominal 10 mm: aprovado de 8 a 12 mm", "sem linha de base: esta inspeção será a
// linha de base"; empty for a result judged by a range or not at all.
QString referenceText(const Result &result, const QLocale &locale);

#endif // TOLERANCE_H
