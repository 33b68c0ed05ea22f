#include "ui/support/HelpPage.h"

#include "UrlRecorder.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

// Run from the build folder, nothing is installed beside the binary: the page comes from
// the source tree.
TEST(HelpPage, FallsBackToTheSourceTreesPage)
{
    const QUrl url = HelpPageUrl();
    ASSERT_TRUE(url.isLocalFile());
    EXPECT_EQ(url.toLocalFile(), QFileInfo(VELTRANE_SOURCE_DIR "/docs/help.html").canonicalFilePath());
}

TEST(HelpPage, F1OpensItFromAnyWindowAndControl)
{
    QObject owner;
    InstallHelpKey(&owner);
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
    QWidget window;
    QDialog dialog;
    QLineEdit box(&dialog);
    const auto press = [](QWidget &target, Qt::KeyboardModifiers modifiers) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_F1, modifiers);
        QApplication::sendEvent(&target, &key);
    };
    press(window, Qt::NoModifier);
    press(box, Qt::NoModifier);
    press(box, Qt::ShiftModifier);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_EQ(recorder.opened, QList<QUrl>({HelpPageUrl(), HelpPageUrl()}));
}

