// SPDX-License-Identifier: GPL-3.0-or-later
#include "WeightingMethods.h"

#include "support/VeltraneError.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace WeightingMethods {

namespace {

using Matrix = QList<QList<double>>;

constexpr qsizetype MinJudged = 2;
constexpr qsizetype MaxJudged = 10;
// How far a judgement times its mirror may stray from 1 and still count as reciprocal:
// room for 1/3 typed as a decimal, not for a judgement given twice the same way.
constexpr double ReciprocalTolerance = 1e-6;

[[noreturn]] void raise(const QString &message)
{
    throw VeltraneError(ErrInvalidProcedureCall, ErrorSource("WeightingMethods"), message);
}

QString number(double value)
{
    return QString::number(value, 'g', 15);
}

void divideBy(QList<double> &values, double divisor)
{
    for (double &value : values)
        value /= divisor;
}

double sumOf(const QList<double> &values)
{
    return std::accumulate(values.cbegin(), values.cend(), 0.0);
}

void checkJudgements(const Matrix &judgements)
{
    const qsizetype n = judgements.size();
    if (n < MinJudged || n > MaxJudged)
        raise(QStringLiteral("Pairwise comparison needs 2 to 10 attributes, not %1.").arg(n));
    for (qsizetype i = 0; i < n; ++i) {
        if (judgements[i].size() != n)
            raise(QStringLiteral("Row %1 of the judgements has %2 entries instead of %3.")
                      .arg(i)
                      .arg(judgements[i].size())
                      .arg(n));
        for (qsizetype j = 0; j < n; ++j) {
            const double value = judgements[i][j];
            if (!(std::isfinite(value) && value > 0))
                raise(QStringLiteral("Judgement [%1][%2] is %3; every judgement must be a positive number.")
                          .arg(i)
                          .arg(j)
                          .arg(number(value)));
        }
    }
    for (qsizetype i = 0; i < n; ++i) {
        for (qsizetype j = i; j < n; ++j) {
            if (std::abs(judgements[i][j] * judgements[j][i] - 1) > ReciprocalTolerance) {
                if (i == j)
                    raise(QStringLiteral("Judgement [%1][%1] is %2; an attribute matters as much as itself (1).")
                              .arg(i)
                              .arg(number(judgements[i][i])));
                raise(QStringLiteral("Judgements [%1][%2] = %3 and [%2][%1] = %4 are not reciprocal; "
                                     "one must be 1 divided by the other.")
                          .arg(i)
                          .arg(j)
                          .arg(number(judgements[i][j]), number(judgements[j][i])));
            }
        }
    }
}

QList<double> times(const Matrix &a, const QList<double> &x)
{
    QList<double> y(a.size(), 0.0);
    for (qsizetype i = 0; i < a.size(); ++i)
        for (qsizetype j = 0; j < x.size(); ++j)
            y[i] += a[i][j] * x[j];
    return y;
}

// The square of a, scaled so that its largest entry is 1: powers of a positive matrix
// grow or shrink geometrically, and only their direction matters here.
Matrix scaledSquare(const Matrix &a)
{
    const qsizetype n = a.size();
    Matrix square(n, QList<double>(n, 0.0));
    double largest = 0;
    for (qsizetype i = 0; i < n; ++i) {
        for (qsizetype j = 0; j < n; ++j) {
            for (qsizetype k = 0; k < n; ++k)
                square[i][j] += a[i][k] * a[k][j];
            largest = std::max(largest, square[i][j]);
        }
    }
    for (QList<double> &row : square)
        divideBy(row, largest);
    return square;
}

QList<double> normalisedRowSums(const Matrix &a)
{
    QList<double> sums;
    for (const QList<double> &row : a)
        sums.append(sumOf(row));
    divideBy(sums, sumOf(sums));
    return sums;
}

double largestChange(const QList<double> &a, const QList<double> &b)
{
    double change = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        change = std::max(change, std::abs(a[i] - b[i]));
    return change;
}

// The principal right eigenvector of a positive matrix, adding up to 1. The row sums of
// A, A², A⁴, ... turn towards it at a rate that squares with every step, and a few plain
// multiplications by A then settle the last digits.
QList<double> principalEigenvector(const Matrix &a)
{
    constexpr double Settled = 1e-15;
    Matrix power = a;
    QList<double> weights = normalisedRowSums(power);
    for (int step = 0; step < 64; ++step) {
        power = scaledSquare(power);
        const QList<double> next = normalisedRowSums(power);
        const double change = largestChange(next, weights);
        weights = next;
        if (change <= Settled)
            break;
    }
    for (int step = 0; step < 100; ++step) {
        QList<double> next = times(a, weights);
        divideBy(next, sumOf(next));
        const double change = largestChange(next, weights);
        weights = next;
        if (change <= Settled)
            break;
    }
    return weights;
}

} // namespace

