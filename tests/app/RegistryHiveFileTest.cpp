#include "app/RegistryHiveFile.h"
#include "io/TextFileReader.h"

#include <gtest/gtest.h>

namespace {

const QString User = QStringLiteral("HKEY_CURRENT_USER");

// As the store reads a file: decoded, then parsed.
RegistryHiveFile::ParseResult parse(const QByteArray &bytes)
{
    return RegistryHiveFile::Parse(TextFileReader::DecodeText(bytes), User);
}

RegistryKey parsed(const QByteArray &bytes)
{
    const RegistryHiveFile::ParseResult result = parse(bytes);
    EXPECT_TRUE(result.ok) << "line " << result.line << ": " << result.error.toStdString();
    return result.root;
}

QString text(const RegistryValue *value)
{
    return value ? RegistryDataText(value->data) : QStringLiteral("<missing>");
}

} // namespace

TEST(RegistryHiveFile, WritesEveryKeyAndValueAsReadableLines)
{
    RegistryKey root(User);
    RegistryKey &key = root.createKey({"Software", "Tormask", "Veltrane"});
    key.setValue("WindowWidth", REG_SZ, RegistryTextData("9105"));
    key.setValue("Path", REG_SZ, RegistryTextData(R"(C:\a "b")"));
    key.setValue("", REG_SZ, RegistryTextData("default"));
    key.setValue("Count", REG_DWORD, QByteArray("\x0a\x00\x00\x00", 4));
    key.setValue("Home", REG_EXPAND_SZ, RegistryTextData("%A%"));
    key.setValue("Raw", REG_BINARY, QByteArray("\x01\xff", 2));

    EXPECT_EQ(RegistryHiveFile::Write(root, User),
              QString("Windows Registry Editor Version 5.00\r\n\r\n"
                         "[HKEY_CURRENT_USER\\Software]\r\n\r\n"
                         "[HKEY_CURRENT_USER\\Software\\Tormask]\r\n\r\n"
                         "[HKEY_CURRENT_USER\\Software\\Tormask\\Veltrane]\r\n"
                         "\"WindowWidth\"=\"9105\"\r\n"
                         "\"Path\"=\"C:\\\\a \\\"b\\\"\"\r\n"
                         "@=\"default\"\r\n"
                         "\"Count\"=dword:0000000a\r\n"
                         "\"Home\"=hex(2):25,00,41,00,25,00,00,00\r\n"
                         "\"Raw\"=hex:01,ff\r\n\r\n"));
}

TEST(RegistryHiveFile, ReadsBackWhatItWrites)
{
    RegistryKey root(User);
    root.setValue("AtRoot", REG_SZ, RegistryTextData("r"));
    RegistryKey &key = root.createKey({"Software", "Ünïcode €"});
    key.setValue("Lines", REG_SZ, RegistryTextData("one\r\ntwo"));   // not a one-line text: written as hex
    key.setValue("Multi", REG_MULTI_SZ, RegistryTextData(QString("a") + QChar(0) + "b" + QChar(0)));
    key.setValue("NoTerminator", REG_SZ, QByteArray("a", 1));
    key.setValue("Empty", REG_BINARY, QByteArray());
    key.setValue("Odd", 0x1234abcd, QByteArray("xyz"));
    root.createKey({"Empty Key"});

    const QByteArray written = RegistryHiveFile::Write(root, User).toUtf8();
    EXPECT_EQ(parsed(written), root);
    EXPECT_TRUE(written.contains("\"Lines\"=hex(1):"));
    EXPECT_TRUE(written.contains("[HKEY_CURRENT_USER]\r\n\"AtRoot\"=\"r\""));
}

