#include "AppTestSupport.h"

#include "app/cRegistry.h"
#include "support/VeltraneError.h"

#include <functional>

namespace {

const QString Key = QStringLiteral("Software\\Tormask\\Veltrane");

cRegistry at(int32_t hive, const QString &key, const QString &name = {}, int32_t type = REG_SZ)
{
    cRegistry registry;
    registry.SetClassKey(hive);
    registry.SetSectionKey(key);
    registry.SetValueKey(name);
    registry.SetValueType(type);
    return registry;
}

void expectError(const std::function<void()> &action, int32_t number, const QString &description)
{
    try {
        action();
        ADD_FAILURE() << "no error raised, expected " << description.toStdString();
    } catch (const VeltraneError &error) {
        EXPECT_EQ(error.number(), number);
        EXPECT_EQ(error.source(), "veltrane.cRegistry");
        EXPECT_EQ(error.description(), description);
    }
}

int32_t storedType(const QString &name)
{
    // A read is const, and still learns the stored type.
    const cRegistry registry = at(HKEY_CURRENT_USER, Key, name, 0);
    registry.Value();
    return registry.ValueType();
}

} // namespace

class cRegistryTest : public RegistryTest
{
};

TEST_F(cRegistryTest, StartsEmptyAndReadsGiveTheDefault)
{
    cRegistry registry;
    EXPECT_EQ(registry.ClassKey(), 0);
    EXPECT_EQ(registry.ValueType(), 0);
    EXPECT_TRUE(registry.SectionKey().isEmpty());
    EXPECT_FALSE(registry.Default().isValid());
    EXPECT_FALSE(registry.Value().isValid());

    registry = at(HKEY_CURRENT_USER, Key, "Missing");
    registry.SetDefault(42);
    EXPECT_EQ(registry.Value(), QVariant(42));
    EXPECT_EQ(registry.ValueType(), REG_SZ); // a failed read leaves the type
    EXPECT_FALSE(registry.ValueExists());
    EXPECT_FALSE(registry.KeyExists());
    EXPECT_FALSE(QFileInfo::exists(RegistryStore::HiveFilePath(HKEY_CURRENT_USER))); // reads write nothing
}

TEST_F(cRegistryTest, TextWithAVariableBetweenTwoPercentSignsIsStoredForExpansion)
{
    const QList<QPair<QString, int32_t>> cases = {
        {"100%", REG_SZ}, {"%%", REG_SZ}, {"a%%b", REG_SZ}, {"%a%", REG_EXPAND_SZ}, {"x %1 y %", REG_EXPAND_SZ},
        {"%%a%", REG_EXPAND_SZ}, {"plain", REG_SZ},
    };
    for (const auto &[text, type] : cases) {
        cRegistry registry = at(HKEY_CURRENT_USER, Key, text, REG_SZ);
        registry.SetValue(text);
        EXPECT_EQ(storedType(text), type) << text.toStdString();
    }
    // Asking for REG_EXPAND_SZ does not make plain text expandable.
    cRegistry registry = at(HKEY_CURRENT_USER, Key, "Asked", REG_EXPAND_SZ);
    registry.SetValue("no variables");
    EXPECT_EQ(storedType("Asked"), REG_SZ);
}

TEST_F(cRegistryTest, ExpandableTextReadsWithTheEnvironmentFilledIn)
{
    qputenv("VELTRANE_TEST_PLACE", "/srv/data");
    qunsetenv("VELTRANE_TEST_UNSET");
    cRegistry registry = at(HKEY_CURRENT_USER, Key, "Path", REG_SZ);
    registry.SetValue("%VELTRANE_TEST_PLACE%/x %VELTRANE_TEST_UNSET% 5%");
    EXPECT_EQ(registry.Value(), QVariant("/srv/data/x %VELTRANE_TEST_UNSET% 5%"));
    EXPECT_EQ(registry.ValueType(), REG_EXPAND_SZ);
    EXPECT_EQ(ExpandEnvironmentVariables("%%VELTRANE_TEST_PLACE%"), "%%VELTRANE_TEST_PLACE%");
    EXPECT_EQ(ExpandEnvironmentVariables("a%VELTRANE_TEST_PLACE%%VELTRANE_TEST_PLACE%"), "a/srv/data/srv/data");
}

