#include "support/libmodSpecialFolders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {
// Points the documents folder of this process at a temporary home.
class TemporaryHome
{
public:
    TemporaryHome()
        : m_oldHome(qgetenv("HOME"))
    {
        qputenv("HOME", QFile::encodeName(m_home.path()));
    }
    ~TemporaryHome() { qputenv("HOME", m_oldHome); }
    QString path() const { return m_home.path(); }

private:
    QTemporaryDir m_home;
    QByteArray m_oldHome;
};
} // namespace

TEST(libmodSpecialFolders, DocumentsFolderIsEmptyTextWhenMissingAndCreatedOnRequest)
{
    TemporaryHome home;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    ASSERT_TRUE(documents.startsWith(home.path()));

    EXPECT_EQ(GetDocumentsFolder(), QString());
    EXPECT_FALSE(QFileInfo::exists(documents));

    EXPECT_EQ(GetSpecialFolderPath(libmodSpecialFolders::CSIDL_PERSONAL, true), documents);
    EXPECT_TRUE(QFileInfo(documents).isDir());
    EXPECT_EQ(GetDocumentsFolder(), documents);
    QDir(documents).removeRecursively();
    EXPECT_EQ(GetSpecialFolderPath(libmodSpecialFolders::CSIDL_PERSONAL | libmodSpecialFolders::CSIDL_FLAG_CREATE),
              documents);
}

TEST(libmodSpecialFolders, UnknownIdentifierIsNull)
{
    EXPECT_FALSE(GetSpecialFolderPath(0x7777).has_value());
    EXPECT_FALSE(libmodSpecialFolders::GetSpecialFolderPath(-1, true).has_value());
}
