#include "report/evaluator.h"

namespace {

constexpr double pi = 3.14159265358979323846;

// Every index from 1 up to the limit passes; 0 is the unrated choice.
bool withinLimit(int index, int limit)
{
    return index >= 1 && index <= limit;
}

bool meanWithin(const QVector<double> &values, double *out, double low, double high)
{
    double unused = 0;
    double *mean = out ? out : &unused;
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

bool Evaluator::deadZoneOk(double frequency, int index) const
{
    const int limit = frequency < 3.0 ? 3 : frequency < 7.0 ? 2 : 1;
    return withinLimit(index, limit);
}

bool Evaluator::axialResolutionOk(double frequency, int index) const
{
    return withinLimit(index, frequency < 4.0 ? 2 : 1);
}

bool Evaluator::lateralResolutionOk(double frequency, int index) const
{
    // From 5 MHz up the finest choice offered, "1mm", is the one that passes: a limit
    // below it would fail every choice.
    return withinLimit(index, frequency < 3.5 ? 2 : 1);
}

bool Evaluator::verticalMeanOk(QVector<double> values, double *mean) const
{
    return meanWithin(values, mean, 9.985, 10.015);
}

bool Evaluator::horizontalMeanOk(QVector<double> values, double *mean) const
{
    return meanWithin(values, mean, 9.98, 10.02);
}

bool Evaluator::aspectRatioOk(double height, double width) const
{
    // A width of 0 gives an infinite or undefined quotient, and both comparisons fail.
    const double ratio = height / width;
    return ratio > 0.98 && ratio < 1.02;
}

bool Evaluator::areaOk(double area, int depth) const
{
    static const double nominal[] = {pi, 4 * pi, 9 * pi, 9 * pi};
    if (depth < 1 || depth > 4)
        return false;
    const double reference = nominal[depth - 1];
    return area > 0.8 * reference && area < 1.2 * reference;
}
