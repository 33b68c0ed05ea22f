#include "support/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

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

TEST(NumberText, FixedTextIsTheLocalesOwnOverManyValues)
{
    // Binary fractions (exact ties among them), decimals and their neighbours, thirds,
    // percentages and a spread of magnitudes; a comma locale and one with its own digits.
    std::vector<double> values = {0.0, -0.0, -0.25, 1e-300, 123456789.125, 4.5e15, 1e300};
    for (int k = 0; k <= 4000; ++k) {
        values.push_back(k / 4096.0);
        values.push_back(k / 4000.0);
        values.push_back(std::nextafter(k / 4000.0, 0.0));
        values.push_back(std::nextafter(k / 4000.0, 2.0));
        values.push_back(k / 3.0);
        values.push_back(k / 40.0);
    }
    for (const char *name : {"C", "de_DE", "ar_EG"}) {
        QLocale locale(QString::fromLatin1(name));
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        for (const double value : values) {
            for (int places = 0; places <= 10; ++places)
                ASSERT_EQ(FixedNumberText(value, places, locale), locale.toString(value, 'f', places))
                    << name << " " << value << " to " << places;
        }
    }
}
