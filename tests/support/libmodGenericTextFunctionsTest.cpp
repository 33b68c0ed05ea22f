#include "support/libmodGenericTextFunctions.h"

#include <gtest/gtest.h>

#include <QObject>

namespace {
// Stands in for a text box: an object whose text property is its value.
class TextHolder : public QObject
{
public:
    explicit TextHolder(const QString &text) { setProperty("text", text); }
};
} // namespace

TEST(libmodGenericTextFunctions, BlankMeansMissingNullOrEmptyText)
{
    EXPECT_TRUE(IsBlank(QVariant()));
    EXPECT_TRUE(IsBlank(QVariant(QString())));
    EXPECT_TRUE(IsBlank(QVariant(QString(""))));
    EXPECT_TRUE(IsBlank(QVariant::fromValue(nullptr)));
    EXPECT_FALSE(IsBlank(QVariant(QString("   "))));
    EXPECT_FALSE(IsBlank(QVariant(QString("\t"))));
    EXPECT_FALSE(IsBlank(QVariant(0)));
    EXPECT_FALSE(IsBlank(QVariant(false)));
    EXPECT_TRUE(libmodGenericTextFunctions::IsBlank(QString()));
}

TEST(libmodGenericTextFunctions, TextBoxIsComparedThroughItsText)
{
    TextHolder empty{QString()};
    TextHolder filled{"x"};
    EXPECT_TRUE(IsBlank(&empty));
    EXPECT_FALSE(IsBlank(&filled));
    EXPECT_TRUE(IsBlank(QVariant::fromValue<QObject *>(&empty)));
    EXPECT_FALSE(IsBlank(QVariant::fromValue<QObject *>(&filled)));
    EXPECT_TRUE(IsBlank(static_cast<const QObject *>(nullptr)));
}

TEST(libmodGenericTextFunctions, ReplaceTextReplacesEveryOccurrenceOnce)
{
    EXPECT_EQ(ReplaceText("a??b", "?", ""), "ab");
    EXPECT_EQ(ReplaceText("ab", "abc", "x"), "ab");
    EXPECT_EQ(ReplaceText("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(ReplaceText("abab", "ab", "b"), "bb");
    EXPECT_EQ(ReplaceText("Aa", "a", "x"), "Ax");
    EXPECT_EQ(ReplaceText("text", "", "x"), "text");
    EXPECT_EQ(ReplaceText("", "a", "x"), "");
    const QString longText = QString(40000, 'a') + "?b";
    EXPECT_EQ(ReplaceText(longText, "?", "-"), QString(40000, 'a') + "-b");
}

TEST(libmodGenericTextFunctions, MidAfterSkipsTheFirstCharacters)
{
    EXPECT_EQ(MidAfter("abcdef", 2), "cdef");
    EXPECT_EQ(MidAfter("abcdef", 0), "abcdef");
    EXPECT_EQ(MidAfter("abcdef", 6), "");
    EXPECT_EQ(MidAfter("abcdef", 9), "");
    EXPECT_EQ(MidAfter("abcdef", -1), "abcdef");
}

TEST(libmodGenericTextFunctions, TrimBlanksKeepsTabs)
{
    EXPECT_EQ(TrimBlanks("  a b  "), "a b");
    EXPECT_EQ(TrimBlanks("\ta\t "), "\ta\t");
    EXPECT_EQ(TrimBlanks("   "), "");
}
