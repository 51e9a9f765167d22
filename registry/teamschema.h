#ifndef TEAMSCHEMA_H
#define TEAMSCHEMA_H

#include <QStringList>

// The part of a team server's schema that SQLite has no word for: the two roles and
// their rights, and the notices of a change sent to every listening client. Kept in
// registry/zetu-team.sql, which an administrator may also run with psql; compiled in.
namespace TeamSchema {

// The advisory lock under which one client at a time makes or upgrades the schema.
const int lockKey = 37037;
// The channel every change is told on (LISTEN/NOTIFY).
inline const QString changeChannel = QStringLiteral("zetu_changed");

// The file as compiled in.
QString script();
// Its statements, one per entry: each ends with ";" at the end of a line; comment lines
// are left out.
QStringList statements(const QString &script);
// Runs the script's statements on the default connection, each on its own, as far as
// the connected user may (one who may not create roles still sets the notices); the
// number that failed, each logged with its reason.
int grantRights();
// The version of the script's rights; raise it with every change of zetu-team.sql. A
// server records the version it got in table zetu_rights.
const int rightsVersion = 2;
// Runs the script where the server has the rights of an earlier version (or of none),
// when the connected user owns the database's tables; records the version once every
// statement ran. Others leave it to the owner's next start. False when it is still due.
bool keepRights();

} // namespace TeamSchema

#endif // TEAMSCHEMA_H
