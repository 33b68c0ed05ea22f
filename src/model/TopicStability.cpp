// SPDX-License-Identifier: GPL-3.0-or-later
//
// Moving one slider while everything else stays put makes every option's score a function
// of that slider's value x alone, of the form (p + q x) / D(x) with a denominator D that
// is positive and the same for all options:
//   - a rating: D = 1, and only the rated option's numerator depends on x;
//   - a weighting with NormaliseWeights on: the others share 1 - x in fixed proportions,
//     so D = 1 and every score is linear in x;
//   - a weighting with NormaliseWeights off: the others keep their stored values R in
//     total, so D = x + R; when R is 0, x = 0 makes every weighting 0 and the scores jump
//     to the plain means of the ratings.
// Who leads is therefore decided by the numerators alone: straight lines, whose crossings
// are computed as roots.
//
// A boundary is a tie: on [From, To] the leader scores at least as much as every other
// option, and strictly more inside. At the boundary itself the lowest option number wins
// the tie, as everywhere else. At the ends of the track the topic itself is asked who
// leads there: a tie at 0 or 1 that a lower-numbered option wins, or the jump of the
// all-zero rule at 0, ends the range just short of that end.

#include "TopicStability.h"

#include "ScoreMatrix.h"
#include "support/DecimalRound.h"
#include "support/VeltraneError.h"

#include <QVarLengthArray>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace {

constexpr int32_t ErrBadAttribute = vbObjectError + 1001;
constexpr int32_t ErrBadOption = vbObjectError + 1002;
constexpr int32_t ErrBadValue = vbObjectError + 1003;

constexpr double TieTolerance = ScoreMatrix::TieTolerance;

// Crossings this close to 0 or 1 are taken to lie on it.
constexpr double EndTolerance = 1e-12;

// The smallest value above 0: where a range starts when the leader holds for every
// positive weighting but not at 0 itself; and the largest below 1, where a range ends when
// the leader holds up to 1 but not at 1 itself.
constexpr double JustAboveZero = std::numeric_limits<double>::denorm_min();
const double JustBelowOne = std::nextafter(1.0, 0.0);

[[noreturn]] void Raise(int32_t number, const QString &message)
{
    throw VeltraneError(number, ErrorSource("TopicStability"), message);
}

void checkAttribute(const VeltraneTopic &topic, int16_t attributeID, const char *operation)
{
    if (attributeID < 0 || attributeID >= topic.TotalAttributes())
        Raise(ErrBadAttribute,
              QStringLiteral("Attribute %1 not found in %2().").arg(attributeID).arg(QLatin1String(operation)));
}

void checkOption(const VeltraneTopic &topic, int16_t optionID, const char *operation)
{
    if (optionID < 0 || optionID >= topic.TotalOptions())
        Raise(ErrBadOption,
              QStringLiteral("Option %1 not found in %2().").arg(optionID).arg(QLatin1String(operation)));
}

// The topic's score matrix, with what a normalising weighting slider rescales by.
struct Matrix : ScoreMatrix
{
    bool normalise = false;
    QVarLengthArray<double, 16> shown; // normalised as the topic rounds them, when normalising
    QVarLengthArray<double, 16> score; // unrounded scores
};

Matrix read(const VeltraneTopic &topic)
{
    Matrix m;
    static_cast<ScoreMatrix &>(m) = ScoreMatrix::Of(topic);
    m.normalise = topic.NormaliseWeights();
    // Only a normalising slider rescales by the shown shares.
    if (m.normalise) {
        const int16_t rounding = topic.Rounding();
        m.shown.resize(m.Attributes);
        for (int a = 0; a < m.Attributes; ++a)
            m.shown[a] = rounding == -1 ? m.Weight[a] : RoundDecimal(m.Weight[a], rounding);
    }
    m.score.resize(m.Options);
    for (int o = 0; o < m.Options; ++o)
        m.score[o] = m.Score(o);
    return m;
}

// The first of the highest values.
int16_t leaderOf(const QVarLengthArray<double, 16> &values)
{
    int16_t best = 0;
    for (int16_t j = 1; j < values.size(); ++j) {
        if (values[j] > values[best])
            best = j;
    }
    return best;
}

