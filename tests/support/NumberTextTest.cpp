#include "support/NumberText.h"

#include <gtest/gtest.h>

TEST(NumberText, WholeNumbersHaveNoSeparator)
{
    EXPECT_EQ(NumberToText(0, QLocale::c()), "0");
    EXPECT_EQ(NumberToText(-0.0, QLocale::c()), "0");
    EXPECT_EQ(NumberToText(2, QLocale::c()), "2");
    EXPECT_EQ(NumberToText(-32769, QLocale::c()), "-32769");
    EXPECT_EQ(NumberToText(1e20, QLocale::c()), "100000000000000000000");
}

TEST(NumberText, FractionsKeepAtMostFifteenSignificantDigits)
{
    EXPECT_EQ(NumberToText(0.5, QLocale::c()), "0.5");
    EXPECT_EQ(NumberToText(2.75, QLocale::c()), "2.75");
    EXPECT_EQ(NumberToText(0.1 + 0.2, QLocale::c()), "0.3");
    EXPECT_EQ(NumberToText(1.0 / 3.0, QLocale::c()), "0.333333333333333");
    EXPECT_EQ(NumberToText(-0.667, QLocale::c()), "-0.667");
    EXPECT_EQ(NumberToText(123456.789, QLocale::c()), "123456.789");
}

TEST(NumberText, SmallValuesNeverUseAnExponent)
{
    EXPECT_EQ(NumberToText(0.0001, QLocale::c()), "0.0001");
    EXPECT_EQ(NumberToText(0.00001, QLocale::c()), "0.00001");
    EXPECT_EQ(NumberToText(1.5e-7, QLocale::c()), "0.00000015");
}

TEST(NumberText, UsesTheDecimalSeparatorOfTheLocale)
{
    EXPECT_EQ(NumberToText(0.25, QLocale(QLocale::German, QLocale::Germany)), "0,25");
    EXPECT_EQ(NumberToText(1234.5, QLocale(QLocale::German, QLocale::Germany)), "1234,5");
}

TEST(NumberText, NotANumberGivesEmptyText)
{
    EXPECT_EQ(NumberToText(std::nan(""), QLocale::c()), "");
    EXPECT_EQ(NumberToText(INFINITY, QLocale::c()), "");
}
