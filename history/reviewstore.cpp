#include "history/reviewstore.h"
#include "registry/database.h"

#include "core/dateformats.h"
#include "core/logging.h"
#include "registry/storeerror.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QVariant>

namespace {

using ReviewStore::Outcome;
using ReviewStore::Review;

// The texts' context in the catalogue (lupdate reads Texts::tr as this context).
class Texts
{
    Q_DECLARE_TR_FUNCTIONS(ReviewStore)
};

// The server's group whose members review (made by the server's schema script).
// What a server says of a statement the connected user has no right to run.
const QString insufficientPrivilege = QStringLiteral("42501");

// The characters of a note that a state shows; the whole note is in its tool tip.
const int noteShown = 60;

const QString reviewColumns =
    QStringLiteral("r.Inspection, r.Revision, r.State, r.Who, r.At, r.Note");
// The latest row of each inspection.
const QString latestRow = QStringLiteral(
    "r.Revision = (SELECT MAX(m.Revision) FROM review m WHERE m.Inspection = r.Inspection)");

QString timeText(const QDateTime &time)
{
    return time.toString(Qt::ISODateWithMs);
}

Review fromRow(const QSqlQuery &query)
{
    Review review;
    review.inspection = query.value(0).toLongLong();
    review.revision = query.value(1).toLongLong();
    const int state = query.value(2).toInt();
    review.state = state == Review::Approved   ? Review::Approved
                   : state == Review::Returned ? Review::Returned
                                               : Review::Awaiting;
    review.who = query.value(3).toString();
    review.at = QDateTime::fromString(query.value(4).toString(), Qt::ISODateWithMs);
    review.note = query.value(5).toString();
    return review;
}

Outcome failed(const QSqlQuery &query, const char *what)
{
    const QSqlError error = query.lastError();
    qCWarning(zetuStore) << what << error.text();
    if (error.nativeErrorCode() == insufficientPrivilege)
        return Outcome::Denied;
    return isPassingStoreError(error) ? Outcome::Busy : Outcome::Failed;
}

// Changes the row of `pending` from awaiting to `state`, in one transaction, while it is
// the inspection's latest and the inspection is still reported; `who` must not have
// made the inspection when it is approved.
Outcome decide(const Review &pending, Review::State state, const QString &who, const QString &note)
{
    StoreTransaction transaction;
    QSqlQuery &query = transaction.query;
    if (!transaction.begin() ||
        !runBound(query,
                  QStringLiteral("SELECT i.State, i.Technician, r.Revision, r.State FROM "
                                 "inspection i JOIN review r ON r.Inspection = i.ID_key WHERE "
                                 "i.ID_key = ? AND ") +
                      latestRow,
                  {pending.inspection}))
        return failed(query, "cannot read the inspection to review:");
    if (!query.next() || query.value(0).toInt() != StoredInspection::Reported ||
        query.value(2).toLongLong() != pending.revision ||
        query.value(3).toInt() != Review::Awaiting) {
        qCInfo(zetuStore) << "inspection" << pending.inspection << "no longer awaits review";
        return Outcome::Changed;
    }
    if (state == Review::Approved && TeamRights::sameName(query.value(1).toString(), who))
        return Outcome::SameName;
    query.finish();
    if (!runBound(query,
                  QStringLiteral("UPDATE review SET State = ?, Who = ?, At = ?, Note = ? WHERE "
                                 "Inspection = ? AND Revision = ? AND State = ?"),
                  {int(state), who.simplified(), timeText(QDateTime::currentDateTime()),
                   note.trimmed(), pending.inspection, pending.revision, int(Review::Awaiting)}))
        return failed(query, "cannot keep the review:");
    if (query.numRowsAffected() != 1)
        return Outcome::Changed;
    if (!transaction.commit())
        return failed(query, "cannot keep the review:");
    return Outcome::Done;
}

} // namespace

