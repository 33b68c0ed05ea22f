// SPDX-License-Identifier: GPL-3.0-or-later
#include "ErrorOf.h"
#include "model/TopicConfidence.h"
#include "model/TopicStability.h"
#include "model/VeltraneTopic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <random>

namespace {

constexpr int32_t BadAttribute = vbObjectError + 1001;
constexpr int32_t BadOption = vbObjectError + 1002;
constexpr int32_t BadValue = vbObjectError + 1003;

const AttributeScale Price{QStringLiteral("$"), 2000, 800, {}};
const AttributeScale Hours{QStringLiteral("h"), 5, 15, {}};

// Laptops: price (measured, lower is better), battery (measured), looks (by hand).
VeltraneTopic Laptops()
{
    VeltraneTopic topic;
    topic.SetTotalAttributes(3);
    topic.SetTotalOptions(3);
    topic.SetScale(0, Price);
    topic.SetScale(1, Hours);
    topic.SetValue(0, 0, 1299);
    topic.SetValue(1, 0, 2500);
    topic.SetValue(0, 1, 9);
    topic.SetRating(2, 2, 0.7);
    return topic;
}

} // namespace

TEST(TopicMeasures, ValuesAndRatingsFollowEachOther)
{
    VeltraneTopic topic = Laptops();
    EXPECT_NEAR(topic.GetRating(0, 0), 0.584, 0.0005);
    EXPECT_EQ(topic.GetRating(1, 0), 0); // dearer than the worst price: rates 0, keeps its price
    EXPECT_EQ(topic.GetValue(1, 0), 2500);
    EXPECT_DOUBLE_EQ(topic.GetRating(0, 1), 0.4);
    EXPECT_FALSE(topic.HasValue(2, 0));
    EXPECT_TRUE(std::isnan(topic.GetValue(2, 0)));
    EXPECT_EQ(topic.GetRating(2, 0), VeltraneTopic::DefaultRating);

    // The same rating again keeps the value; another moves it along the function.
    topic.SetRating(1, 0, 0);
    EXPECT_EQ(topic.GetValue(1, 0), 2500);
    topic.SetRating(1, 0, 0.5);
    EXPECT_DOUBLE_EQ(topic.GetValue(1, 0), 1400);
    topic.SetRating(2, 0, 0.25); // by hand, no value appears
    EXPECT_FALSE(topic.HasValue(2, 0));

    // A new scale re-rates the values; hand ratings stay.
    topic.SetScale(0, {QStringLiteral("$"), 1500, 1000, {{1300, 0.5}}});
    EXPECT_DOUBLE_EQ(topic.GetRating(0, 0), 0.5 + 0.5 * 1 / 300.0);
    EXPECT_DOUBLE_EQ(topic.GetRating(1, 0), 0.25);
    EXPECT_EQ(topic.GetRating(2, 0), 0.25);

    topic.ClearValue(0, 1);
    EXPECT_FALSE(topic.HasValue(0, 1));
    EXPECT_DOUBLE_EQ(topic.GetRating(0, 1), 0.4);

    const double kept = topic.GetRating(0, 0);
    topic.ClearScale(0);
    EXPECT_FALSE(topic.HasScale(0));
    EXPECT_FALSE(topic.HasValue(0, 0));
    EXPECT_EQ(topic.GetRating(0, 0), kept);
    EXPECT_EQ(topic.GetScale(0), AttributeScale());
}

TEST(TopicMeasures, BadCallsRaiseTheTopicsErrorsAndChangeNothing)
{
    VeltraneTopic topic = Laptops();
    const VeltraneTopic before = topic;
    const auto expect = [&](const std::function<void()> &call, int32_t number, const QString &message) {
        const VeltraneError error = ErrorOf(call);
        EXPECT_EQ(error.number(), number) << message.toStdString();
        EXPECT_EQ(error.description(), message);
        EXPECT_EQ(topic, before) << message.toStdString();
    };
    expect([&] { topic.HasScale(3); }, BadAttribute, "Attribute 3 not found in HasScale().");
    expect([&] { topic.GetScale(-1); }, BadAttribute, "Attribute -1 not found in GetScale().");
    expect([&] { topic.SetScale(3, Price); }, BadAttribute, "Attribute 3 not found in SetScale().");
    expect([&] { topic.ClearScale(3); }, BadAttribute, "Attribute 3 not found in ClearScale().");
    expect([&] { topic.IsLowerBetter(3); }, BadAttribute, "Attribute 3 not found in IsLowerBetter().");
    expect([&] { topic.SetLowerBetter(3, true); }, BadAttribute, "Attribute 3 not found in SetLowerBetter().");
    // The option is checked first.
    expect([&] { topic.HasValue(3, 3); }, BadOption, "Option 3 not found in HasValue().");
    expect([&] { topic.GetValue(0, 3); }, BadAttribute, "Attribute 3 not found in GetValue().");
    expect([&] { topic.SetValue(-1, 0, 1); }, BadOption, "Option -1 not found in SetValue().");
    expect([&] { topic.ClearValue(3, 0); }, BadOption, "Option 3 not found in ClearValue().");

    expect([&] { topic.SetScale(0, {QString(), 5, 5, {}}); }, BadValue, "Invalid scale supplied to SetScale().");
    expect([&] { topic.SetValue(0, 0, std::numeric_limits<double>::infinity()); }, BadValue,
           "Invalid value supplied to SetValue().");
    expect([&] { topic.SetValue(0, 0, std::nan("")); }, BadValue, "Invalid value supplied to SetValue().");
    expect([&] { topic.SetValue(0, 2, 1); }, BadValue,
           "Invalid value supplied to SetValue(): attribute 2 has no scale.");
    expect([&] { topic.SetLowerBetter(1, true); }, BadValue,
           "Invalid direction supplied to SetLowerBetter(): attribute 1 takes its direction from its scale.");
    expect([&] { topic.SetRating(0, 0, 1.5); }, BadValue, "Invalid Rating supplied to SetRating().");
}

