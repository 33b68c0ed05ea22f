#include "support/libmodCommandLine.h"

#include <gtest/gtest.h>

TEST(SplitCommandLine, BlanksSeparateAndQuotesGroup)
{
    EXPECT_FALSE(SplitCommandLine("").has_value());
    EXPECT_FALSE(SplitCommandLine(" \t  ").has_value());
    EXPECT_EQ(SplitCommandLine("a.vtp"), QStringList{"a.vtp"});
    EXPECT_EQ(SplitCommandLine("  one\ttwo   three "), QStringList({"one", "two", "three"}));
    EXPECT_EQ(SplitCommandLine("\"/home/me/My Topics/a b.vtp\""), QStringList{"/home/me/My Topics/a b.vtp"});
    EXPECT_EQ(SplitCommandLine("/home/me/My Topics/a b.vtp"), QStringList({"/home/me/My", "Topics/a", "b.vtp"}));
}

TEST(SplitCommandLine, QuotesFollowTheDesignedWalk)
{
    // A quote inside an argument is kept; a closing quote ends the argument at once.
    EXPECT_EQ(SplitCommandLine("ab\"cd"), QStringList{"ab\"cd"});
    EXPECT_EQ(SplitCommandLine("\"ab\"cd"), QStringList({"ab", "cd"}));
    EXPECT_EQ(SplitCommandLine("\"\""), QStringList{""});
    EXPECT_EQ(SplitCommandLine("x \"\" y"), QStringList({"x", "", "y"}));
    EXPECT_EQ(SplitCommandLine("\"unfinished quote"), QStringList{"unfinished quote"});
    EXPECT_EQ(SplitCommandLine("\"a\t b\""), QStringList{"a\t b"});
}

TEST(SplitCommandLine, MaxArgsStopsTheWalk)
{
    EXPECT_EQ(SplitCommandLine("a b c", 2), QStringList({"a", "b"}));
    EXPECT_EQ(SplitCommandLine("a b c", 0), QStringList({"a", "b", "c"}));
    EXPECT_EQ(SplitCommandLine("a b c", 5), QStringList({"a", "b", "c"}));
    EXPECT_EQ(SplitCommandLine("\"a b\" \"c d\"", 1), QStringList{"a b"});
}

TEST(IsValidFileName, PosixRules)
{
    for (const char *bad : {"a?.vtp", "a*.vtp", "a|b", "a<b", "a>b", "say \"hi\".vtp"}) {
        EXPECT_FALSE(IsValidFileName(bad, true)) << bad;
        EXPECT_FALSE(IsValidFileName(bad, false)) << bad;
    }
    EXPECT_TRUE(IsValidFileName("topic.vtp", false));
    EXPECT_TRUE(IsValidFileName("/home/me/topic.vtp", true));
    EXPECT_FALSE(IsValidFileName("/home/me/topic.vtp", false));
    // Colons and backslashes are ordinary characters of a file name here.
    EXPECT_TRUE(IsValidFileName("C:\\Data\\a.vtp", false));
    EXPECT_TRUE(IsValidFileName("C:/Data:2/a.vtp", true));
    EXPECT_TRUE(IsValidFileName("notes: 1.vtp", false));
    EXPECT_TRUE(IsValidFileName("", true));
}
