#include "support/NumericText.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(NumericText, DecimalNotationWithBlanksFractionAndExponent)
{
    EXPECT_EQ(ParseNumericText(" 3 "), 3.0);
    EXPECT_EQ(ParseNumericText("3.7"), 3.7);
    EXPECT_EQ(ParseNumericText("1e1"), 10.0);
    EXPECT_EQ(ParseNumericText("-4"), -4.0);
    EXPECT_EQ(ParseNumericText("+.5"), 0.5);
    EXPECT_EQ(ParseNumericText("7."), 7.0);
    EXPECT_EQ(ParseNumericText("2.5E-1"), 0.25);
}

TEST(NumericText, EverythingElseIsNoNumber)
{
    for (const char *text : {"", "   ", ".", "x", "3x", "1,000", "1e", "e1", "--1", "1 2", "0x10", "2.5.1"})
        EXPECT_FALSE(ParseNumericText(QString::fromLatin1(text))) << text;
}

TEST(NumericText, TheLocaleSeparatorCountsAsADecimalPoint)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(ParseNumericText("0,25", german), 0.25);
    EXPECT_EQ(ParseNumericText("0.25", german), 0.25);
    EXPECT_FALSE(ParseNumericText("0,25", QLocale::c()));
}

TEST(NumericText, OutOfRangeMagnitudesStayNumbers)
{
    EXPECT_TRUE(std::isinf(*ParseNumericText("1e400")));
    EXPECT_EQ(ParseNumericText("1e-400"), 0.0);
}
