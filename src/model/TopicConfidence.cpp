// SPDX-License-Identifier: GPL-3.0-or-later
#include "TopicConfidence.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <vector>

namespace {

uint64_t splitMix64(uint64_t &state)
{
    uint64_t z = (state += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

// xoshiro256** 1.0, its state filled by SplitMix64 from the seed as its authors advise.
// Written out here so that no library's choice of generator changes the figures.
class Xoshiro256StarStar
{
public:
    explicit Xoshiro256StarStar(uint64_t seed)
    {
        for (uint64_t &word : m_state)
            word = splitMix64(seed);
    }

    uint64_t Next()
    {
        const uint64_t result = std::rotl(m_state[1] * 5, 7) * 9;
        const uint64_t t = m_state[1] << 17;
        m_state[2] ^= m_state[0];
        m_state[3] ^= m_state[1];
        m_state[1] ^= m_state[2];
        m_state[0] ^= m_state[3];
        m_state[2] ^= t;
        m_state[3] = std::rotl(m_state[3], 45);
        return result;
    }

    // Uniform in [0, 1), from the top 53 bits.
    double Uniform() { return double(Next() >> 11) * 0x1.0p-53; }

private:
    uint64_t m_state[4];
};

double drawNear(double value, double spread, Xoshiro256StarStar &random)
{
    if (spread == 0)
        return value;
    return std::clamp(value + spread * (2 * random.Uniform() - 1), 0.0, 1.0);
}

} // namespace

namespace TopicConfidence {

Confidence Simulate(const VeltraneTopic &topic, int32_t draws, uint64_t seed)
{
    const ScoreMatrix stored = ScoreMatrix::Of(topic);
    const auto options = size_t(stored.Options);
    const double ratingSpread = topic.RatingSpread();
    const double weightingSpread = topic.WeightingSpread();

    std::vector<std::vector<double>> placeCounts(options, std::vector<double>(options, 0.0));
    ScoreMatrix drawn = stored;
    std::vector<double> scores(options);
    std::vector<size_t> order(options);
    Xoshiro256StarStar random(seed);

    draws = std::max(draws, 0);
    for (int32_t draw = 0; draw < draws; ++draw) {
        // Weightings first, then the ratings option by option: the order fixes which
        // random number goes where.
        for (int a = 0; a < stored.Attributes; ++a)
            drawn.Stored[a] = drawNear(stored.Stored[a], weightingSpread, random);
        drawn.Normalise();
        for (qsizetype r = 0; r < stored.Rating.size(); ++r)
            drawn.Rating[r] = drawNear(stored.Rating[r], ratingSpread, random);
        for (size_t o = 0; o < options; ++o)
            scores[o] = drawn.Score(int(o));

        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(), [&](size_t x, size_t y) {
            return scores[x] != scores[y] ? scores[x] > scores[y] : x < y;
        });
        for (size_t first = 0; first < options;) {
            size_t end = first + 1;
            while (end < options && scores[order[first]] - scores[order[end]] <= TieTolerance)
                ++end;
            const double share = 1.0 / double(end - first);
            for (size_t i = first; i < end; ++i) {
                for (size_t place = first; place < end; ++place)
                    placeCounts[order[i]][place] += share;
            }
            first = end;
        }
    }

    Confidence result;
    result.Draws = draws;
    for (size_t o = 0; o < options; ++o) {
        QList<double> row;
        for (double count : placeCounts[o])
            row.append(draws > 0 ? count / draws : 0.0);
        result.Best.append(row[0]);
        result.Rank.append(row);
    }
    return result;
}

uint64_t SeedOf(const VeltraneTopic &topic)
{
    const ScoreMatrix stored = ScoreMatrix::Of(topic);
    uint64_t hash = 0;
    const auto mix = [&hash](uint64_t bits) {
        hash ^= bits;
        hash = splitMix64(hash);
    };
    const auto mixValue = [&mix](double value) { mix(std::bit_cast<uint64_t>(value)); };
    mix(uint64_t(stored.Options));
    mix(uint64_t(stored.Attributes));
    mix(topic.InvertWeights() ? 1 : 0);
    mixValue(topic.RatingSpread());
    mixValue(topic.WeightingSpread());
    for (double weighting : stored.Stored)
        mixValue(weighting);
    for (double rating : stored.Rating)
        mixValue(rating);
    // Only a topic with lower-is-better attributes mixes them in, so every other topic
    // keeps the figures it always had.
    uint64_t against = 0;
    for (int a = 0; a < stored.Attributes; ++a)
        against |= uint64_t(stored.Against[a]) << (a % 64);
    if (against != 0)
        mix(against);
    return hash;
}

} // namespace TopicConfidence
