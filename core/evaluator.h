#ifndef EVALUATOR_H
#define EVALUATOR_H

#include <QVector>

// The pass/fail rules of the report; every check returns true for a pass. The class
// holds no data; its limits are the named constants below.
class Evaluator
{
public:
    // Ratings of step 2: 1 ("Ótimo") to this one pass; 0 (unrated), 4 and 5 fail.
    static constexpr int worstPassingRating = 3;

    // Choices of step 4 are judged by their index: index 0 ("----------") is the unrated
    // choice and always fails; every index from 1 up to the band's limit passes. A
    // frequency equal to a band's bound (MHz) belongs to the band above it.
    static constexpr double deadZoneLowBound = 3.0;
    static constexpr double deadZoneHighBound = 7.0;
    static constexpr int deadZoneLimits[3] = {3, 2, 1}; // below, between, from the high bound
    static constexpr double axialResolutionBound = 4.0;
    static constexpr int axialResolutionLimits[2] = {2, 1};
    static constexpr double lateralResolutionBound = 3.5;
    // From 5 MHz up the finest choice offered, "1mm", is the one that passes: a limit
    // below it would fail every choice.
    static constexpr int lateralResolutionLimits[2] = {2, 1};

    // Distance means pass strictly between the two limits (mm).
    static constexpr double verticalMeanLow = 9.985;
    static constexpr double verticalMeanHigh = 10.015;
    static constexpr double horizontalMeanLow = 9.98;
    static constexpr double horizontalMeanHigh = 10.02;

    // A mass passes with height / width strictly between these, and with an area
    // strictly between the two factors times the nominal area of its depth.
    static constexpr double aspectRatioLow = 0.98;
    static constexpr double aspectRatioHigh = 1.02;
    static constexpr double areaLowFactor = 0.8;
    static constexpr double areaHighFactor = 1.2;
    // depth 1 to 4 for the masses at 2, 4, 6 and 8 cm; 0 for any other.
    static double nominalArea(int depth);

    // The highest passing index at a frequency in MHz.
    static int deadZoneLimit(double frequency);
    static int axialResolutionLimit(double frequency);
    static int lateralResolutionLimit(double frequency);

    bool ratingOk(int rating) const;

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