TEST(TopicMeasures, DirectionComesFromTheAnchorsOrTheFlag)
{
    VeltraneTopic topic = Laptops();
    EXPECT_TRUE(topic.IsLowerBetter(0));
    EXPECT_FALSE(topic.IsLowerBetter(1));
    EXPECT_FALSE(topic.CountsAgainst(0)); // its ratings already say that lower is better
    topic.SetLowerBetter(0, true);         // agrees with the anchors: nothing to refuse
    EXPECT_FALSE(topic.CountsAgainst(0));

    topic.SetLowerBetter(2, true);
    EXPECT_TRUE(topic.IsLowerBetter(2));
    EXPECT_TRUE(topic.CountsAgainst(2));
    EXPECT_NE(topic, Laptops());
    topic.SetScale(2, Hours); // measured now: the anchors decide
    EXPECT_FALSE(topic.IsLowerBetter(2));
    EXPECT_FALSE(topic.CountsAgainst(2));
}

TEST(TopicMeasures, AddingAndDeletingCarryScalesAndValuesAlong)
{
    VeltraneTopic topic = Laptops();
    topic.AddAttribute(QStringLiteral("Weight"));
    topic.AddOption(QStringLiteral("D"));
    EXPECT_FALSE(topic.HasScale(3));
    EXPECT_FALSE(topic.HasValue(3, 0));
    EXPECT_FALSE(topic.HasValue(0, 3));
    EXPECT_THROW(topic.SetValue(3, 3, 1), VeltraneError);

    topic.DeleteAttribute(0);
    EXPECT_EQ(topic.GetScale(0), Hours);
    EXPECT_EQ(topic.GetValue(0, 0), 9);
    EXPECT_FALSE(topic.HasScale(1));
    topic.DeleteOption(0);
    EXPECT_FALSE(topic.HasValue(0, 0));
    topic.SetValue(0, 0, 12);
    EXPECT_DOUBLE_EQ(topic.GetRating(0, 0), 0.7);

    // Copies compare equal until a scale or a value differs.
    VeltraneTopic other = topic;
    EXPECT_EQ(other, topic);
    other.SetValue(0, 0, 12.5);
    EXPECT_NE(other, topic);
    other = topic;
    other.SetScale(0, {QStringLiteral("hours"), 5, 15, {}});
    EXPECT_NE(other, topic);

    // Deleting the only attribute or option starts it afresh, without a scale or values.
    VeltraneTopic single;
    single.SetScale(0, Hours);
    single.SetValue(0, 0, 10);
    single.DeleteOption(0);
    EXPECT_FALSE(single.HasValue(0, 0));
    single.SetValue(0, 0, 10);
    single.SetTotalAttributes(1);
    single.DeleteAttribute(0);
    EXPECT_FALSE(single.HasScale(0));
    EXPECT_FALSE(single.HasValue(0, 0));
    EXPECT_EQ(single, VeltraneTopic());
}

// A lower-is-better attribute counts each rating r as 1 - r: scores, stable ranges and the
// confidence seed agree with a topic that stores 1 - r instead, the ranges mirrored.
TEST(TopicMeasures, LowerIsBetterCountsAsOneMinusTheRatingEverywhere)
{
    std::mt19937 random(22);
    std::uniform_real_distribution<double> uniform(0, 1);
    for (int round = 0; round < 200; ++round) {
        VeltraneTopic flagged;
        flagged.SetTotalAttributes(3);
        flagged.SetTotalOptions(3);
        flagged.SetInvertWeights(round % 3 == 0);
        for (int16_t a = 0; a < 3; ++a) {
            flagged.pSetWeighting(a, uniform(random), false);
            for (int16_t o = 0; o < 3; ++o)
                flagged.SetRating(o, a, uniform(random));
        }
        const auto k = int16_t(round % 3);
        VeltraneTopic mirrored = flagged;
        flagged.SetLowerBetter(k, true);
        for (int16_t o = 0; o < 3; ++o)
            mirrored.SetRating(o, k, 1 - flagged.GetRating(o, k));
        for (int16_t o = 0; o < 3; ++o)
            ASSERT_NEAR(flagged.GetScore(o), mirrored.GetScore(o), 1e-12);
        const TopicRanges ranges = TopicStability::AllRanges(flagged);
        const TopicRanges mirror = TopicStability::AllRanges(mirrored);
        ASSERT_EQ(ranges.Leader, mirror.Leader);
        for (int16_t o = 0; o < 3; ++o) {
            const StableRange &range = ranges.Rating[o * 3 + k];
            const StableRange &image = mirror.Rating[o * 3 + k];
            EXPECT_NEAR(range.From, 1 - image.To, 1e-9);
            EXPECT_NEAR(range.To, 1 - image.From, 1e-9);
            EXPECT_EQ(range.LeaderBelow, image.LeaderAbove);
        }
        EXPECT_NE(TopicConfidence::SeedOf(flagged), TopicConfidence::SeedOf(mirrored));
    }

    // Both switches at once cancel out.
    VeltraneTopic topic;
    topic.SetRating(0, 0, 0.8);
    topic.SetInvertWeights(true);
    topic.SetLowerBetter(0, true);
    EXPECT_EQ(topic.GetScore(0), 0.8);
}
