// SPDX-License-Identifier: GPL-3.0-or-later
#include "ErrorOf.h"
#include "model/TopicStability.h"
#include "support/VeltraneError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

namespace {

constexpr double Near = 1e-9;  // closer than this to a boundary, either side may lead
constexpr double Step = 1e-7;  // how far past a boundary its other leader is looked for

// The leader as the topic's own scores say, unrounded, after the slider move.
int16_t LeaderAfter(VeltraneTopic topic, const std::function<void(VeltraneTopic &)> &move)
{
    move(topic);
    topic.SetRounding(-1);
    int16_t best = 0;
    for (int16_t o = 1; o < topic.TotalOptions(); ++o) {
        if (topic.GetScore(o) > topic.GetScore(best))
            best = o;
    }
    return best;
}

// Small topics with many exact ties: values on a coarse grid, copied options, zero
// weightings, a single attribute or option now and then.
VeltraneTopic RandomTopic(std::mt19937 &random)
{
    std::uniform_int_distribution<int> count(1, 4);
    std::uniform_int_distribution<int> pick(0, 7);
    std::uniform_real_distribution<double> uniform(0, 1);
    const auto value = [&] {
        const int p = pick(random);
        return p < 5 ? p / 4.0 : uniform(random);
    };
    VeltraneTopic topic;
    topic.SetRounding(pick(random) < 4 ? 3 : -1);
    topic.SetTotalAttributes(int16_t(count(random)));
    topic.SetTotalOptions(int16_t(count(random)));
    const bool allZero = pick(random) == 0;
    for (int16_t a = 0; a < topic.TotalAttributes(); ++a) {
        topic.pSetWeighting(a, allZero ? 0 : value(), false);
        for (int16_t o = 0; o < topic.TotalOptions(); ++o)
            topic.SetRating(o, a, o > 0 && pick(random) == 0 ? topic.GetRating(o - 1, a) : value());
    }
    topic.SetNormaliseWeights(pick(random) < 4);
    topic.SetInvertWeights(pick(random) < 3);
    return topic;
}

// Checks one slider's range against the leader after moving that slider on copies: the
// leader holds inside the range and nowhere outside it, and the options named beyond the
// ends lead just past them.
void CheckAgainstScan(const VeltraneTopic &topic, const StableRange &range, double current,
                      const std::function<void(VeltraneTopic &, double)> &set, const std::string &what)
{
    SCOPED_TRACE(what);
    const int16_t leader = TopicStability::Leader(topic);
    ASSERT_TRUE(std::isfinite(range.From) && std::isfinite(range.To));
    EXPECT_LE(0, range.From);
    EXPECT_LE(range.From, current);
    EXPECT_LE(current, range.To);
    EXPECT_LE(range.To, 1);
    EXPECT_EQ(range.LeaderBelow < 0, range.From == 0);
    EXPECT_EQ(range.LeaderAbove < 0, range.To == 1);
    const auto leaderAt = [&](double x) { return LeaderAfter(topic, [&](VeltraneTopic &t) { set(t, x); }); };
    for (int i = 0; i <= 200; ++i) {
        const double x = i / 200.0;
        if (std::abs(x - range.From) < Near || std::abs(x - range.To) < Near)
            continue;
        EXPECT_EQ(leaderAt(x) == leader, range.From <= x && x <= range.To) << "at " << x;
    }
    if (range.LeaderBelow >= 0) {
        EXPECT_EQ(leaderAt(std::max(0.0, range.From - Step)), range.LeaderBelow);
    }
    if (range.LeaderAbove >= 0) {
        EXPECT_EQ(leaderAt(std::min(1.0, range.To + Step)), range.LeaderAbove);
    }
    // The very ends of the track, which the scan above leaves out: an exact tie there, or
    // the jump of the all-zero rule at 0, may hand the lead to another option.
    if (range.From < Near)
        EXPECT_EQ(leaderAt(0), range.From == 0 ? leader : range.LeaderBelow) << "at 0";
    if (range.To > 1 - Near)
        EXPECT_EQ(leaderAt(1), range.To == 1 ? leader : range.LeaderAbove) << "at 1";
}

// The two-car example: Price 0.5 and Quality 0.25; Car A rated 0.8 and 0.4, Car B 0.3 and 0.9.
VeltraneTopic Cars()
{
    VeltraneTopic topic;
    topic.SetRounding(3);
    topic.SetTotalAttributes(2);
    topic.SetTotalOptions(2);
    topic.pSetWeighting(0, 0.5, false);
    topic.pSetWeighting(1, 0.25, false);
    topic.SetRating(0, 0, 0.8);
    topic.SetRating(0, 1, 0.4);
    topic.SetRating(1, 0, 0.3);
    topic.SetRating(1, 1, 0.9);
    return topic;
}

} // namespace

