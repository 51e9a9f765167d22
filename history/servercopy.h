#ifndef SERVERCOPY_H
#define SERVERCOPY_H

#include "registry/database.h"

#include <QMap>
#include <QString>

// Sends what a laptop's zetu.db holds to the team's server: every row, in one
// transaction on the server, skipping what the server has already (the same scanner
// record; the same inspection start and revision of the same scanner and transducer,
// with the same values; transducers,
// tolerance sets, choices of set, baselines and the audit trail by what they are, not by
// their keys, which the server gives anew). The file is only read. Opens connections of
// its own, so it may run on any thread.
namespace ServerCopy {

// The tables, in the order they are sent (each row's references are sent before it).
extern const QStringList tables;

struct Outcome
{
    enum Kind { Done, Busy, Failed };
    Kind kind = Failed;
    QString reason;             // what failed, as the file or the server says it
    QMap<QString, int> added;   // rows added, by table
    QMap<QString, int> skipped; // rows the server had already, by table
    int addedTotal() const;
};

// The file must be one this version has opened (its tables made ready).
Outcome send(const QString &file, const ServerSettings &server);

} // namespace ServerCopy

#endif // SERVERCOPY_H