// Every option's score as (p + q x) / D(x) in the value x of one slider.
struct Family
{
    QVarLengthArray<double, 16> p;
    QVarLengthArray<double, 16> q;
    bool fractional = false; // D = x + rest; otherwise D = 1
    double rest = 0;
    // The scores at x = 0 when that point does not follow the lines (all weightings 0).
    std::optional<QVarLengthArray<double, 16>> atZero;
    double current = 0; // the value of x that gives the topic as it is

    double Numerator(int j, double x) const { return p[j] + q[j] * x; }

    // Where the lines of a and b cross. Options that rate alike on the slider's attribute
    // meet exactly at an end of the track; rounding noise must not move that inside.
    double Root(int a, int b) const
    {
        const double root = (p[a] - p[b]) / (q[b] - q[a]);
        if (std::abs(root) < EndTolerance)
            return 0;
        if (std::abs(root - 1) < EndTolerance)
            return 1;
        return root;
    }

    // The option that leads just beside x: below it for side -1, above it for +1. Among
    // options tied at x the one rising faster in that direction leads; among those the
    // lowest number.
    int16_t LeaderBeside(double x, int side) const
    {
        double top = Numerator(0, x);
        for (int j = 1; j < p.size(); ++j)
            top = std::max(top, Numerator(j, x));
        int16_t leader = -1;
        for (int16_t j = 0; j < p.size(); ++j) {
            if (Numerator(j, x) < top - TieTolerance)
                continue;
            if (leader < 0 || side * q[j] > side * q[leader])
                leader = j;
        }
        return leader;
    }
};

Family weightingFamily(const Matrix &m, int k)
{
    Family f;
    f.p.resize(m.Options);
    f.q.resize(m.Options);
    if (m.Attributes == 1) {
        // The one weighting always counts 1, whatever the slider says.
        for (int j = 0; j < m.Options; ++j) {
            f.p[j] = m.score[j];
            f.q[j] = 0;
        }
        f.current = 1;
        return f;
    }
    if (m.normalise) {
        // The others share 1 - x in proportion to their normalised weightings as the topic
        // rounds them, or equally when those are all 0.
        QVarLengthArray<double, 16> share(m.Attributes, 0.0);
        double sum = 0;
        for (int i = 0; i < m.Attributes; ++i) {
            if (i != k) {
                share[i] = m.shown[i];
                sum += share[i];
            }
        }
        for (int i = 0; i < m.Attributes; ++i) {
            if (i != k)
                share[i] = sum != 0 ? share[i] / sum : 1.0 / double(m.Attributes - 1);
        }
        for (int j = 0; j < m.Options; ++j) {
            double rest = 0;
            for (int i = 0; i < m.Attributes; ++i) {
                if (i != k)
                    rest += share[i] * m.Effective(j, i);
            }
            f.p[j] = rest;
            f.q[j] = m.Effective(j, k) - rest;
        }
        f.current = m.Weight[k];
        return f;
    }
    f.fractional = true;
    for (int i = 0; i < m.Attributes; ++i) {
        if (i != k)
            f.rest += m.Stored[i];
    }
    for (int j = 0; j < m.Options; ++j) {
        double rest = 0;
        for (int i = 0; i < m.Attributes; ++i) {
            if (i != k)
                rest += m.Stored[i] * m.Effective(j, i);
        }
        f.p[j] = rest;
        f.q[j] = m.Effective(j, k);
    }
    if (f.rest == 0) {
        QVarLengthArray<double, 16> means(m.Options, 0.0);
        for (int j = 0; j < m.Options; ++j) {
            for (int i = 0; i < m.Attributes; ++i)
                means[j] += 1.0 / double(m.Attributes) * m.Effective(j, i);
        }
        f.atZero = means;
    }
    f.current = m.Stored[k];
    return f;
}

Family ratingFamily(const Matrix &m, int option, int k)
{
    Family f;
    f.p.resize(m.Options);
    f.q.resize(m.Options);
    for (int j = 0; j < m.Options; ++j) {
        f.p[j] = m.score[j];
        f.q[j] = 0;
    }
    double rest = 0;
    for (int a = 0; a < m.Attributes; ++a) {
        if (a != k)
            rest += m.Share(option, a);
    }
    // A reversed rating counts as 1 - x.
    f.p[option] = m.Reversed(k) ? rest + m.Weight[k] : rest;
    f.q[option] = m.Reversed(k) ? -m.Weight[k] : m.Weight[k];
    f.current = m.Rating[option * m.Attributes + k];
    return f;
}