TEST(TopicStability, RangesMatchAScanOfSliderMovesOnRandomTopics)
{
    std::mt19937 random(12);
    for (int round = 0; round < 300; ++round) {
        const VeltraneTopic topic = RandomTopic(random);
        const std::string trace = "topic " + std::to_string(round);
        for (int16_t k = 0; k < topic.TotalAttributes(); ++k) {
            // The range holds the weighting as the topic has it, whatever the rounding.
            VeltraneTopic exact = topic;
            exact.SetRounding(-1);
            const double current = exact.GetWeighting(k);
            const StableRange rounded = TopicStability::WeightingRange(topic, k);
            EXPECT_TRUE(rounded.From <= current && current <= rounded.To) << trace;
            // Rounded shares move the topic a hair when a weighting is set; without them the
            // scan must agree exactly.
            CheckAgainstScan(exact, TopicStability::WeightingRange(exact, k), current,
                             [k](VeltraneTopic &t, double x) { t.SetWeighting(k, x); },
                             trace + " weighting " + std::to_string(k));

            // The scores follow the slider's rescaling, rounded shares included.
            for (int i = 0; i <= 20; ++i) {
                const double x = i / 20.0;
                const QList<double> scores = TopicStability::ScoresAtWeighting(topic, k, x);
                VeltraneTopic moved = topic;
                moved.SetWeighting(k, x);
                moved.SetRounding(-1);
                for (int16_t o = 0; o < topic.TotalOptions(); ++o)
                    ASSERT_NEAR(scores[o], moved.GetScore(o), 1e-12) << trace << " at " << x;
            }

            // Between crossovers the leader is the one the last crossover handed it to.
            const QList<Crossover> crossovers = TopicStability::WeightingCrossovers(exact, k);
            for (qsizetype c = 0; c < crossovers.size(); ++c) {
                EXPECT_TRUE(crossovers[c].Value > 0 && crossovers[c].Value < 1);
                EXPECT_NE(crossovers[c].Before, crossovers[c].After);
                if (c > 0) {
                    EXPECT_LT(crossovers[c - 1].Value, crossovers[c].Value);
                    EXPECT_EQ(crossovers[c - 1].After, crossovers[c].Before);
                }
            }
            for (int i = 1; i < 200; ++i) {
                const double x = i / 200.0;
                int16_t expected = -1;
                bool nearOne = false;
                for (const Crossover &c : crossovers) {
                    nearOne = nearOne || std::abs(c.Value - x) < Near;
                    if (c.Value < x)
                        expected = c.After;
                    else if (expected < 0)
                        expected = c.Before;
                }
                if (nearOne || expected < 0)
                    continue;
                EXPECT_EQ(LeaderAfter(exact, [&](VeltraneTopic &t) { t.SetWeighting(k, x); }), expected)
                    << trace << " weighting " << k << " at " << x;
            }
        }
        for (int16_t o = 0; o < topic.TotalOptions(); ++o) {
            for (int16_t k = 0; k < topic.TotalAttributes(); ++k) {
                VeltraneTopic exact = topic;
                exact.SetRounding(-1);
                CheckAgainstScan(topic, TopicStability::RatingRange(topic, o, k), exact.GetRating(o, k),
                                 [o, k](VeltraneTopic &t, double x) { t.SetRating(o, k, x); },
                                 trace + " rating " + std::to_string(o) + "/" + std::to_string(k));
            }
        }

        // All at once, from one reading of the topic, exactly as one by one.
        const TopicRanges all = TopicStability::AllRanges(topic);
        const auto same = [&trace](const StableRange &a, const StableRange &b) {
            EXPECT_TRUE(a.From == b.From && a.To == b.To && a.LeaderBelow == b.LeaderBelow
                        && a.LeaderAbove == b.LeaderAbove)
                << trace;
        };
        EXPECT_EQ(all.Leader, TopicStability::Leader(topic)) << trace;
        for (int16_t k = 0; k < topic.TotalAttributes(); ++k)
            same(all.Weighting[k], TopicStability::WeightingRange(topic, k));
        for (int16_t o = 0; o < topic.TotalOptions(); ++o) {
            for (int16_t k = 0; k < topic.TotalAttributes(); ++k)
                same(all.Rating[o * topic.TotalAttributes() + k], TopicStability::RatingRange(topic, o, k));
        }

        // The closest change, made a step further, hands the lead to the option it names.
        if (const auto change = TopicStability::ClosestChange(topic)) {
            const StableRange range = change->IsWeighting
                ? TopicStability::WeightingRange(topic, change->AttributeID)
                : TopicStability::RatingRange(topic, change->OptionID, change->AttributeID);
            const bool down = change->To == range.From && change->NewLeader == range.LeaderBelow;
            const double x = std::clamp(change->To + (down ? -Step : Step), 0.0, 1.0);
            const int16_t after = LeaderAfter(topic, [&](VeltraneTopic &t) {
                t.SetRounding(-1);
                if (change->IsWeighting)
                    t.SetWeighting(change->AttributeID, x);
                else
                    t.SetRating(change->OptionID, change->AttributeID, x);
            });
            if (!change->IsWeighting || !topic.NormaliseWeights() || topic.Rounding() == -1) {
                EXPECT_EQ(after, change->NewLeader) << trace;
            }
        }
    }
}

