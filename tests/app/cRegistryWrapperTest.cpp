#include "AppTestSupport.h"

#include "app/cRegistry_Wrapper.h"
#include "support/VeltraneError.h"

namespace {

const QString Key = QStringLiteral("Software\\Tormask\\Veltrane");

int32_t mismatchNumber(const std::function<void()> &action)
{
    try {
        action();
    } catch (const VeltraneError &error) {
        EXPECT_EQ(error.description(), "Type mismatch");
        return error.number();
    }
    return 0;
}

} // namespace

class cRegistryWrapperTest : public RegistryTest
{
};

TEST_F(cRegistryWrapperTest, MissingValuesGiveTheDefaultAndTouchNothing)
{
    EXPECT_EQ(RegGetString(HKEY_CURRENT_USER, Key, "LastUsedDir", "/home/me"), "/home/me");
    EXPECT_EQ(RegGetLong(HKEY_CURRENT_USER, Key, "WindowWidth", 9105), 9105);
    EXPECT_TRUE(RegGetBool(HKEY_CURRENT_USER, Key, "ShowSettingsOnNew", true));
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, Key, "LastUsedDir"));
    EXPECT_TRUE(RegKeyHasNoSubkeys(HKEY_CURRENT_USER, "No\\Such\\Key"));
    EXPECT_NO_THROW(RegDeleteKeyIfExists(HKEY_CURRENT_USER, "No\\Such\\Key"));
    EXPECT_FALSE(QFileInfo::exists(RegistryStore::HiveFilePath(HKEY_CURRENT_USER)));
}

TEST_F(cRegistryWrapperTest, TextValuesReadBackAsLongAndBool)
{
    RegSetLong(HKEY_CURRENT_USER, Key, "Width", 9105, true);
    RegSetLong(HKEY_CURRENT_USER, Key, "Left", -120, true);
    RegSetBool(HKEY_CURRENT_USER, Key, "Yes", true, true);
    RegSetBool(HKEY_CURRENT_USER, Key, "No", false, true);
    EXPECT_EQ(RegGetString(HKEY_CURRENT_USER, Key, "Width"), "9105");
    EXPECT_EQ(RegGetLong(HKEY_CURRENT_USER, Key, "Width", 0), 9105);
    EXPECT_EQ(RegGetLong(HKEY_CURRENT_USER, Key, "Left", 0), -120);
    EXPECT_EQ(RegGetString(HKEY_CURRENT_USER, Key, "Yes"), "True");
    EXPECT_TRUE(RegGetBool(HKEY_CURRENT_USER, Key, "Yes", false));
    EXPECT_FALSE(RegGetBool(HKEY_CURRENT_USER, Key, "No", true));
    EXPECT_TRUE(RegGetBool(HKEY_CURRENT_USER, Key, "Width", false)); // a nonzero number
    EXPECT_EQ(RegGetLong(HKEY_CURRENT_USER, Key, "Yes", 0), -1);

    // Written by hand: blanks and any letter case are accepted, halves round to even.
    RegSetString(HKEY_CURRENT_USER, Key, "Hand", " true ");
    EXPECT_TRUE(RegGetBool(HKEY_CURRENT_USER, Key, "Hand", false));
    RegSetString(HKEY_CURRENT_USER, Key, "Hand", "2.5");
    EXPECT_EQ(RegGetLong(HKEY_CURRENT_USER, Key, "Hand", 0), 2);

    const QByteArray hive = HiveBytes(HKEY_CURRENT_USER);
    EXPECT_TRUE(hive.contains("\"Width\"=\"9105\"\r\n\"Left\"=\"-120\"\r\n\"Yes\"=\"True\"\r\n\"No\"=\"False\"\r\n"));
}

TEST_F(cRegistryWrapperTest, DwordValuesReadAsNumbersAndFlags)
{
    RegSetLong(HKEY_CURRENT_USER, Key, "Number", 10, false);
    RegSetBool(HKEY_CURRENT_USER, Key, "Flag", true, false);
    EXPECT_TRUE(HiveBytes(HKEY_CURRENT_USER).contains("\"Number\"=dword:0000000a\r\n\"Flag\"=dword:00000001"));
    EXPECT_EQ(RegGetLong(HKEY_CURRENT_USER, Key, "Number", 0), 10);
    EXPECT_EQ(RegGetString(HKEY_CURRENT_USER, Key, "Number"), "10");
    EXPECT_TRUE(RegGetBool(HKEY_CURRENT_USER, Key, "Number", false));
    EXPECT_TRUE(RegGetBool(HKEY_CURRENT_USER, Key, "Flag", false));
}

TEST_F(cRegistryWrapperTest, TextThatDoesNotConvertIsATypeMismatch)
{
    RegSetString(HKEY_CURRENT_USER, Key, "Word", "maybe");
    RegSetString(HKEY_CURRENT_USER, Key, "Empty", "");
    EXPECT_EQ(mismatchNumber([] { RegGetBool(HKEY_CURRENT_USER, Key, "Word", false); }), 13);
    EXPECT_EQ(mismatchNumber([] { RegGetLong(HKEY_CURRENT_USER, Key, "Word", 0); }), 13);
    EXPECT_EQ(mismatchNumber([] { RegGetLong(HKEY_CURRENT_USER, Key, "Empty", 0); }), 13);
    RegSetString(HKEY_CURRENT_USER, Key, "Huge", "99999999999");
    try {
        RegGetLong(HKEY_CURRENT_USER, Key, "Huge", 0);
        ADD_FAILURE() << "no overflow";
    } catch (const VeltraneError &error) {
        EXPECT_EQ(error.number(), 6);
    }
}

TEST_F(cRegistryWrapperTest, DeletingKeys)
{
    RegSetString(HKEY_CURRENT_USER, Key, "A", "1");
    RegSetString(HKEY_CURRENT_USER, Key + "\\Sub", "B", "2");
    EXPECT_FALSE(RegKeyHasNoSubkeys(HKEY_CURRENT_USER, Key));
    try {
        RegDeleteKeyIfExists(HKEY_CURRENT_USER, Key);
        ADD_FAILURE() << "a key with subkeys was deleted";
    } catch (const VeltraneError &error) {
        EXPECT_EQ(error.number(), 26001);
    }
    EXPECT_TRUE(RegValueExists(HKEY_CURRENT_USER, Key + "\\Sub", "B"));
    RegDeleteKeyIfExists(HKEY_CURRENT_USER, Key + "\\Sub");
    EXPECT_TRUE(RegKeyHasNoSubkeys(HKEY_CURRENT_USER, Key)); // values do not count
    RegDeleteKeyIfExists(HKEY_CURRENT_USER, Key);
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, Key, "A"));
}
