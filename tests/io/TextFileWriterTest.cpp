#include "io/TextFileWriter.h"
#include "support/VeltraneError.h"
#include "FileSizeLimit.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>

TEST(TextFileWriter, WritesUtf8WithoutByteOrderMarkAndReplacesTheOldFile)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("a.txt");
    TextFileWriter::SaveTextFile(name, QString::fromUtf8("old\r\n"), "veltrane.Test");
    TextFileWriter::SaveTextFile(name, QString::fromUtf8("Café\r\n"), "veltrane.Test");
    EXPECT_EQ(FileBytes(name), "Caf\xC3\xA9\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"a.txt"}));
}

TEST(TextFileWriter, KeepsThePermissionsOfTheOldFile)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("a.txt");
    TextFileWriter::SaveTextFile(name, "old", "veltrane.Test");
    const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(name, permissions));
    TextFileWriter::SaveTextFile(name, "new", "veltrane.Test");
    EXPECT_EQ(QFile::permissions(name) & 0x7077, permissions); // owner, group and others
    EXPECT_EQ(FileBytes(name), "new");
}

TEST(TextFileWriter, FailedSaveLeavesTheOldFileAsItWas)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("a.txt");
    TextFileWriter::SaveTextFile(name, "old contents", "veltrane.Test");
    try {
        FileSizeLimit limit(4096);
        TextFileWriter::SaveFileBytes(name, QByteArray(100000, 'n'), "veltrane.Test");
        FAIL() << "no error";
    } catch (const VeltraneError &error) {
        EXPECT_EQ(error.number(), EFBIG);
        EXPECT_EQ(error.description(), "File too large");
    }
    EXPECT_EQ(FileBytes(name), "old contents");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"a.txt"}));
}

TEST(TextFileWriter, UnwritablePlacesReportTheSystemError)
{
    QTemporaryDir dir;
    try {
        TextFileWriter::SaveTextFile(dir.filePath("no/such/folder/a.txt"), "x", "veltrane.Test");
        FAIL() << "no error";
    } catch (const VeltraneError &error) {
        EXPECT_EQ(error.number(), ENOENT);
        EXPECT_EQ(error.source(), "veltrane.Test");
    }
    try {
        TextFileWriter::SaveTextFile(dir.path(), "x", "veltrane.Test");
        FAIL() << "no error";
    } catch (const VeltraneError &error) {
        EXPECT_EQ(error.number(), EISDIR);
    }
}
