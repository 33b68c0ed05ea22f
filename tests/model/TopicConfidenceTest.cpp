// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/TopicConfidence.h"
#include "support/VeltraneError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numeric>
#include <random>

namespace {

// One attribute per entry of `ratings[0]`, equal weightings unless given.
VeltraneTopic TopicOf(const QList<QList<double>> &ratings, const QList<double> &weightings = {})
{
    VeltraneTopic topic;
    topic.SetTotalOptions(int16_t(ratings.size()));
    topic.SetTotalAttributes(int16_t(ratings[0].size()));
    for (int16_t a = 0; a < topic.TotalAttributes(); ++a)
        topic.SetWeighting(a, weightings.isEmpty() ? 0.5 : weightings[a]);
    for (int16_t o = 0; o < topic.TotalOptions(); ++o) {
        for (int16_t a = 0; a < topic.TotalAttributes(); ++a)
            topic.SetRating(o, a, ratings[o][a]);
    }
    return topic;
}

void ExpectSharesAddUp(const Confidence &result)
{
    const auto options = result.Best.size();
    ASSERT_EQ(result.Rank.size(), options);
    EXPECT_NEAR(std::accumulate(result.Best.begin(), result.Best.end(), 0.0), 1, 1e-9);
    for (qsizetype o = 0; o < options; ++o) {
        ASSERT_EQ(result.Rank[o].size(), options);
        EXPECT_NEAR(std::accumulate(result.Rank[o].begin(), result.Rank[o].end(), 0.0), 1, 1e-9);
        EXPECT_DOUBLE_EQ(result.Best[o], result.Rank[o][0]);
        double place = 0; // every place is taken in every draw
        for (qsizetype i = 0; i < options; ++i)
            place += result.Rank[i][o];
        EXPECT_NEAR(place, 1, 1e-9);
    }
}

} // namespace

TEST(TopicConfidence, SpreadsDefaultToATenthAndRejectValuesOutsideZeroToHalf)
{
    VeltraneTopic topic;
    EXPECT_EQ(topic.RatingSpread(), 0.1);
    EXPECT_EQ(topic.WeightingSpread(), 0.1);
    topic.SetRatingSpread(0);
    topic.SetWeightingSpread(0.5);
    EXPECT_EQ(topic.RatingSpread(), 0);
    EXPECT_EQ(topic.WeightingSpread(), 0.5);
    for (double bad : {-0.001, 0.5000001, std::numeric_limits<double>::quiet_NaN(), 1e308}) {
        try {
            topic.SetRatingSpread(bad);
            ADD_FAILURE() << bad;
        } catch (const VeltraneError &error) {
            EXPECT_EQ(error.number(), vbObjectError + 1003);
            EXPECT_EQ(error.description(), "Invalid rating spread supplied to SetRatingSpread().");
        }
        try {
            topic.SetWeightingSpread(bad);
            ADD_FAILURE() << bad;
        } catch (const VeltraneError &error) {
            EXPECT_EQ(error.number(), vbObjectError + 1003);
            EXPECT_EQ(error.description(), "Invalid weighting spread supplied to SetWeightingSpread().");
        }
    }
    EXPECT_EQ(topic.RatingSpread(), 0);
    EXPECT_EQ(topic.WeightingSpread(), 0.5);
}

// Many small topics on a coarse grid (so ties, zero weightings and clamped values are
// common): the shares always add up, and with no spread the result is the plain leader
// by the topic's own unrounded scores.
TEST(TopicConfidence, SharesAddUpAndNoSpreadGivesThePlainLeader)
{
    std::mt19937 pick(7);
    const double grid[] = {0, 0.25, 0.5, 0.75, 1};
    const auto value = [&] { return grid[pick() % 5]; };
    for (int round = 0; round < 300; ++round) {
        VeltraneTopic topic;
        topic.SetTotalOptions(int16_t(1 + pick() % 4));
        topic.SetTotalAttributes(int16_t(1 + pick() % 3));
        topic.SetInvertWeights(pick() % 2);
        for (int16_t a = 0; a < topic.TotalAttributes(); ++a)
            topic.SetWeighting(a, value());
        for (int16_t o = 0; o < topic.TotalOptions(); ++o) {
            for (int16_t a = 0; a < topic.TotalAttributes(); ++a)
                topic.SetRating(o, a, value());
        }
        topic.SetRatingSpread(0.5 * double(pick() % 3) / 2);
        topic.SetWeightingSpread(0.5 * double(pick() % 3) / 2);
        SCOPED_TRACE(round);
        ExpectSharesAddUp(TopicConfidence::Simulate(topic, 50, round));

        topic.SetRatingSpread(0);
        topic.SetWeightingSpread(0);
        const Confidence plain = TopicConfidence::Simulate(topic, 3, round);
        double top = 0;
        for (int16_t o = 0; o < topic.TotalOptions(); ++o)
            top = std::max(top, topic.GetScore(o));
        QList<int16_t> leaders;
        for (int16_t o = 0; o < topic.TotalOptions(); ++o) {
            if (top - topic.GetScore(o) <= TopicConfidence::TieTolerance)
                leaders.append(o);
        }
        for (int16_t o = 0; o < topic.TotalOptions(); ++o)
            EXPECT_DOUBLE_EQ(plain.Best[o], leaders.contains(o) ? 1.0 / double(leaders.size()) : 0.0) << o;
    }
}