// Who leads with the slider at a value, as the topic itself scores it there (unrounded,
// the first of the highest scores): at the very ends of a track the lines may tie exactly,
// or the all-zero rule may make the scores jump, and then the topic's own rule decides.
using LeaderAtValue = std::function<int16_t(double)>;

int16_t matrixLeader(const ScoreMatrix &m)
{
    QVarLengthArray<double, 16> score(m.Options);
    for (int j = 0; j < m.Options; ++j)
        score[j] = m.Score(j);
    return leaderOf(score);
}

// A weighting moves the others with it when they are normalised: the topic is moved as the
// slider moves it (its rescaling uses the shares as rounded) and scored unrounded.
LeaderAtValue weightingLeaderAt(const VeltraneTopic &topic, int16_t attributeID)
{
    return [&topic, attributeID](double x) {
        VeltraneTopic moved = topic;
        moved.SetWeighting(attributeID, x);
        return matrixLeader(ScoreMatrix::Of(moved));
    };
}

// A rating moves nothing else: the topic stores it as given (or, for a cell with a value,
// the rating of the value it moves to), so the scores are the matrix's with that one rating
// changed, without a copy of the topic for every slider.
LeaderAtValue ratingLeaderAt(const VeltraneTopic &topic, const ScoreMatrix &m, int16_t optionID, int16_t attributeID)
{
    return [&topic, &m, optionID, attributeID](double x) {
        if (topic.HasValue(optionID, attributeID)) {
            const AttributeScale scale = topic.GetScale(attributeID);
            x = ValueFunction::RatingOf(scale, ValueFunction::ValueOf(scale, x));
        }
        ScoreMatrix moved = m;
        moved.Rating[optionID * moved.Attributes + attributeID] = x;
        return matrixLeader(moved);
    };
}

StableRange rangeOf(const Family &f, int16_t leader, const LeaderAtValue &leaderAt)
{
    const double x0 = f.current;
    if (f.atZero && x0 == 0) {
        // All weightings 0: any positive value hands the whole weight to this attribute.
        const int16_t above = f.LeaderBeside(0, +1);
        if (above == leader)
            return {0, 1, -1, -1};
        return {0, 0, -1, above};
    }

    double from = 0;
    double to = 1;
    for (int j = 0; j < f.p.size(); ++j) {
        if (j == leader)
            continue;
        const double dq = f.q[leader] - f.q[j];
        // A crossing on the wrong side of the current value is a sign that the slider's
        // rescaling (which uses rounded shares) lands a hair away from the topic as it
        // is; the range then starts or ends at the current value.
        if (dq > 0)
            from = std::max(from, std::min(f.Root(leader, j), x0));
        else if (dq < 0)
            to = std::min(to, std::max(f.Root(leader, j), x0));
        else if (f.p[leader] - f.p[j] < -TieTolerance)
            from = to = x0;
    }
    StableRange range{from, to, -1, -1};
    if (from > 0)
        range.LeaderBelow = f.LeaderBeside(from, -1);
    if (to < 1)
        range.LeaderAbove = f.LeaderBeside(to, +1);
    // A range that reaches an end of the track (other than the slider's own value) ends
    // just short of it when another option leads there.
    if (from == 0 && x0 > 0) {
        const int16_t atZero = leaderAt(0);
        if (atZero != leader) {
            range.From = JustAboveZero;
            range.LeaderBelow = atZero;
        }
    }
    if (to == 1 && x0 < 1) {
        const int16_t atOne = leaderAt(1);
        if (atOne != leader) {
            range.To = JustBelowOne;
            range.LeaderAbove = atOne;
        }
    }
    return range;
}

// Offers a move of one slider from its shown value to an end of its range.
void consider(std::optional<SliderChange> &closest, SliderChange change, const StableRange &range,
              int16_t leader)
{
    const auto offer = [&](double to, int16_t newLeader) {
        if (newLeader < 0 || newLeader == leader)
            return;
        change.To = to;
        change.NewLeader = newLeader;
        // Moves of the same length up to rounding noise: the first one offered stays.
        if (!closest
            || std::abs(change.To - change.From) < std::abs(closest->To - closest->From) - TieTolerance)
            closest = change;
    };
    offer(range.From, range.LeaderBelow);
    offer(range.To, range.LeaderAbove);
}

} // namespace

