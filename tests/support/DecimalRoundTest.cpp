#include "support/DecimalRound.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

TEST(DecimalRound, ExactTiesGoToTheEvenDigit)
{
    EXPECT_EQ(RoundDecimal(0.0625, 3), 0.062);
    EXPECT_EQ(RoundDecimal(0.1875, 3), 0.188);
    EXPECT_EQ(RoundDecimal(0.125, 2), 0.12);
    EXPECT_EQ(RoundDecimal(0.375, 2), 0.38);
    EXPECT_EQ(RoundDecimal(2.5, 0), 2);
    EXPECT_EQ(RoundDecimal(3.5, 0), 4);
    EXPECT_EQ(RoundDecimal(-0.0625, 3), -0.062);
    EXPECT_EQ(RoundDecimal(-0.1875, 3), -0.188);
}

TEST(DecimalRound, NearTiesFollowTheExactBinaryValue)
{
    // As doubles 0.0005 and 0.0015 lie a hair above the tie, 0.0045 and 2.675 a hair below.
    EXPECT_EQ(RoundDecimal(0.0005, 3), 0.001);
    EXPECT_EQ(RoundDecimal(0.0015, 3), 0.002);
    EXPECT_EQ(RoundDecimal(0.0045, 3), 0.004);
    EXPECT_EQ(RoundDecimal(2.675, 2), 2.67);
    EXPECT_EQ(RoundDecimal(1.005, 2), 1);
    EXPECT_EQ(RoundDecimal(0.35, 1), 0.3);
    EXPECT_EQ(RoundDecimal(0.45, 1), 0.5);
}

TEST(DecimalRound, ResultIsTheNearestDoubleToTheRoundedDecimal)
{
    EXPECT_EQ(RoundDecimal(2.0 / 3.0, 3), 0.667);
    EXPECT_EQ(RoundDecimal(1.0 / 3.0, 3), 0.333);
    EXPECT_EQ(RoundDecimal(0.1 + 0.2, 15), 0.3);
    EXPECT_EQ(RoundDecimal(0.49999999999999994, 3), 0.5);
    EXPECT_EQ(RoundDecimal(0.9996, 3), 1);
    EXPECT_EQ(RoundDecimal(99.9999, 2), 100);
    EXPECT_EQ(RoundDecimal(0.00049, 3), 0);
    EXPECT_FALSE(std::signbit(RoundDecimal(-0.0001, 3)));
}

TEST(DecimalRound, ValuesWithFewerPlacesAndSpecialValuesStay)
{
    EXPECT_EQ(RoundDecimal(0.5, 3), 0.5);
    EXPECT_EQ(RoundDecimal(0.123, 3), 0.123);
    EXPECT_EQ(RoundDecimal(12345678.0, 2), 12345678.0);
    EXPECT_EQ(RoundDecimal(1e300, 5), 1e300);
    EXPECT_EQ(RoundDecimal(0.12345, 32000), 0.12345);
    EXPECT_EQ(RoundDecimal(std::numeric_limits<double>::denorm_min(), 3), 0);
    EXPECT_EQ(RoundDecimal(std::numeric_limits<double>::denorm_min(), 1074), std::numeric_limits<double>::denorm_min());
    EXPECT_TRUE(std::isnan(RoundDecimal(std::nan(""), 3)));
    EXPECT_EQ(RoundDecimal(INFINITY, 3), INFINITY);
}

TEST(DecimalRound, QuickWayAgreesWithTheExactExpansion)
{
    // Decimals near every tie, binary fractions (exact ties among them), thirds and a
    // spread of magnitudes, each to every place count.
    std::vector<double> values;
    for (int k = 0; k <= 20000; ++k) {
        values.push_back(k / 20000.0);
        values.push_back(k / 16384.0);
        values.push_back(k / 3.0);
        values.push_back(std::nextafter(k / 2000.0, 0.0));
        values.push_back(std::nextafter(k / 2000.0, 1e9));
        values.push_back(-k / 7.0e5);
    }
    for (double scale = 1e-9; scale < 1e12; scale *= 9.7)
        values.push_back(scale);
    for (const double value : values) {
        for (int places = 0; places <= 12; ++places) {
            const double quick = RoundDecimal(value, places);
            const double exact = RoundDecimalExact(value, places);
            ASSERT_EQ(std::signbit(quick), std::signbit(exact)) << value << " to " << places;
            ASSERT_EQ(quick, exact) << value << " to " << places;
        }
    }
}
