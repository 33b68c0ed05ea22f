#include "io/TextFileWriter.h"
#include "support/VeltraneError.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>

namespace {
QByteArray Contents(const QString &name)
{
    QFile file(name);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// Limits the size of files this process may write, as a full disk would.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int);
};
} // namespace

TEST(TextFileWriter, WritesUtf8WithoutByteOrderMarkAndReplacesTheOldFile)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("a.txt");
    TextFileWriter::SaveTextFile(name, QString::fromUtf8("old\r\n"), "veltrane.Test");
    TextFileWriter::SaveTextFile(name, QString::fromUtf8("Café\r\n"), "veltrane.Test");
    EXPECT_EQ(Contents(name), "Caf\xC3\xA9\r\n");
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
    EXPECT_EQ(Contents(name), "new");
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
    EXPECT_EQ(Contents(name), "old contents");
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
