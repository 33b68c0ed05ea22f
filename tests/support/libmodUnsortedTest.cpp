#include "support/libmodUnsorted.h"

#include <gtest/gtest.h>

#include <QList>

#include <cmath>
#include <vector>

TEST(libmodUnsorted, IntegerPartTruncatesTowardZeroInTheSameType)
{
    EXPECT_EQ(IntegerPart(2.7), 2.0);
    EXPECT_EQ(IntegerPart(-2.7), -2.0);
    EXPECT_EQ(IntegerPart(-0.5), 0.0);
    EXPECT_FALSE(std::signbit(IntegerPart(-0.5)));
    EXPECT_EQ(IntegerPart(2.7f), 2.0f);
    EXPECT_EQ(IntegerPart(int16_t(-7)), int16_t(-7));
    EXPECT_EQ(IntegerPart(std::optional<double>(-3.9)), -3.0);
    EXPECT_FALSE(IntegerPart(std::optional<double>()).has_value());
}

TEST(libmodUnsorted, ArrayIsEmptyUntilItHasElements)
{
    QList<int> list;
    EXPECT_TRUE(ArrayIsEmpty(list));
    list.append(1);
    EXPECT_FALSE(libmodUnsorted::ArrayIsEmpty(list));
    EXPECT_TRUE(ArrayIsEmpty(std::vector<double>()));
}