TEST(TopicConfidence, ADominatingOptionIsAlwaysBestAndEqualOptionsShare)
{
    const Confidence dominated = TopicConfidence::Simulate(TopicOf({{0.9, 0.8}, {0.3, 0.4}, {0.5, 0.2}}), 2000, 1);
    EXPECT_EQ(dominated.Best[0], 1);
    EXPECT_EQ(dominated.Rank[0][0], 1);
    EXPECT_EQ(dominated.Draws, 2000);

    const Confidence twins = TopicConfidence::Simulate(TopicOf({{0.6, 0.3}, {0.6, 0.3}, {0.1, 0.1}}), 10000, 2);
    EXPECT_NEAR(twins.Best[0], twins.Best[1], 0.01);
    EXPECT_NEAR(twins.Best[0] + twins.Best[1], 1, 1e-9);
    EXPECT_EQ(twins.Rank[2][2], 1);
}

TEST(TopicConfidence, TheSameTopicAndSeedGiveTheSameResult)
{
    VeltraneTopic topic = TopicOf({{0.5, 0.6}, {0.55, 0.5}, {0.6, 0.45}}, {0.4, 0.7});
    const Confidence first = TopicConfidence::Simulate(topic, 1000, 42);
    const Confidence again = TopicConfidence::Simulate(topic, 1000, 42);
    EXPECT_EQ(first.Best, again.Best);
    EXPECT_EQ(first.Rank, again.Rank);
    EXPECT_NE(TopicConfidence::Simulate(topic, 1000, 43).Best, first.Best);

    // The seed follows the values alone.
    const uint64_t seed = TopicConfidence::SeedOf(topic);
    topic.SetOptionName(0, QStringLiteral("Renamed"));
    topic.SetTitle(QStringLiteral("Another title"));
    topic.SetNormaliseWeights(true);
    EXPECT_EQ(TopicConfidence::SeedOf(topic), seed);
    topic.SetRating(0, 0, 0.51);
    EXPECT_NE(TopicConfidence::SeedOf(topic), seed);
}

// Worked by hand from the areas of the uniform boxes.
TEST(TopicConfidence, SmallCasesMatchTheirHandWorkedChances)
{
    constexpr int32_t draws = 200000;
    constexpr double tolerance = 0.004; // over four standard errors

    // A in 0.4..0.6, B in 0.5..0.7: A is ahead on a triangle of 0.005 out of 0.04.
    VeltraneTopic shifted = TopicOf({{0.5}, {0.6}});
    EXPECT_NEAR(TopicConfidence::Simulate(shifted, draws, 3).Best[0], 0.125, tolerance);

    // Clamping: A = 1 half the time, B = 1 a quarter of the time; B leads in 0.25 of the
    // draws, they tie at 1 in 0.125 and share that.
    VeltraneTopic clamped = TopicOf({{1}, {0.95}});
    EXPECT_NEAR(TopicConfidence::Simulate(clamped, draws, 4).Best[1], 0.3125, tolerance);

    // Weightings 0.55 and 0.45, each off by up to 0.1: the second outweighs the first on a
    // triangle of 0.005 out of 0.04, and then the option that is good on it leads.
    VeltraneTopic weighted = TopicOf({{1, 0}, {0, 1}}, {0.55, 0.45});
    weighted.SetRatingSpread(0);
    const Confidence result = TopicConfidence::Simulate(weighted, draws, 5);
    EXPECT_NEAR(result.Best[1], 0.125, tolerance);
    EXPECT_EQ(result.Rank[1][1], result.Best[0]);
}
