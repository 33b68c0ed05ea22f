// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScoreMatrix.h"
#include "VeltraneTopic.h"

#include <QList>

#include <cstdint>

// How often each option comes out best, and in each place, over many draws in which every
// rating and weighting lies anywhere within its value plus or minus the topic's spread.
struct Confidence {
    QList<double> Best;            // per option: the share of draws in which it is best (ties split evenly)
    QList<QList<double>> Rank;     // Rank[i][r]: the share of draws in which option i takes place r (0 = best)
    int32_t Draws = 0;
};

namespace TopicConfidence {

// The number of draws the program shows.
inline constexpr int32_t ShownDraws = 10000;

// Scores closer than this count as equal.
inline constexpr double TieTolerance = ScoreMatrix::TieTolerance;

// Each draw takes every stored weighting and rating uniformly from its value plus or minus
// its spread, clamped to 0..1, and scores the options as the topic does, unrounded. Tied
// options share the places they hold between them evenly, so with k options tied for
// places p to p + k - 1 each gets 1/k of each of those places, and Best is Rank's place 0.
// The generator is xoshiro256** seeded through SplitMix64: the same topic, draw count and
// seed give the same result on every machine. No draws (draws <= 0) give all shares 0.
Confidence Simulate(const VeltraneTopic &topic, int32_t draws, uint64_t seed);

// A seed made of nothing but the values that decide the scores (the counts, the stored
// weightings and ratings, InvertWeights, the lower-is-better marks and the two spreads): names, the title and the
// display settings do not change the figures.
uint64_t SeedOf(const VeltraneTopic &topic);

} // namespace TopicConfidence
