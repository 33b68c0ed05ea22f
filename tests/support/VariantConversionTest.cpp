#include "support/VariantConversion.h"
#include "support/VeltraneError.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

int32_t errorNumber(const std::function<void()> &action)
{
    try {
        action();
    } catch (const VeltraneError &error) {
        EXPECT_EQ(error.source(), "veltrane");
        return error.number();
    }
    return 0;
}

} // namespace

TEST(VariantConversion, Text)
{
    EXPECT_EQ(VariantToText(QVariant()), "");
    EXPECT_EQ(VariantToText(true), "True");
    EXPECT_EQ(VariantToText(false), "False");
    EXPECT_EQ(VariantToText(int32_t(-12)), "-12");
    EXPECT_EQ(VariantToText(0.5), "0.5");
    EXPECT_EQ(VariantToText(QString("text")), "text");
}

TEST(VariantConversion, LongFromNumbersFlagsAndText)
{
    EXPECT_EQ(VariantToLong(QVariant()), 0);
    EXPECT_EQ(VariantToLong(true), -1);
    EXPECT_EQ(VariantToLong(int16_t(7)), 7);
    EXPECT_EQ(VariantToLong(2.5), 2);
    EXPECT_EQ(VariantToLong(3.5), 4);
    EXPECT_EQ(VariantToLong(-2.5), -2);
    EXPECT_EQ(VariantToLong(QString(" 9105 ")), 9105);
    EXPECT_EQ(VariantToLong(QString("FALSE")), 0);
    EXPECT_EQ(VariantToLong(QString("-2147483648")), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(errorNumber([] { VariantToLong(QString("2147483648")); }), 6);
    EXPECT_EQ(errorNumber([] { VariantToLong(QString("ten")); }), 13);
    EXPECT_EQ(errorNumber([] { VariantToLong(QString("")); }), 13);
    EXPECT_EQ(errorNumber([] { VariantToLong(QByteArray("1")); }), 13);
}

TEST(VariantConversion, LongReadsTheLocalesDecimalSeparator)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(VariantToLong(QString("1,5")), 2);
    EXPECT_EQ(VariantToLong(QString("4.5")), 4);
    QLocale::setDefault(QLocale::c());
}

TEST(VariantConversion, Bool)
{
    EXPECT_FALSE(VariantToBool(QVariant()));
    EXPECT_TRUE(VariantToBool(int32_t(2)));
    EXPECT_FALSE(VariantToBool(int32_t(0)));
    EXPECT_TRUE(VariantToBool(QString("true")));
    EXPECT_FALSE(VariantToBool(QString(" False")));
    EXPECT_TRUE(VariantToBool(QString("-1")));
    EXPECT_FALSE(VariantToBool(QString("0")));
    EXPECT_EQ(errorNumber([] { VariantToBool(QString("yes")); }), 13);
}
