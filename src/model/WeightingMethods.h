// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

#include <cstdint>

// What pairwise comparison makes of a matrix of judgements.
struct PairwiseResult {
    QList<double> Weights;           // add up to 1
    double LambdaMax = 0;            // principal eigenvalue
    double ConsistencyIndex = 0;     // (LambdaMax - n) / (n - 1)
    double ConsistencyRatio = 0;     // ConsistencyIndex / RandomIndex(n); 0 for n <= 2
    int16_t WorstRow = -1;           // the judgement furthest from Weights[row] / Weights[column], row < column
    int16_t WorstColumn = -1;        // both -1 when every judgement fits the weights
};

// Three ways to turn what a person can say about their attributes into weightings that
// add up to 1. Input that breaks a method's rules raises the invalid-procedure-call error
// with a message that says what is wrong.
namespace WeightingMethods {

// Rank-order centroid weights: 1 = most important; only the order of the ranks counts, and
// attributes of equal rank share the mean weight of the places they occupy.
QList<double> RankOrderCentroid(const QList<int> &Ranks);

// Each attribute's points (0..100, at least one above 0) as a share of all points.
QList<double> Swing(const QList<double> &Points);

// Judgements[i][j] says how much more attribute i matters than j (n x n, positive and
// reciprocal, n from 2 to 10). The weights are the principal right eigenvector.
PairwiseResult Pairwise(const QList<QList<double>> &Judgements);

// The consistency ratio above which the judgements contradict each other.
inline constexpr double AcceptableRatio = 0.10;
// The mean consistency index of random matrices of size n (0 for n <= 2).
double RandomIndex(qsizetype n);

} // namespace WeightingMethods
