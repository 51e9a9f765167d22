#include "core/teamrole.h"

bool TeamRights::mayReview(TeamRole role)
{
    return role != TeamRole::Technician;
}

bool TeamRights::mayChangeTolerances(TeamRole role)
{
    return role != TeamRole::Technician;
}

QString TeamRights::comparableName(const QString &name)
{
    const QString decomposed = name.simplified().normalized(QString::NormalizationForm_KD);
    QString bare;
    bare.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            bare.append(c);
    }
    return bare.toCaseFolded();
}

bool TeamRights::sameName(const QString &a, const QString &b)
{
    return comparableName(a) == comparableName(b);
}
