#include "io/TextFileReader.h"
#include "support/VeltraneError.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cerrno>

TEST(TextFileReader, DecodesUtf8AndSkipsItsByteOrderMark)
{
    EXPECT_EQ(TextFileReader::DecodeText("Caf\xC3\xA9 \xE2\x82\xAC"), QString::fromUtf8("Café €"));
    EXPECT_EQ(TextFileReader::DecodeText("\xEF\xBB\xBFName=A"), "Name=A");
    EXPECT_EQ(TextFileReader::DecodeText("\xEF\xBB\xBF"), "");
    EXPECT_EQ(TextFileReader::DecodeText("\xEF\xBB\xBF\xEF\xBB\xBFx"), QStringLiteral(u"\uFEFFx"));
    EXPECT_EQ(TextFileReader::DecodeText(""), "");
}

TEST(TextFileReader, InvalidUtf8IsReadAsWindows1252)
{
    EXPECT_EQ(TextFileReader::DecodeText("Caf\xE9 \x80 \x93x\x94 \x9F \x81"),
              QString::fromUtf8("Café € “x” Ÿ \xC2\x81"));
    // A lone lead byte at the very end is not UTF-8 either.
    EXPECT_EQ(TextFileReader::DecodeText("ab\xC3"), QString::fromUtf8("abÃ"));
}

TEST(TextFileReader, Utf16WithByteOrderMarkIsRead)
{
    EXPECT_EQ(TextFileReader::DecodeText(QByteArray("\xFF\xFE" "a\0\xE9\0", 6)), QString::fromUtf8("aé"));
    EXPECT_EQ(TextFileReader::DecodeText(QByteArray("\xFE\xFF\0a\0\xE9", 6)), QString::fromUtf8("aé"));
}

TEST(TextFileReader, EveryKindOfLineEndEndsALine)
{
    EXPECT_EQ(TextFileReader::SplitLines(u"a\r\nb\rc\nd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(TextFileReader::SplitLines(u"a\r\n\r\n"), QStringList({"a", ""}));
    EXPECT_EQ(TextFileReader::SplitLines(u"a\n\rb"), QStringList({"a", "", "b"}));
    EXPECT_EQ(TextFileReader::SplitLines(u"\r\n"), QStringList({""}));
    EXPECT_EQ(TextFileReader::SplitLines(u"x"), QStringList({"x"}));
    EXPECT_TRUE(TextFileReader::SplitLines(u"").isEmpty());
}

TEST(TextFileReader, ReadsWholeFiles)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("file.txt");
    ASSERT_TRUE(WriteFileBytes(name, QByteArray(200000, 'x') + "\r\nend"));
    const QStringList lines = TextFileReader::ReadTextLines(name, "veltrane.Test");
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].size(), 200000);
    EXPECT_EQ(lines[1], "end");
}

TEST(TextFileReader, FailuresCarryTheSystemErrorNumberAndText)
{
    QTemporaryDir dir;
    try {
        TextFileReader::ReadTextFile(dir.filePath("missing.txt"), "veltrane.Test");
        FAIL() << "no error";
    } catch (const VeltraneError &error) {
        EXPECT_EQ(error.number(), ENOENT);
        EXPECT_EQ(error.description(), "No such file or directory");
        EXPECT_EQ(error.source(), "veltrane.Test");
    }
    try {
        TextFileReader::ReadTextFile(dir.path(), "veltrane.Test");
        FAIL() << "no error";
    } catch (const VeltraneError &error) {
        EXPECT_EQ(error.number(), EISDIR);
    }
}

TEST(TextFileReader, FileBytesUpToTheirLimit)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("five.txt");
    ASSERT_TRUE(WriteFileBytes(name, "12345"));
    EXPECT_EQ(TextFileReader::ReadFileBytes(name, "veltrane.Test", 5), "12345");
    try {
        TextFileReader::ReadFileBytes(name, "veltrane.Test", 4);
        FAIL() << "no error";
    } catch (const VeltraneError &error) {
        EXPECT_EQ(error.number(), EFBIG);
    }
#ifdef Q_OS_LINUX
    // A file that reports no size is read to its end all the same.
    EXPECT_TRUE(TextFileReader::ReadFileBytes("/proc/self/status", "veltrane.Test").contains("Name:"));
#endif
}