TEST(TopicStability, TheCarExampleAndItsClosestChange)
{
    const VeltraneTopic topic = Cars();
    EXPECT_EQ(TopicStability::Leader(topic), 0);
    const StableRange price = TopicStability::WeightingRange(topic, 0);
    EXPECT_DOUBLE_EQ(price.From, 0.25);
    EXPECT_EQ(price.To, 1);
    EXPECT_EQ(price.LeaderBelow, 1);
    EXPECT_EQ(price.LeaderAbove, -1);

    // Four moves of 0.25 each would do; the first slider (Price weighting) is named.
    const auto change = TopicStability::ClosestChange(topic);
    ASSERT_TRUE(change);
    EXPECT_TRUE(change->IsWeighting);
    EXPECT_EQ(change->AttributeID, 0);
    EXPECT_EQ(change->From, 0.5);
    EXPECT_DOUBLE_EQ(change->To, 0.25);
    EXPECT_EQ(change->NewLeader, 1);

    const QList<Crossover> crossovers = TopicStability::WeightingCrossovers(topic, 0);
    ASSERT_EQ(crossovers.size(), 1);
    EXPECT_DOUBLE_EQ(crossovers[0].Value, 0.25);
    EXPECT_EQ(crossovers[0].Before, 1);
    EXPECT_EQ(crossovers[0].After, 0);
}

TEST(TopicStability, OneAttributeOneOptionAndIdenticalOptions)
{
    VeltraneTopic single = Cars();
    single.DeleteAttribute(1);
    const StableRange weighting = TopicStability::WeightingRange(single, 0);
    EXPECT_EQ(weighting.From, 0);
    EXPECT_EQ(weighting.To, 1);
    EXPECT_TRUE(TopicStability::WeightingCrossovers(single, 0).isEmpty());
    // Car A's 0.8 against Car B's 0.3: A leads down to a tie at 0.3.
    EXPECT_DOUBLE_EQ(TopicStability::RatingRange(single, 0, 0).From, 0.3);

    VeltraneTopic alone = Cars();
    alone.DeleteOption(1);
    EXPECT_FALSE(TopicStability::ClosestChange(alone));

    // Two identical options: the lower number leads, and any move of either hands it over.
    VeltraneTopic twins = Cars();
    twins.SetRating(1, 0, 0.8);
    twins.SetRating(1, 1, 0.4);
    EXPECT_EQ(TopicStability::Leader(twins), 0);
    const StableRange down = TopicStability::RatingRange(twins, 0, 0);
    EXPECT_EQ(down.From, 0.8);
    EXPECT_EQ(down.LeaderBelow, 1);
    const StableRange up = TopicStability::RatingRange(twins, 1, 0);
    EXPECT_EQ(up.To, 0.8);
    EXPECT_EQ(up.LeaderAbove, 1);
    const auto change = TopicStability::ClosestChange(twins);
    ASSERT_TRUE(change);
    EXPECT_EQ(std::abs(change->To - change->From), 0);
}

