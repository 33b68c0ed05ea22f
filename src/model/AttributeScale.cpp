// SPDX-License-Identifier: GPL-3.0-or-later
#include "AttributeScale.h"

#include <cmath>

namespace ValueFunction {

namespace {

// The function's corners in order from Worst to Best: (Worst, 0), the points, (Best, 1).
QList<ValuePoint> knotsOf(const AttributeScale &scale)
{
    QList<ValuePoint> knots;
    knots.reserve(scale.Points.size() + 2);
    knots.append({scale.Worst, 0});
    knots.append(scale.Points);
    knots.append({scale.Best, 1});
    return knots;
}

bool hasLineBreak(const QString &text)
{
    for (const QChar c : text) {
        if (c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return true;
    }
    return false;
}

} // namespace

QString Problem(const AttributeScale &scale)
{
    if (!std::isfinite(scale.Worst) || !std::isfinite(scale.Best))
        return QStringLiteral("Worst and Best must be numbers.");
    if (scale.Worst == scale.Best)
        return QStringLiteral("Worst and Best must differ.");
    if (scale.Unit.size() > MaxUnitLength)
        return QStringLiteral("The unit may have at most %1 characters.").arg(MaxUnitLength);
    if (hasLineBreak(scale.Unit))
        return QStringLiteral("The unit may not contain a line break.");
    if (scale.Points.size() > MaxPoints)
        return QStringLiteral("At most %1 points may lie between Worst and Best.").arg(MaxPoints);
    // Measured along the direction from Worst to Best, values and ratings must both rise.
    const double direction = scale.Best > scale.Worst ? 1 : -1;
    ValuePoint previous{scale.Worst, 0};
    for (const ValuePoint &point : scale.Points) {
        if (!(direction * (point.Value - previous.Value) > 0) || !(direction * (scale.Best - point.Value) > 0))
            return QStringLiteral("Each point's value must lie between Worst and Best, in order from Worst to Best.");
        if (!(point.Rating > previous.Rating) || !(point.Rating < 1))
            return QStringLiteral("Each point's rating must lie between 0 and 1 and rise from Worst to Best.");
        previous = point;
    }
    return {};
}

bool IsValid(const AttributeScale &scale)
{
    return Problem(scale).isEmpty();
}

double RatingOf(const AttributeScale &scale, double value)
{
    if (std::isnan(value))
        return value;
    const double direction = scale.Best > scale.Worst ? 1 : -1;
    if (!(direction * (value - scale.Worst) > 0))
        return 0;
    if (direction * (value - scale.Best) >= 0)
        return 1;
    const QList<ValuePoint> knots = knotsOf(scale);
    for (qsizetype i = 1; i < knots.size(); ++i) {
        const ValuePoint &low = knots[i - 1];
        const ValuePoint &high = knots[i];
        if (value == high.Value)
            return high.Rating;
        if (direction * (value - high.Value) < 0) {
            if (high.Value == low.Value)
                return high.Rating;
            return low.Rating + (high.Rating - low.Rating) * ((value - low.Value) / (high.Value - low.Value));
        }
    }
    return 1;
}

double ValueOf(const AttributeScale &scale, double rating)
{
    if (std::isnan(rating))
        return rating;
    if (rating <= 0)
        return scale.Worst;
    if (rating >= 1)
        return scale.Best;
    const QList<ValuePoint> knots = knotsOf(scale);
    for (qsizetype i = 1; i < knots.size(); ++i) {
        const ValuePoint &low = knots[i - 1];
        const ValuePoint &high = knots[i];
        if (rating == high.Rating)
            return high.Value;
        if (rating < high.Rating) {
            if (high.Rating == low.Rating)
                return high.Value;
            return low.Value + (high.Value - low.Value) * ((rating - low.Rating) / (high.Rating - low.Rating));
        }
    }
    return scale.Best;
}

} // namespace ValueFunction