TEST_F(cRegistryTest, ReadsEachTypeAsStored)
{
    RegistryStore::Modify(HKEY_CURRENT_USER, [](RegistryKey &root) {
        RegistryKey &key = root.createKey(SplitRegistryPath(Key));
        key.setValue("Dword", REG_DWORD, QByteArray("\x0a\x00\x00\x80", 4));
        key.setValue("Big", REG_DWORD_BIG_ENDIAN, QByteArray("\x00\x00\x01\x02", 4));
        key.setValue("Multi", REG_MULTI_SZ, RegistryTextData(QString("a") + QChar(0) + "b" + QChar(0)));
        key.setValue("Bytes", REG_BINARY, QByteArray("\x01\x02", 2));
        key.setValue("Empty", REG_SZ, QByteArray());
        return true;
    });
    cRegistry registry = at(HKEY_CURRENT_USER, Key, "Dword", 0);
    EXPECT_EQ(registry.Value(), QVariant(int32_t(0x8000000a)));
    EXPECT_EQ(registry.ValueType(), REG_DWORD);
    registry.SetValueKey("big");
    EXPECT_EQ(registry.Value(), QVariant(int32_t(0x0102)));
    EXPECT_EQ(registry.ValueType(), REG_DWORD_BIG_ENDIAN);
    registry.SetValueKey("MULTI");
    EXPECT_EQ(registry.Value(), QVariant(QString("a") + QChar(0) + "b" + QChar(0)));
    registry.SetValueKey("Bytes");
    EXPECT_EQ(registry.Value(), QVariant(QByteArray("\x01\x02\x00", 3)));
    EXPECT_EQ(registry.ValueType(), REG_BINARY);
    registry.SetValueKey("Empty");
    EXPECT_EQ(registry.Value(), QVariant(QString()));
}

TEST_F(cRegistryTest, WritesByValueType)
{
    cRegistry registry = at(HKEY_CURRENT_USER, Key, "Number", REG_DWORD);
    registry.SetValue(int16_t(-2));
    EXPECT_EQ(registry.Value(), QVariant(int32_t(-2)));
    registry.SetValueType(REG_DWORD_BIG_ENDIAN); // no byte swap: written as a plain DWORD
    registry.SetValue(int32_t(7));
    EXPECT_EQ(registry.Value(), QVariant(int32_t(7)));
    EXPECT_EQ(registry.ValueType(), REG_DWORD);

    // Text as a DWORD writes nothing and raises nothing, but the key is created.
    registry = at(HKEY_CURRENT_USER, Key + "\\New", "Text", REG_DWORD);
    EXPECT_NO_THROW(registry.SetValue(QString("12")));
    EXPECT_TRUE(registry.KeyExists());
    EXPECT_FALSE(registry.ValueExists());

    registry = at(HKEY_CURRENT_USER, Key, "Blob", REG_BINARY);
    registry.SetValue(QByteArray("\x00\xff", 2));
    EXPECT_EQ(registry.Value(), QVariant(QByteArray("\x00\xff\x00", 3)));
    expectError([&] { registry.SetValue(QString("not bytes")); }, 26001, QString());

    registry = at(HKEY_CURRENT_USER, Key, "List", REG_MULTI_SZ);
    expectError([&] { registry.SetValue(QString("a")); }, int32_t(0x800469A9),
                "Failed to set registry value Key: '-2147483647',Section: 'Software\\Tormask\\Veltrane',Key: 'List' to value: 'a'");
    EXPECT_FALSE(registry.ValueExists());

    registry = at(HKEY_CURRENT_USER, Key, "", REG_SZ);
    registry.SetValue(true);
    EXPECT_EQ(registry.Value(), QVariant("True"));
    registry.SetValue(0.25);
    EXPECT_EQ(registry.Value(), QVariant("0.25"));
}

TEST_F(cRegistryTest, KeyAndValueNamesIgnoreCaseAndKeepTheirs)
{
    cRegistry registry = at(HKEY_CURRENT_USER, "Software\\MixedCase", "ValueName");
    registry.SetValue("1");
    registry = at(HKEY_CURRENT_USER, "SOFTWARE\\mixedcase", "VALUENAME");
    EXPECT_EQ(registry.Value(), QVariant("1"));
    registry.SetValue("2");
    QStringList names;
    int32_t count = 0;
    registry.EnumerateValues(names, count);
    EXPECT_EQ(names, QStringList{"ValueName"});
    at(HKEY_CURRENT_USER, "software").EnumerateSections(names, count);
    EXPECT_EQ(names, QStringList{"MixedCase"});
    EXPECT_TRUE(HiveBytes(HKEY_CURRENT_USER).contains("[HKEY_CURRENT_USER\\Software\\MixedCase]\r\n\"ValueName\"=\"2\""));
}