QString ReviewStore::Review::describe() const
{
    switch (state) {
    case Awaiting:
        return Texts::tr("Aguardando revisão");
    case Approved:
        return Texts::tr("Aprovado por %1 em %2").arg(who, at.toString(DateFormats::shown));
    case Returned: {
        const QString line = note.section(QLatin1Char('\n'), 0, 0).trimmed();
        const bool cut = line.size() > noteShown || line != note.trimmed();
        return Texts::tr("Devolvido: %1")
            .arg(cut ? line.left(noteShown).trimmed() + QChar(0x2026) : line);
    }
    case None:
        break;
    }
    return QString();
}

QStringList ReviewStore::createStatements()
{
    return {QStringLiteral("CREATE TABLE IF NOT EXISTS review (Inspection BIGINT NOT NULL, "
                           "Revision BIGINT NOT NULL, State INTEGER NOT NULL, Who VARCHAR(80), "
                           "At VARCHAR(30), Note TEXT, PRIMARY KEY (Inspection, Revision))")};
}

QString ReviewStore::fileStatement()
{
    return QStringLiteral(
               "INSERT INTO review (Inspection, Revision, State, At) VALUES (?, ?, %1, ?)")
        .arg(int(Review::Awaiting));
}

QString ReviewStore::awaitingCondition()
{
    return QStringLiteral("State = %1 AND ID_key IN (SELECT r.Inspection FROM review r WHERE "
                          "r.State = %2 AND ")
               .arg(int(StoredInspection::Reported))
               .arg(int(Review::Awaiting)) +
           latestRow + QLatin1Char(')');
}

TeamRole ReviewStore::connectedRole()
{
    // zetu.db has no users; a server says which group the user is in (fewer rights when
    // it cannot say)
    const QString role = DataBase::teamRole();
    if (role.isEmpty())
        return TeamRole::Everyone;
    return role == QLatin1String("physicist") ? TeamRole::Physicist : TeamRole::Technician;
}

QHash<qint64, Review> ReviewStore::latest(int equipmentKey, InspectionStore::Outcome *outcome)
{
    QHash<qint64, Review> reviews;
    QSqlQuery query;
    const bool read =
        equipmentKey < 0
            ? runBound(query, QStringLiteral("SELECT ") + reviewColumns +
                                  QStringLiteral(" FROM review r WHERE ") + latestRow)
            : runBound(query,
                       QStringLiteral("SELECT ") + reviewColumns +
                           QStringLiteral(" FROM review r JOIN inspection i ON i.ID_key = "
                                          "r.Inspection WHERE i.Equipment = ? AND ") +
                           latestRow,
                       {equipmentKey});
    if (outcome)
        *outcome = read                                     ? InspectionStore::Done
                   : isPassingStoreError(query.lastError()) ? InspectionStore::Busy
                                                            : InspectionStore::Failed;
    if (!read) {
        qCWarning(zetuStore) << "cannot read the reviews:" << query.lastError().text();
        return reviews;
    }
    while (query.next()) {
        const Review review = fromRow(query);
        reviews.insert(review.inspection, review);
    }
    return reviews;
}

Review ReviewStore::latestOf(qint64 inspectionId)
{
    QSqlQuery query;
    if (!runBound(query,
                  QStringLiteral("SELECT ") + reviewColumns +
                      QStringLiteral(" FROM review r WHERE r.Inspection = ? AND ") + latestRow,
                  {inspectionId})) {
        qCWarning(zetuStore) << "cannot read the review:" << query.lastError().text();
        return Review();
    }
    return query.next() ? fromRow(query) : Review();
}

Outcome ReviewStore::approve(const Review &pending, const QString &who)
{
    if (who.trimmed().isEmpty())
        return Outcome::NoName;
    return decide(pending, Review::Approved, who, QString());
}

Outcome ReviewStore::giveBack(const Review &pending, const QString &who, const QString &note)
{
    if (who.trimmed().isEmpty())
        return Outcome::NoName;
    if (note.trimmed().isEmpty())
        return Outcome::NoNote;
    return decide(pending, Review::Returned, who, note);
}