QList<double> RankOrderCentroid(const QList<int> &Ranks)
{
    const qsizetype n = Ranks.size();
    if (n == 0)
        raise(QStringLiteral("Rank-order centroid weights need at least one rank."));
    for (qsizetype i = 0; i < n; ++i)
        if (Ranks[i] < 1)
            raise(QStringLiteral("Rank %1 of attribute %2 is below 1; the most important attribute has rank 1.")
                      .arg(Ranks[i])
                      .arg(i));

    // The weight of place k (1-based) is (1/n)(1/k + ... + 1/n), summed from the small end.
    QList<double> placeWeight(n + 1, 0.0);
    for (qsizetype k = n; k >= 1; --k)
        placeWeight[k - 1] = placeWeight[k] + 1.0 / double(k);
    divideBy(placeWeight, double(n));

    QList<qsizetype> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return Ranks[a] < Ranks[b]; });

    QList<double> weights(n, 0.0);
    for (qsizetype first = 0; first < n;) {
        qsizetype last = first;
        double shared = 0;
        while (last < n && Ranks[order[last]] == Ranks[order[first]])
            shared += placeWeight[last++];
        shared /= double(last - first);
        for (qsizetype place = first; place < last; ++place)
            weights[order[place]] = shared;
        first = last;
    }
    return weights;
}

QList<double> Swing(const QList<double> &Points)
{
    if (Points.isEmpty())
        raise(QStringLiteral("Swing weights need the points of at least one attribute."));
    for (qsizetype i = 0; i < Points.size(); ++i)
        if (!(Points[i] >= 0 && Points[i] <= 100))
            raise(QStringLiteral("Attribute %1 has %2 points; points lie between 0 and 100.")
                      .arg(i)
                      .arg(number(Points[i])));
    const double total = sumOf(Points);
    if (total == 0)
        raise(QStringLiteral("Every attribute has 0 points; at least one swing must be worth more than 0."));
    QList<double> weights = Points;
    divideBy(weights, total);
    return weights;
}

PairwiseResult Pairwise(const QList<QList<double>> &Judgements)
{
    checkJudgements(Judgements);
    const qsizetype n = Judgements.size();

    PairwiseResult result;
    result.Weights = principalEigenvector(Judgements);
    // With weights adding up to 1, the sum of A·w is λ.
    result.LambdaMax = sumOf(times(Judgements, result.Weights));
    result.ConsistencyIndex = (result.LambdaMax - double(n)) / double(n - 1);
    result.ConsistencyRatio = n <= 2 ? 0 : result.ConsistencyIndex / RandomIndex(n);

    // Distances are measured on the ratio scale, so 3 where 1 fits is as far as 1/3.
    constexpr double Fits = 1e-9;
    double worst = Fits;
    for (qsizetype i = 0; i < n; ++i) {
        for (qsizetype j = i + 1; j < n; ++j) {
            const double distance =
                std::abs(std::log(Judgements[i][j] * result.Weights[j] / result.Weights[i]));
            // Equal distances (all three of a 3 x 3 matrix) name the first pair.
            if (distance > worst * (1 + 1e-9)) {
                worst = distance;
                result.WorstRow = int16_t(i);
                result.WorstColumn = int16_t(j);
            }
        }
    }
    return result;
}

double RandomIndex(qsizetype n)
{
    static constexpr double Index[] = {0, 0, 0, 0.58, 0.90, 1.12, 1.24, 1.32, 1.41, 1.45, 1.49};
    return n >= 0 && n <= MaxJudged ? Index[n] : Index[MaxJudged];
}

} // namespace WeightingMethods
