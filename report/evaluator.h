#ifndef EVALUATOR_H
#define EVALUATOR_H

#include <QVector>

// The pass/fail rules of the report; every check returns true for a pass. The class
// holds no data.
class Evaluator
{
public:
    // Frequencies in MHz; the index is the current index of the judged combo box, whose
    // item 0 ("----------") is the unrated choice and always fails.
    bool deadZoneOk(double frequency, int index) const;
    bool axialResolutionOk(double frequency, int index) const;
    bool lateralResolutionOk(double frequency, int index) const;

    // Store the mean of the values in *mean (0 for no values, which fails) and judge it.
    bool verticalMeanOk(QVector<double> values, double *mean) const;
    bool horizontalMeanOk(QVector<double> values, double *mean) const;

    bool aspectRatioOk(double height, double width) const;
    // depth: 1 to 4 for the masses at 2, 4, 6 and 8 cm; any other value fails.
    bool areaOk(double area, int depth) const;
};

#endif // EVALUATOR_H
