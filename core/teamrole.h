#ifndef TEAMROLE_H
#define TEAMROLE_H

#include <QString>

// What the person connected to the store may do. On a shared server each person
// connects as their own user, and the server says which group the user is in: the
// technicians make inspections and register scanners; the physicists also approve
// inspections and change tolerance sets and baselines. A file of one's own (zetu.db)
// holds one person's work, who may do everything.
enum class TeamRole { Technician, Physicist, Everyone };

namespace TeamRights {

// Approving or returning an inspection that waits for review.
bool mayReview(TeamRole role);
// Copying, editing and choosing tolerance sets, and choosing a transducer's baseline.
bool mayChangeTolerances(TeamRole role);

// A name as it is compared: without the blanks around it, its inner blanks one space,
// without accents, case folded. "  José  da Silva" and "JOSE DA SILVA" are one name.
QString comparableName(const QString &name);
bool sameName(const QString &a, const QString &b);

} // namespace TeamRights

#endif // TEAMROLE_H
