// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// A measured value and the rating it earns, one break point of a value function.
struct ValuePoint {
    double Value = 0;
    double Rating = 0;

    bool operator==(const ValuePoint &) const = default;
};

// How an attribute measured in its own unit turns a value into a rating.
struct AttributeScale {
    QString Unit;              // shown after a value: "$", "h", "kg"; may be empty
    double Worst = 0;          // the measured value that rates 0
    double Best = 1;           // the measured value that rates 1; Best < Worst means lower is better
    QList<ValuePoint> Points;  // optional break points between Worst and Best, in order from Worst to Best

    bool operator==(const AttributeScale &) const = default;
};

namespace ValueFunction {

inline constexpr qsizetype MaxPoints = 8;
inline constexpr qsizetype MaxUnitLength = 16;

// Worst and Best finite and different; at most MaxPoints points, each strictly between the
// anchors, moving from Worst towards Best, with ratings strictly between 0 and 1 and
// rising; a unit of at most MaxUnitLength characters without a line break.
bool IsValid(const AttributeScale &scale);
// Why the scale is not valid, in a few words for a person ("Worst and Best are equal");
// empty for a valid scale.
QString Problem(const AttributeScale &scale);

// Piecewise linear through (Worst, 0), the points and (Best, 1); 0 beyond Worst, 1 beyond
// Best. A value that is not a number rates NaN.
double RatingOf(const AttributeScale &scale, double value);
// The inverse on 0..1: the value that earns the rating. Ratings outside 0..1 are taken as
// the nearer end; NaN gives NaN.
double ValueOf(const AttributeScale &scale, double rating);

inline bool IsLowerBetter(const AttributeScale &scale) { return scale.Best < scale.Worst; }

} // namespace ValueFunction
