#include "ui/support/HelpPage.h"

#include <QFileInfo>

#include <gtest/gtest.h>

// Run from the build folder, nothing is installed beside the binary: the page comes from
// the source tree.
TEST(HelpPage, FallsBackToTheSourceTreesPage)
{
    const QUrl url = HelpPageUrl();
    ASSERT_TRUE(url.isLocalFile());
    EXPECT_EQ(url.toLocalFile(), QFileInfo(VELTRANE_SOURCE_DIR "/docs/help.html").canonicalFilePath());
}
