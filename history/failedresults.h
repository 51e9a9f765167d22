#ifndef FAILEDRESULTS_H
#define FAILEDRESULTS_H

#include <QJsonObject>

// How many of the results that the report judges fail for the wizard's values as
// stored (StoredInspection::values, as the wizard writes them; a missing value counts
// as 0): the six part ratings, dead zone and axial and lateral resolution at both
// attenuations, the two vertical and four horizontal mean distances, and the aspect
// ratio and area of the sixteen mass targets. Fifty results in all.
int failedResults(const QJsonObject &values);

#endif // FAILEDRESULTS_H