TEST_F(cRegistryTest, EnumerationsListInOrderAndGiveNothingForAMissingKey)
{
    for (const char *sub : {"b", "C", "a"})
        at(HKEY_CURRENT_USER, Key + "\\" + QString(sub)).CreateKey();
    for (const char *name : {"z", "y", ""})
        at(HKEY_CURRENT_USER, Key, name).SetValue("v");
    QStringList list{"stale"};
    int32_t count = -1;
    EXPECT_TRUE(at(HKEY_CURRENT_USER, Key).EnumerateSections(list, count));
    EXPECT_EQ(list, QStringList({"a", "b", "C"}));
    EXPECT_EQ(count, 3);
    EXPECT_TRUE(at(HKEY_CURRENT_USER, Key).EnumerateValues(list, count));
    EXPECT_EQ(list, QStringList({"z", "y", ""}));
    EXPECT_EQ(count, 3);

    for (int32_t hive : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, int32_t(0x80000003)}) {
        list = QStringList{"stale"};
        count = -1;
        EXPECT_TRUE(at(hive, "No\\Such\\Key").EnumerateValues(list, count));
        EXPECT_TRUE(list.isEmpty());
        EXPECT_EQ(count, 0);
        list = QStringList{"stale"};
        count = -1;
        EXPECT_TRUE(at(hive, "No\\Such\\Key").EnumerateSections(list, count));
        EXPECT_TRUE(list.isEmpty());
        EXPECT_EQ(count, 0);
    }
}

TEST_F(cRegistryTest, KeysAreCreatedAndDeletedOnlyWithoutSubkeys)
{
    cRegistry registry = at(HKEY_CURRENT_USER, "Software\\Tormask");
    EXPECT_TRUE(at(HKEY_CURRENT_USER, Key).CreateKey());
    at(HKEY_CURRENT_USER, Key, "Value").SetValue("x");
    EXPECT_TRUE(registry.KeyExists());
    expectError([&] { registry.DeleteKey(); }, 26001,
                "Failed to delete registry Key: '-2147483647',Section: 'Software\\Tormask");
    EXPECT_TRUE(at(HKEY_CURRENT_USER, Key).KeyExists());

    EXPECT_TRUE(at(HKEY_CURRENT_USER, Key).DeleteKey()); // values go with their key
    EXPECT_FALSE(at(HKEY_CURRENT_USER, Key).KeyExists());
    EXPECT_TRUE(registry.DeleteKey());
    expectError([&] { registry.DeleteKey(); }, 26001,
                "Failed to delete registry Key: '-2147483647',Section: 'Software\\Tormask");

    expectError([] { at(HKEY_CURRENT_USER, "").DeleteKey(); }, 26001,
                "Failed to delete registry Key: '-2147483647',Section: '");
    expectError([] { at(int32_t(0x80000003), "K").CreateKey(); }, 26001, "Failed to create registry Key: 'K");
    expectError([] { at(HKEY_CURRENT_USER, QString(256, 'k')).CreateKey(); }, 26001,
                "Failed to create registry Key: '" + QString(256, 'k'));
}

TEST_F(cRegistryTest, DeleteValueReportsAMissingKeyAndAMissingValue)
{
    cRegistry registry = at(HKEY_LOCAL_MACHINE, Key, "Gone");
    expectError([&] { registry.DeleteValue(); }, 26001,
                "Failed to open key '-2147483646',Section: 'Software\\Tormask\\Veltrane' for delete access");
    registry.SetValue("here");
    EXPECT_TRUE(registry.DeleteValue());
    EXPECT_FALSE(registry.ValueExists());
    EXPECT_TRUE(registry.KeyExists());
    expectError([&] { registry.DeleteValue(); }, 26001,
                "Failed to delete registry Key: '-2147483646',Section: 'Software\\Tormask\\Veltrane',Key: 'Gone");
}

TEST_F(cRegistryTest, MachineIsStoredWithBackslashesAndReachesNoRegistry)
{
    cRegistry registry = at(HKEY_CURRENT_USER, Key, "Value");
    registry.SetValue("local");
    registry.SetMachine("ab");
    EXPECT_EQ(registry.Machine(), "");
    registry.SetMachine("abc");
    EXPECT_EQ(registry.Machine(), "\\\\abc");
    registry.SetMachine("\\\\server");
    EXPECT_EQ(registry.Machine(), "\\\\server");

    registry.SetDefault("default");
    EXPECT_EQ(registry.Value(), QVariant("default"));
    EXPECT_FALSE(registry.ValueExists());
    EXPECT_FALSE(registry.KeyExists());
    expectError([&] { registry.SetValue("remote"); }, 26001,
                "Failed to set registry value Key: '-2147483647',Section: 'Software\\Tormask\\Veltrane',Key: 'Value' to value: 'remote'");
    registry.SetMachine("");
    EXPECT_EQ(registry.Value(), QVariant("local"));
}