TEST(RegistryHiveFile, AcceptsWhatPeopleAndWindowsWrite)
{
    const RegistryKey root = parsed("\xEF\xBB\xBFWindows Registry Editor Version 5.00\n\n"
                                    "; a comment\n"
                                    "[HKEY_CURRENT_USER\\Software\\A]\n"
                                    "  \"Name\" = \"x\"   \n"
                                    "\"Big\"=hex(2):25,00,41,00,25,\\\n"
                                    "  00,00,00\n"
                                    "\"Gone\"=\"y\"\n"
                                    "\"Gone\"=-\n"
                                    "[hkey_current_user\\software\\a\\B]\r"
                                    "[-HKEY_CURRENT_USER\\Software\\A\\B]\r\n");
    const RegistryKey *key = root.findKey({"software", "a"});
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(text(key->findValue("NAME")), QString("x") + QChar(0));
    EXPECT_EQ(text(key->findValue("Big")), QString("%A%") + QChar(0));
    EXPECT_EQ(key->findValue("Gone"), nullptr);
    EXPECT_TRUE(key->subkeys().empty());

    // A file saved by the Windows registry editor is UTF-16 with a byte-order mark.
    const QString windowsText = "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n@=dword:00000001\r\n";
    QByteArray utf16("\xFF\xFE");
    utf16.append(reinterpret_cast<const char *>(windowsText.utf16()), windowsText.size() * 2);
    const RegistryKey fromWindows = parsed(utf16);
    ASSERT_NE(fromWindows.findKey({"K"}), nullptr);
    EXPECT_EQ(fromWindows.findKey({"K"})->findValue("")->data, QByteArray("\x01\x00\x00\x00", 4));

    EXPECT_TRUE(parsed("").subkeys().empty());

    // Bytes that are not UTF-8 come from a Windows editor: read as Windows-1252.
    const RegistryKey latin = parsed("Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER\\K]\r\n\"Caf\xe9\"=\"\x80\"\r\n");
    EXPECT_EQ(text(latin.findKey({"K"})->findValue(QString("Caf") + QChar(0xe9))), QString(QChar(0x20ac)) + QChar(0));
}

TEST(RegistryHiveFile, RejectsDamagedTextWithTheLineOfTheFault)
{
    const char *header = "Windows Registry Editor Version 5.00\r\n";
    const QList<QPair<QByteArray, int>> damaged = {
        {"Windows Registry Editor Version 4.00\r\n", 1},
        {QByteArray(header) + "\"Before\"=\"any key\"\r\n", 2},
        {QByteArray(header) + "[HKEY_LOCAL_MACHINE\\Other]\r\n", 2},
        {QByteArray(header) + "[HKEY_CURRENT_USER\\a\\\\b]\r\n", 2},
        {QByteArray(header) + "[HKEY_CURRENT_USER\\Cut\r\n", 2},
        {QByteArray(header) + "[HKEY_CURRENT_USER\\K]\r\n\"Width\"=\"91", 3},
        {QByteArray(header) + "[HKEY_CURRENT_USER\\K]\r\n\"W\"=dword:123456789\r\n", 3},
        {QByteArray(header) + "[HKEY_CURRENT_USER\\K]\r\n\"W\"=hex:1,2,zz\r\n", 3},
        {QByteArray(header) + "[HKEY_CURRENT_USER\\K]\r\n\"W\"=hex:01,\\\r\n", 3},
        {QByteArray(header) + "[HKEY_CURRENT_USER\\K]\r\n\"W\"=\"a\\qb\"\r\n", 3},
        {QByteArray(header) + "[HKEY_CURRENT_USER\\K]\r\n\"W\"=\"a\" trailing\r\n", 3},
        {QByteArray(header) + "[HKEY_CURRENT_USER\\K]\r\ngarbage\r\n", 3},
    };
    for (const auto &[bytes, line] : damaged) {
        const RegistryHiveFile::ParseResult result = parse(bytes);
        EXPECT_FALSE(result.ok) << bytes.toStdString();
        EXPECT_EQ(result.line, line) << bytes.toStdString();
        EXPECT_FALSE(result.error.isEmpty());
    }
}
