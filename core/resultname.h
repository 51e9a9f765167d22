#ifndef RESULTNAME_H
#define RESULTNAME_H

#include "core/judgement.h"

#include <QLocale>
#include <QString>

// A judged result in words of the installed catalogue, its numbers in `locale`: "Média
// vertical a 0,5 dB", "Penetração máxima a 0,7 dB"; a rating is named as its part. The
// history's export and the report's table name results alike.
QString resultName(const JudgedResult &judged, const QLocale &locale);

#endif // RESULTNAME_H