TEST_F(cRegistryTest, ValueExWritesTheDefaultForEmptyText)
{
    cRegistry registry;
    registry.SetValueEx(HKEY_CURRENT_USER, Key, "Name", REG_SZ, "fallback", QString());
    EXPECT_EQ(registry.ValueEx(HKEY_CURRENT_USER, Key, "Name", REG_SZ, "unused"), QVariant("fallback"));
    registry.SetValueEx(HKEY_CURRENT_USER, Key, "Name", REG_SZ, "fallback", "given");
    EXPECT_EQ(registry.ValueEx(HKEY_CURRENT_USER, Key, "Name", REG_SZ, "unused"), QVariant("given"));
    EXPECT_EQ(registry.ValueEx(HKEY_CURRENT_USER, Key, "Other", REG_SZ, "unused"), QVariant("unused"));
    EXPECT_EQ(registry.ClassKey(), HKEY_CURRENT_USER);
    EXPECT_EQ(registry.ValueKey(), "Other");
}

TEST_F(cRegistryTest, CreateEXEAssociationWritesTheClassTwice)
{
    cRegistry registry;
    registry.SetSectionKey("Kept");
    registry.CreateEXEAssociation("  /opt/veltrane/veltrane ", "Veltrane.Topic", "Veltrane Topic", "vtp", {}, true, {},
                                  true, "Make", true, {}, 0);
    EXPECT_EQ(registry.ClassKey(), HKEY_LOCAL_MACHINE);
    EXPECT_EQ(registry.SectionKey(), "Kept");

    const QString exe = "\"/opt/veltrane/veltrane\"";
    const QList<QPair<QString, QString>> expected = {
        {".vtp", "Veltrane.Topic"},
        {"Veltrane.Topic", "Veltrane Topic"},
        {"Veltrane.Topic\\shell\\open", "&Open"},
        {"Veltrane.Topic\\shell\\open\\command", exe + " \"%1\""},
        {"Veltrane.Topic\\shell\\print", "&Print"},
        {"Veltrane.Topic\\shell\\print\\command", exe + " /p \"%1\""},
        {"Veltrane.Topic\\shell\\add", "&Install vtp"},
        {"Veltrane.Topic\\shell\\add\\command", exe + " /a \"%1\""},
        {"Veltrane.Topic\\shell\\new", "Make"},
        {"Veltrane.Topic\\shell\\new\\command", exe + " /n \"%1\""},
        {"Veltrane.Topic\\DefaultIcon", exe + ",0"},
    };
    for (const auto &[key, value] : expected) {
        EXPECT_EQ(at(HKEY_CLASSES_ROOT, key).Value(), QVariant(value)) << key.toStdString();
        cRegistry machine = at(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\" + key);
        EXPECT_EQ(machine.Value(), QVariant(value)) << key.toStdString();
        EXPECT_EQ(machine.ValueType(), REG_SZ);
    }

    ClearRegistry();
    registry.CreateEXEAssociation("\"/bin/v\"", "C", "D", "x");
    EXPECT_EQ(at(HKEY_CLASSES_ROOT, "C\\shell\\open\\command").Value(), QVariant("\"/bin/v\" \"%1\""));
    EXPECT_FALSE(at(HKEY_CLASSES_ROOT, "C\\shell\\print").KeyExists());
    EXPECT_FALSE(at(HKEY_CLASSES_ROOT, "C\\DefaultIcon").KeyExists());
}

TEST_F(cRegistryTest, AdditionalAssociationsNeedTheClassAndItemsInThrees)
{
    cRegistry registry;
    const QString listError = "Invalid parameter list passed to CreateAdditionalEXEAssociations - expected Name/Text/Command";
    expectError([&] { registry.CreateAdditionalEXEAssociations("C", {}); }, int32_t(0x800469AC), listError);
    expectError([&] { registry.CreateAdditionalEXEAssociations("C", {"a", "b"}); }, int32_t(0x800469AC), listError);

    registry.SetClassKey(HKEY_CLASSES_ROOT);
    expectError([&] { registry.CreateAdditionalEXEAssociations("C", {"edit", "&Edit", "ed %1"}); }, int32_t(0x800469AD),
                "Error - attempt to create additional associations before class defined.");

    registry.CreateEXEAssociation("/bin/v", "C", "D", "x");
    registry.SetClassKey(HKEY_CLASSES_ROOT);
    registry.CreateAdditionalEXEAssociations("C", {"edit", "&Edit", "ed \"%1\"", "view", "&View", "vw"});
    EXPECT_EQ(at(HKEY_CLASSES_ROOT, "C\\shell\\edit").Value(), QVariant("&Edit"));
    EXPECT_EQ(at(HKEY_CLASSES_ROOT, "C\\shell\\edit\\command").Value(), QVariant("ed \"%1\""));
    EXPECT_EQ(at(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\C\\shell\\view\\command").Value(), QVariant("vw"));
}
