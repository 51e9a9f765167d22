#include "core/evaluator.h"

namespace {

constexpr double pi = 3.14159265358979323846;

// Every index from 1 up to the limit passes; 0 is the unrated choice.
bool withinLimit(int index, int limit)
{
    return index >= 1 && index <= limit;
}

bool meanWithin(const QVector<double> &values, double *mean, double low, double high)
{
    *mean = 0;
    if (values.isEmpty())
        return false;
    double sum = 0;
    for (double value : values)
        sum += value;
    *mean = sum / values.size();
    return *mean > low && *mean < high;
}

} // namespace

double Evaluator::nominalArea(int depth)
{
    // The targets are 2, 4, 6 and 6 mm across at 2, 4, 6 and 8 cm.
    static const double nominal[] = {pi, 4 * pi, 9 * pi, 9 * pi};
    return depth >= 1 && depth <= 4 ? nominal[depth - 1] : 0;
}

int Evaluator::deadZoneLimit(double frequency)
{
    return frequency < deadZoneLowBound    ? deadZoneLimits[0]
           : frequency < deadZoneHighBound ? deadZoneLimits[1]
                                           : deadZoneLimits[2];
}

int Evaluator::axialResolutionLimit(double frequency)
{
    return axialResolutionLimits[frequency < axialResolutionBound ? 0 : 1];
}

int Evaluator::lateralResolutionLimit(double frequency)
{
    return lateralResolutionLimits[frequency < lateralResolutionBound ? 0 : 1];
}

bool Evaluator::ratingOk(int rating) const
{
    return withinLimit(rating, worstPassingRating);
}

bool Evaluator::deadZoneOk(double frequency, int index) const
{
    return withinLimit(index, deadZoneLimit(frequency));
}

bool Evaluator::axialResolutionOk(double frequency, int index) const
{
    return withinLimit(index, axialResolutionLimit(frequency));
}

bool Evaluator::lateralResolutionOk(double frequency, int index) const
{
    return withinLimit(index, lateralResolutionLimit(frequency));
}

bool Evaluator::verticalMeanOk(QVector<double> values, double *mean) const
{
    return meanWithin(values, mean, verticalMeanLow, verticalMeanHigh);
}

bool Evaluator::horizontalMeanOk(QVector<double> values, double *mean) const
{
    return meanWithin(values, mean, horizontalMeanLow, horizontalMeanHigh);
}

bool Evaluator::aspectRatioOk(double height, double width) const
{
    // A width of 0 gives an infinite or undefined quotient, and both comparisons fail.
    const double ratio = height / width;
    return ratio > aspectRatioLow && ratio < aspectRatioHigh;
}

bool Evaluator::areaOk(double area, int depth) const
{
    // No target at any other depth: its nominal area 0 passes no area.
    const double reference = nominalArea(depth);
    return area > areaLowFactor * reference && area < areaHighFactor * reference;
}
