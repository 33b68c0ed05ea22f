#include "support/modPath.h"

#include <gtest/gtest.h>

TEST(modPath, MakeValidFileNameRemovesReservedCharactersInPlace)
{
    QString name = "What: A/B?";
    EXPECT_EQ(MakeValidFileName(name), "What AB");
    EXPECT_EQ(name, "What AB");
    QString all = "a?b*c/d\\e|f:g>h<i\"j";
    EXPECT_EQ(modPath::MakeValidFileName(all), "abcdefghij");
    QString kept = " .x. ";
    EXPECT_EQ(MakeValidFileName(kept), " .x. ");
    QString gone = "?*";
    EXPECT_EQ(MakeValidFileName(gone), "");
}

TEST(modPath, GetFolderOfPathKeepsTheFinalSeparator)
{
    EXPECT_EQ(GetFolderOfPath("/home/me/Data/topic.vtp"), "/home/me/Data/");
    EXPECT_EQ(GetFolderOfPath("  /data/a.vtp  "), "/data/");
    EXPECT_EQ(GetFolderOfPath("topic.vtp"), "");
    EXPECT_EQ(GetFolderOfPath("/"), "/");
    EXPECT_EQ(GetFolderOfPath("a\\b.vtp"), "");
}

TEST(modPath, MakeFullPathJoinsOnlyRelativeNames)
{
    EXPECT_EQ(MakeFullPath("/data/a.ini", "/opt/prog"), "/data/a.ini");
    EXPECT_EQ(MakeFullPath("E:a.ini", "/opt/prog"), "E:a.ini");
    EXPECT_EQ(MakeFullPath("a.ini", "/opt/prog"), "/opt/prog/a.ini");
    EXPECT_EQ(MakeFullPath("sub/a.ini", "/opt/prog/"), "/opt/prog//sub/a.ini");
}
