// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/AttributeScale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

const AttributeScale Price{QStringLiteral("$"), 2000, 800, {}};
const AttributeScale Hours{QStringLiteral("h"), 5, 15, {}};
const AttributeScale Bent{QString(), 100, 50, {{90, 0.5}, {75, 0.8}}};

} // namespace

TEST(ValueFunction, RatesStraightAndBentScales)
{
    EXPECT_NEAR(ValueFunction::RatingOf(Price, 1299), 0.584, 0.0005);
    EXPECT_DOUBLE_EQ(ValueFunction::RatingOf(Hours, 9), 0.4);
    const double values[] = {50, 90, 100, 10, 40, 101, 120, 75};
    const double ratings[] = {1, 0.5, 0, 1, 1, 0, 0, 0.8};
    for (size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(ValueFunction::RatingOf(Bent, values[i]), ratings[i]) << values[i];
    EXPECT_DOUBLE_EQ(ValueFunction::RatingOf(Bent, 95), 0.25);
    EXPECT_DOUBLE_EQ(ValueFunction::RatingOf(Bent, 60), 0.8 + 0.2 * 15 / 25);
    EXPECT_EQ(ValueFunction::RatingOf(Hours, Infinity), 1);
    EXPECT_EQ(ValueFunction::RatingOf(Price, Infinity), 0);
    EXPECT_TRUE(std::isnan(ValueFunction::RatingOf(Price, NaN)));

    EXPECT_EQ(ValueFunction::ValueOf(Bent, 0.5), 90);
    EXPECT_EQ(ValueFunction::ValueOf(Bent, 0), 100);
    EXPECT_EQ(ValueFunction::ValueOf(Bent, 1), 50);
    EXPECT_EQ(ValueFunction::ValueOf(Bent, 1.5), 50);
    EXPECT_EQ(ValueFunction::ValueOf(Bent, -2), 100);
    EXPECT_DOUBLE_EQ(ValueFunction::ValueOf(Hours, 0.4), 9);
    EXPECT_TRUE(std::isnan(ValueFunction::ValueOf(Hours, NaN)));
    EXPECT_TRUE(ValueFunction::IsLowerBetter(Price));
    EXPECT_FALSE(ValueFunction::IsLowerBetter(Hours));
}

TEST(ValueFunction, ValidityFollowsEveryRule)
{
    EXPECT_TRUE(ValueFunction::IsValid(Price));
    EXPECT_TRUE(ValueFunction::IsValid(Bent));
    EXPECT_TRUE(ValueFunction::IsValid(AttributeScale{}));

    const auto invalid = [](const AttributeScale &scale) { return !ValueFunction::IsValid(scale); };
    EXPECT_PRED1(invalid, (AttributeScale{{}, 5, 5, {}}));
    EXPECT_PRED1(invalid, (AttributeScale{{}, NaN, 5, {}}));
    EXPECT_PRED1(invalid, (AttributeScale{{}, 0, Infinity, {}}));
    EXPECT_PRED1(invalid, (AttributeScale{QString(17, u'x'), 0, 1, {}}));
    EXPECT_TRUE(ValueFunction::IsValid(AttributeScale{QString(16, u'x'), 0, 1, {}}));
    EXPECT_PRED1(invalid, (AttributeScale{QStringLiteral("k\ng"), 0, 1, {}}));
    EXPECT_PRED1(invalid, (AttributeScale{QStringLiteral("k\rg"), 0, 1, {}}));
    // Points out of order, on an anchor, beyond one, or with ratings that do not rise.
    EXPECT_PRED1(invalid, (AttributeScale{{}, 100, 50, {{75, 0.5}, {90, 0.8}}}));
    EXPECT_PRED1(invalid, (AttributeScale{{}, 100, 50, {{100, 0.5}}}));
    EXPECT_PRED1(invalid, (AttributeScale{{}, 100, 50, {{50, 0.5}}}));
    EXPECT_PRED1(invalid, (AttributeScale{{}, 100, 50, {{110, 0.5}}}));
    EXPECT_PRED1(invalid, (AttributeScale{{}, 100, 50, {{90, 0.8}, {75, 0.5}}}));
    EXPECT_PRED1(invalid, (AttributeScale{{}, 100, 50, {{90, 0.5}, {75, 0.5}}}));
    EXPECT_PRED1(invalid, (AttributeScale{{}, 100, 50, {{90, 0}}}));
    EXPECT_PRED1(invalid, (AttributeScale{{}, 100, 50, {{90, 1}}}));
    EXPECT_PRED1(invalid, (AttributeScale{{}, 100, 50, {{NaN, 0.5}}}));
    EXPECT_PRED1(invalid, (AttributeScale{{}, 100, 50, {{90, NaN}}}));

    AttributeScale many{{}, 0, 10, {}};
    for (int i = 1; i <= 8; ++i)
        many.Points.append({double(i), i / 10.0});
    EXPECT_TRUE(ValueFunction::IsValid(many));
    many.Points.append({9, 0.9});
    EXPECT_PRED1(invalid, many);
}

// Over many random scales in both directions the function rises from Worst to Best, and
// each of the two conversions undoes the other.
TEST(ValueFunction, ValueOfInvertsRatingOfOnRandomScales)
{
    std::mt19937 random(23);
    std::uniform_real_distribution<double> uniform(0, 1);
    std::uniform_int_distribution<int> points(0, 8);
    for (int round = 0; round < 500; ++round) {
        AttributeScale scale;
        const double span = std::pow(10.0, 6 * uniform(random) - 2);
        scale.Worst = (uniform(random) - 0.5) * 1000;
        scale.Best = scale.Worst + (uniform(random) < 0.5 ? -span : span);
        QList<double> at, rate;
        for (int i = points(random); i > 0; --i) {
            at.append(uniform(random));
            rate.append(uniform(random));
        }
        std::sort(at.begin(), at.end());
        std::sort(rate.begin(), rate.end());
        for (qsizetype i = 0; i < at.size(); ++i)
            scale.Points.append({scale.Worst + (scale.Best - scale.Worst) * at[i], rate[i]});
        if (!ValueFunction::IsValid(scale))
            continue; // two equal draws
        double previous = -1;
        for (int i = 0; i <= 50; ++i) {
            const double value = scale.Worst + (scale.Best - scale.Worst) * i / 50.0;
            const double rating = ValueFunction::RatingOf(scale, value);
            ASSERT_GE(rating, previous);
            ASSERT_NEAR(ValueFunction::ValueOf(scale, rating), value, span * 1e-9);
            ASSERT_NEAR(ValueFunction::RatingOf(scale, ValueFunction::ValueOf(scale, i / 50.0)), i / 50.0, 1e-9);
            previous = rating;
        }
    }
}