namespace TopicStability {

int16_t Leader(const VeltraneTopic &topic)
{
    return leaderOf(read(topic).score);
}

StableRange WeightingRange(const VeltraneTopic &topic, int16_t attributeID)
{
    checkAttribute(topic, attributeID, "WeightingRange");
    const Matrix m = read(topic);
    return rangeOf(weightingFamily(m, attributeID), leaderOf(m.score), weightingLeaderAt(topic, attributeID));
}

StableRange RatingRange(const VeltraneTopic &topic, int16_t optionID, int16_t attributeID)
{
    checkOption(topic, optionID, "RatingRange");
    checkAttribute(topic, attributeID, "RatingRange");
    const Matrix m = read(topic);
    return rangeOf(ratingFamily(m, optionID, attributeID), leaderOf(m.score),
                   ratingLeaderAt(topic, m, optionID, attributeID));
}

QList<double> ScoresAtWeighting(const VeltraneTopic &topic, int16_t attributeID, double weighting)
{
    checkAttribute(topic, attributeID, "ScoresAtWeighting");
    if (!(weighting >= 0 && weighting <= 1))
        Raise(ErrBadValue, QStringLiteral("Invalid weighting supplied to ScoresAtWeighting()."));
    const Family f = weightingFamily(read(topic), attributeID);
    QList<double> scores(f.p.size());
    for (int j = 0; j < f.p.size(); ++j) {
        if (f.atZero && weighting == 0)
            scores[j] = (*f.atZero)[j];
        else
            scores[j] = f.Numerator(j, weighting) / (f.fractional ? weighting + f.rest : 1.0);
    }
    return scores;
}

QList<Crossover> WeightingCrossovers(const VeltraneTopic &topic, int16_t attributeID)
{
    checkAttribute(topic, attributeID, "WeightingCrossovers");
    QList<Crossover> crossovers;
    const Family f = weightingFamily(read(topic), attributeID);
    int16_t leader = f.LeaderBeside(0, +1);
    if (f.atZero) {
        const int16_t atZero = leaderOf(*f.atZero);
        if (atZero != leader)
            crossovers.append({JustAboveZero, atZero, leader});
    }
    // Along the upper envelope of the lines: the next crossing is where a line that
    // rises faster than the leader's meets it first.
    double x = 0;
    for (;;) {
        double next = 1;
        for (int j = 0; j < f.p.size(); ++j) {
            if (f.q[j] > f.q[leader]) {
                const double root = f.Root(leader, j);
                if (root > x && root < next)
                    next = root;
            }
        }
        if (next >= 1)
            break;
        const int16_t after = f.LeaderBeside(next, +1);
        if (after != leader)
            crossovers.append({next, leader, after});
        leader = after;
        x = next;
    }
    return crossovers;
}

TopicRanges AllRanges(const VeltraneTopic &topic)
{
    const Matrix m = read(topic);
    TopicRanges all;
    if (m.Options == 0)
        return all;
    all.Leader = leaderOf(m.score);
    all.Scores = QList<double>(m.score.begin(), m.score.end());
    all.Weighting.reserve(m.Attributes);
    for (int16_t k = 0; k < m.Attributes; ++k) {
        all.Weighting.append(rangeOf(weightingFamily(m, k), all.Leader, weightingLeaderAt(topic, k)));
        // A single attribute's weighting is fixed at 1: its slider moves nothing.
        if (m.Attributes > 1)
            consider(all.Closest, {true, -1, k, topic.GetWeighting(k)}, all.Weighting.back(), all.Leader);
    }
    all.Rating.reserve(m.Options * m.Attributes);
    for (int16_t i = 0; i < m.Options; ++i) {
        for (int16_t k = 0; k < m.Attributes; ++k) {
            all.Rating.append(rangeOf(ratingFamily(m, i, k), all.Leader, ratingLeaderAt(topic, m, i, k)));
            consider(all.Closest, {false, i, k, topic.GetRating(i, k)}, all.Rating.back(), all.Leader);
        }
    }
    return all;
}

std::optional<SliderChange> ClosestChange(const VeltraneTopic &topic)
{
    return AllRanges(topic).Closest;
}

} // namespace TopicStability
