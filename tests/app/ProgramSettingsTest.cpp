#include "AppTestSupport.h"

#include "app/ProgramSettings.h"
#include "app/cRegistry_Wrapper.h"
#include "io/RecentTopics.h"
#include "io/modParameters.h"
#include "support/libmodSpecialFolders.h"

using ProgramSettings::Hive;
using ProgramSettings::Key;
using ProgramSettings::WindowState;

class ProgramSettingsTest : public AppTest
{
};

TEST_F(ProgramSettingsTest, FirstRunPlacementIsTheDesignSizeCentredWithHalvesToEven)
{
    const auto placement = ProgramSettings::RestoreWindowPlacement(9105, 6225, 19200, 10798);
    EXPECT_EQ(placement.width, 9105);
    EXPECT_EQ(placement.height, 6225);
    EXPECT_EQ(placement.left, 5048); // 9600 - 4552.5
    EXPECT_EQ(placement.top, 2286);  // 5399 - 3112.5
    EXPECT_FALSE(placement.maximized);
    EXPECT_EQ(modParameters::WindowLeft, 5048);
    EXPECT_EQ(modParameters::WindowTop, 2286);
    EXPECT_EQ(modParameters::WindowWidth, 9105);
    EXPECT_EQ(modParameters::WindowHeight, 6225);

    // A window larger than the screen starts above and left of it.
    EXPECT_EQ(ProgramSettings::RestoreWindowPlacement(9105, 6225, 6000, 4000).left, -1552);
}