TEST(TopicStability, AllWeightingsZeroScoreThePlainMeansAtZeroOnly)
{
    // Car A rated 1 and 0, Car B 0 and 0.5. The means (0.5 and 0.25) favour Car A; any
    // positive Price weighting alone favours Car A too, any positive Quality weighting Car B.
    VeltraneTopic topic = Cars();
    topic.pSetWeighting(0, 0, false);
    topic.pSetWeighting(1, 0, false);
    topic.SetRating(0, 0, 1);
    topic.SetRating(0, 1, 0);
    topic.SetRating(1, 0, 0);
    topic.SetRating(1, 1, 0.5);
    EXPECT_EQ(TopicStability::Leader(topic), 0);
    const StableRange price = TopicStability::WeightingRange(topic, 0);
    EXPECT_EQ(price.From, 0);
    EXPECT_EQ(price.To, 1);
    const StableRange quality = TopicStability::WeightingRange(topic, 1);
    EXPECT_EQ(quality.To, 0);
    EXPECT_EQ(quality.LeaderAbove, 1);
    EXPECT_EQ(TopicStability::ScoresAtWeighting(topic, 1, 0), (QList<double>{0.5, 0.25}));
    const QList<double> weighted = TopicStability::ScoresAtWeighting(topic, 1, 0.2);
    EXPECT_DOUBLE_EQ(weighted[0], 0);
    EXPECT_DOUBLE_EQ(weighted[1], 0.5);

    // With Quality alone weighted, Car B leads for every Quality weighting but 0.
    topic.pSetWeighting(1, 0.5, false);
    const StableRange alone = TopicStability::WeightingRange(topic, 1);
    EXPECT_GT(alone.From, 0);
    EXPECT_LT(alone.From, 1e-300);
    EXPECT_EQ(alone.LeaderBelow, 0);
    const QList<Crossover> crossovers = TopicStability::WeightingCrossovers(topic, 1);
    ASSERT_EQ(crossovers.size(), 1);
    EXPECT_EQ(crossovers[0].Value, alone.From);
    // Price from 0 up to 0.25 is closer than Quality down to 0.
    const auto change = TopicStability::ClosestChange(topic);
    ASSERT_TRUE(change);
    EXPECT_TRUE(change->IsWeighting);
    EXPECT_EQ(change->AttributeID, 0);
    EXPECT_DOUBLE_EQ(change->To, 0.25);
    EXPECT_EQ(change->NewLeader, 0);
}

TEST(TopicStability, InvalidIdentifiersAndValuesRaiseTheTopicsErrors)
{
    const VeltraneTopic topic = Cars();
    const int32_t base = vbObjectError;
    EXPECT_EQ(ErrorOf([&] { TopicStability::WeightingRange(topic, 2); }).number(), base + 1001);
    EXPECT_EQ(ErrorOf([&] { TopicStability::WeightingCrossovers(topic, -1); }).number(), base + 1001);
    EXPECT_EQ(ErrorOf([&] { TopicStability::RatingRange(topic, 2, 5); }).number(), base + 1002);
    EXPECT_EQ(ErrorOf([&] { TopicStability::RatingRange(topic, 0, 5); }).description(),
              "Attribute 5 not found in RatingRange().");
    EXPECT_EQ(ErrorOf([&] { TopicStability::ScoresAtWeighting(topic, 0, std::nan("")); }).number(), base + 1003);
}
