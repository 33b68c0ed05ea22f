#include "UrlRecorder.h"
#include "gfx/PictureBox.h"
#include "ui/support/WindowFit.h"
#include "ui/support/libmodUnsorted_ui.h"

#include <QDesktopServices>
#include <QPainter>
#include <QUrl>
#include <gtest/gtest.h>

#include <memory>

namespace {

// A window that paints a left-to-right ramp of red over its whole area.
struct RampWindow : QWidget
{
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        for (int x = 0; x < width(); ++x)
            painter.fillRect(x, 0, 1, height(), QColor(x % 256, 10, 20));
    }
};

} // namespace

TEST(WindowOperations, IsFormLoadedLooksAtExistingWindowsOnly)
{
    EXPECT_FALSE(IsFormLoaded(QStringLiteral("frmOptions")));
    {
        QWidget options;
        options.setObjectName(QStringLiteral("frmOptions"));
        EXPECT_TRUE(IsFormLoaded(QStringLiteral("frmOptions"))) << "loaded counts, shown or not";
        EXPECT_FALSE(options.isVisible());
        EXPECT_FALSE(IsFormLoaded(QStringLiteral("frmoptions")));
        EXPECT_FALSE(IsFormLoaded(QStringLiteral("frmMain")));
    }
    EXPECT_FALSE(IsFormLoaded(QStringLiteral("frmOptions")));
}

TEST(WindowOperations, SuspendAndResumeRedraw)
{
    QWidget window;
    SuspendRedraw(&window);
    EXPECT_FALSE(window.updatesEnabled());
    ResumeRedraw(&window);
    EXPECT_TRUE(window.updatesEnabled());
    SuspendRedraw(nullptr);
    ResumeRedraw(nullptr);
}

TEST(WindowOperations, CopyParentBackgroundShowsTheParentBehindAControl)
{
    RampWindow parent;
    parent.resize(200, 100);
    auto *box = new PictureBox(&parent);
    box->setGeometry(50, 20, 40, 30);
    box->SetBackColor(0xFFFFFF);

    CopyParentBackground(box, 0);
    EXPECT_EQ(box->Image().pixelColor(0, 0), QColor(50, 10, 20)) << "the parent, not the control itself";
    EXPECT_EQ(box->Image().pixelColor(39, 29), QColor(89, 10, 20));

    CopyParentBackground(box, 5);
    EXPECT_EQ(box->Image().pixelColor(0, 0), QColor(55, 10, 20));

    auto *plain = new QWidget(&parent);
    plain->setGeometry(100, 10, 20, 20);
    CopyParentBackground(plain, 0);
    EXPECT_EQ(plain->grab().toImage().pixelColor(3, 3), QColor(103, 10, 20));

    CopyParentBackground(nullptr, 0);
}

TEST(WindowOperations, ShellOpenURLHandsTheAddressToTheDesktop)
{
    UrlRecorder catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    ShellOpenURL(nullptr, QStringLiteral("https://veltrane.example/help/index.html"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened.first(), QUrl(QStringLiteral("https://veltrane.example/help/index.html")));
}


TEST(WindowOperations, FitWithinMovesUpOrLeftFirstAndShrinksOnlyWhatIsTooLarge)
{
    const QRect area(0, 30, 1366, 738);
    EXPECT_EQ(FitWithin(QRect(258, 176, 850, 700), area), QRect(258, 68, 850, 700));
    EXPECT_EQ(FitWithin(QRect(100, 100, 400, 300), area), QRect(100, 100, 400, 300));
    EXPECT_EQ(FitWithin(QRect(-50, -400, 400, 300), area), QRect(0, 30, 400, 300));
    EXPECT_EQ(FitWithin(QRect(1300, 700, 400, 300), area), QRect(966, 468, 400, 300));
    EXPECT_EQ(FitWithin(QRect(500, 0, 1500, 900), area), area);
    EXPECT_EQ(FitWithin(QRect(5, 5, 10, 10), QRect()), QRect(5, 5, 10, 10));
}

// Beside the main window on the side with the most room, made narrower before it
// overlaps, and overlapping only as far as the screen makes it.
TEST(WindowOperations, PlaceBesideTakesTheSideWithTheMostRoom)
{
    const QRect screen(0, 0, 1366, 768);
    const auto place = [&](const QRect &main, const QSize &size, const QSize &smallest) {
        return PlaceBeside(main, size, smallest, screen);
    };
    EXPECT_EQ(place(QRect(0, 0, 600, 415), QSize(700, 500), QSize(700, 500)), QRect(600, 0, 700, 500));
    EXPECT_EQ(place(QRect(700, 100, 600, 415), QSize(500, 400), QSize(500, 400)), QRect(200, 100, 500, 400));
    EXPECT_EQ(place(QRect(400, 0, 600, 300), QSize(500, 400), QSize(500, 400)), QRect(400, 300, 500, 400));
    EXPECT_EQ(place(QRect(400, 200, 600, 400), QSize(500, 400), QSize(500, 400)), QRect(0, 200, 500, 400));
    // 383 pixels either side of a centred window: narrower, down to the least width.
    EXPECT_EQ(place(QRect(383, 176, 600, 415), QSize(800, 540), QSize(300, 300)), QRect(983, 176, 383, 540));
    EXPECT_EQ(place(QRect(383, 176, 600, 415), QSize(800, 540), QSize(420, 300)), QRect(946, 176, 420, 540));
}