TEST_F(ProgramSettingsTest, StoredPlacementIsRestoredUnchanged)
{
    RegSetLong(Hive, Key, "WindowLeft", -30000, true);
    RegSetLong(Hive, Key, "WindowTop", 150, true);
    RegSetLong(Hive, Key, "WindowWidth", 12000, true);
    RegSetLong(Hive, Key, "WindowHeight", 8000, false); // a DWORD written by hand reads as well
    RegSetBool(Hive, Key, "Maximized", true, true);
    const auto placement = ProgramSettings::RestoreWindowPlacement(9105, 6225, 19200, 10800);
    EXPECT_EQ(placement.left, -30000);
    EXPECT_EQ(placement.top, 150);
    EXPECT_EQ(placement.width, 12000);
    EXPECT_EQ(placement.height, 8000);
    EXPECT_TRUE(placement.maximized);
    EXPECT_TRUE(modParameters::Maximized);
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST_F(ProgramSettingsTest, AValueThatDoesNotConvertIsReportedAndItsDefaultUsed)
{
    RegSetString(Hive, Key, "WindowWidth", "wide");
    RegSetString(Hive, Key, "DisplayAsDecimal", "perhaps");
    modParameters::DisplayAsDecimal = false;
    ProgramSettings::ReadDisplaySettings();
    EXPECT_TRUE(modParameters::DisplayAsDecimal);
    EXPECT_EQ(ProgramSettings::RestoreWindowPlacement(9105, 6225, 19200, 10800).width, 9105);
    ASSERT_EQ(boxes.boxes.size(), 2);
    EXPECT_EQ(boxes.boxes[0].buttons, vbExclamation);
    EXPECT_TRUE(boxes.boxes[0].prompt.startsWith("The setting \"DisplayAsDecimal\" in the registry cannot be used."));
    EXPECT_TRUE(boxes.boxes[0].prompt.contains("Error 13\rType mismatch"));
    EXPECT_TRUE(boxes.boxes[1].prompt.contains("\"WindowWidth\""));
}

TEST_F(ProgramSettingsTest, StartupValuesAndTheirDefaults)
{
    ProgramSettings::ReadLastUsedDir();
    EXPECT_EQ(modParameters::LastUsedDir, GetDocumentsFolder().value_or(QString()));
    ProgramSettings::ReadDisplaySettings();
    EXPECT_TRUE(modParameters::ShowSettingsOnNew);
    EXPECT_TRUE(modParameters::DisplayAsDecimal);
    EXPECT_TRUE(modParameters::ShowStability);
    EXPECT_FALSE(ProgramSettings::ReadNormaliseWeights());

    RegSetString(Hive, Key, "LastUsedDir", "/data/topics");
    RegSetBool(Hive, Key, "ShowSettingsOnNew", false, true);
    RegSetBool(Hive, Key, "DisplayAsDecimal", false, true);
    RegSetBool(Hive, Key, "NormaliseWeights", true, true);
    RegSetString(Hive, Key, "ShowStability", "False");
    ProgramSettings::ReadLastUsedDir();
    ProgramSettings::ReadDisplaySettings();
    EXPECT_EQ(modParameters::LastUsedDir, "/data/topics");
    EXPECT_FALSE(modParameters::ShowSettingsOnNew);
    EXPECT_FALSE(modParameters::DisplayAsDecimal);
    EXPECT_FALSE(modParameters::ShowStability);
    EXPECT_TRUE(ProgramSettings::ReadNormaliseWeights());
    modParameters::ShowStability = true;
}

TEST_F(ProgramSettingsTest, TrackingKeepsTheLastNormalPlacement)
{
    ProgramSettings::RestoreWindowPlacement(9105, 6225, 19200, 10800);
    ProgramSettings::TrackWindowResize(WindowState::Normal, 10005, 7005);
    ProgramSettings::TrackWindowMove(WindowState::Normal, 1500.5, 2501.5);
    EXPECT_EQ(modParameters::WindowWidth, 10005);
    EXPECT_EQ(modParameters::WindowHeight, 7005);
    EXPECT_EQ(modParameters::WindowLeft, 1500);
    EXPECT_EQ(modParameters::WindowTop, 2502);
    EXPECT_FALSE(modParameters::Maximized);

    // Maximized: the flag is set, the last normal size and place stay.
    ProgramSettings::TrackWindowResize(WindowState::Maximized, 28800, 16200);
    ProgramSettings::TrackWindowMove(WindowState::Maximized, 0, 0);
    EXPECT_TRUE(modParameters::Maximized);
    EXPECT_EQ(modParameters::WindowWidth, 10005);
    EXPECT_EQ(modParameters::WindowLeft, 1500);

    // Minimized: nothing changes, the maximized flag included.
    ProgramSettings::TrackWindowResize(WindowState::Minimized, 2000, 300);
    ProgramSettings::TrackWindowMove(WindowState::Minimized, -32000, -32000);
    EXPECT_TRUE(modParameters::Maximized);
    EXPECT_EQ(modParameters::WindowHeight, 7005);
    EXPECT_EQ(modParameters::WindowTop, 2502);

    ProgramSettings::TrackWindowResize(WindowState::Normal, 10005, 7005);
    EXPECT_FALSE(modParameters::Maximized);
}

// The recent topics: newest first, each once, at most eight, kept in the store between runs.
TEST_F(ProgramSettingsTest, RecentTopicsAreKeptNewestFirstEightAtMost)
{
    RecentTopics::SetFiles({});
    for (int i = 1; i <= 10; ++i)
        RecentTopics::Note(QStringLiteral("/topics/%1.vtp").arg(i));
    RecentTopics::Note("/topics/5.vtp");
    const QStringList expected = {"/topics/5.vtp", "/topics/10.vtp", "/topics/9.vtp", "/topics/8.vtp",
                                  "/topics/7.vtp", "/topics/6.vtp",  "/topics/4.vtp", "/topics/3.vtp"};
    EXPECT_EQ(RecentTopics::Files(), expected);
    RecentTopics::Note("relative.vtp");
    EXPECT_EQ(RecentTopics::Files().front(), QDir::current().absoluteFilePath("relative.vtp"));

    RecentTopics::Forget("/topics/5.vtp");
    RecentTopics::Forget(RecentTopics::Files().front());
    RegSetString(Hive, Key, "RecentTopic8", "/topics/old.vtp");
    ProgramSettings::WriteRecentTopics();
    EXPECT_EQ(RegGetString(Hive, Key, "RecentTopic1"), "/topics/10.vtp");
    EXPECT_FALSE(RegValueExists(Hive, Key, "RecentTopic7") || RegValueExists(Hive, Key, "RecentTopic8"));
    RecentTopics::SetFiles({});
    ProgramSettings::ReadRecentTopics();
    EXPECT_EQ(RecentTopics::Files(),
              QStringList({"/topics/10.vtp", "/topics/9.vtp", "/topics/8.vtp", "/topics/7.vtp", "/topics/6.vtp",
                           "/topics/4.vtp"}));
    // Blank values and repeats written by hand are dropped.
    RegSetString(Hive, Key, "RecentTopic2", "/topics/10.vtp");
    RegSetString(Hive, Key, "RecentTopic3", "  ");
    ProgramSettings::ReadRecentTopics();
    EXPECT_EQ(RecentTopics::Files(), QStringList({"/topics/10.vtp", "/topics/7.vtp", "/topics/6.vtp", "/topics/4.vtp"}));
}
