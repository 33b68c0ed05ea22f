#include "MainWindowFixture.h"
#include "WindowDriver.h"

#include "ui/main/MeterSlider.h"

#include "io/WindowHooks.h"

#include <QCloseEvent>
#include <QImage>
#include <QLabel>
#include <QScreen>

using namespace WindowDriver;

namespace {

constexpr int Twips = 15;

// Per channel: base + (corner - base) x min(x / W, y / H).
QColor CornerGradient(QColor base, QColor corner, int x, int y, int w, int h)
{
    const double t = std::min(double(x) / w, double(y) / h);
    auto mix = [t](int a, int b) { return int(std::lround(a + (b - a) * t)); };
    return QColor(mix(base.red(), corner.red()), mix(base.green(), corner.green()), mix(base.blue(), corner.blue()));
}

void ExpectColourNear(QColor actual, QColor expected, int tolerance, const char *where)
{
    EXPECT_NEAR(actual.red(), expected.red(), tolerance) << where;
    EXPECT_NEAR(actual.green(), expected.green(), tolerance) << where;
    EXPECT_NEAR(actual.blue(), expected.blue(), tolerance) << where;
}

QMargins FrameOf(const QWidget &window)
{
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}

// The main window of the next run, on what the last one stored.
void Restart(QPointer<frmMain> &window)
{
    EXPECT_TRUE(window->close());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(window.isNull()) << "the window goes when closed";
    modParameters::WindowLeft = modParameters::WindowWidth = 0;
    window = new frmMain;
    window->Form_Load();
    QApplication::processEvents();
}

} // namespace

TEST_F(MainWindowTest, FirstStartIsCentredAtTheDesignSize)
{
    // The inner area has the design size whatever frame the platform adds; the stored
    // size is the outer frame.
    const QSize screen = window->screen()->size();
    const QMargins frame = FrameOf(*window);
    const QSize outer = window->frameGeometry().size();
    EXPECT_EQ(window->size(), QSize(607, 415));
    EXPECT_EQ(outer, QSize(607, 415).grownBy(frame));
    EXPECT_EQ(modParameters::WindowWidth, outer.width() * Twips);
    EXPECT_EQ(modParameters::WindowHeight, outer.height() * Twips);
    EXPECT_EQ(modParameters::WindowLeft, RoundHalfEven((screen.width() - outer.width()) * Twips / 2.0));
    EXPECT_EQ(window->frameGeometry().topLeft(),
              QPoint(RoundHalfEven(modParameters::WindowLeft / 15.0), RoundHalfEven(modParameters::WindowTop / 15.0)));
    EXPECT_FALSE(modParameters::Maximized);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "New Topic - Veltrane");
    EXPECT_EQ(frmMain::Instance(), window.data());
}

TEST_F(MainWindowTest, PlacementPersistsAcrossRestarts)
{
    window->move(40, 30);
    const QMargins frame = FrameOf(*window);
    window->resize(700 - frame.left() - frame.right(), 520 - frame.top() - frame.bottom());
    EXPECT_EQ(modParameters::WindowLeft, 40 * Twips);
    EXPECT_EQ(modParameters::WindowTop, 30 * Twips);
    EXPECT_EQ(modParameters::WindowWidth, 700 * Twips);
    EXPECT_EQ(modParameters::WindowHeight, 520 * Twips);

    Restart(window);
    const QString key = ProgramSettings::Key;
    EXPECT_EQ(RegGetString(ProgramSettings::Hive, key, "WindowLeft"), "600");
    EXPECT_EQ(RegGetString(ProgramSettings::Hive, key, "WindowWidth"), "10500");
    EXPECT_EQ(RegGetString(ProgramSettings::Hive, key, "WindowHeight"), "7800");
    EXPECT_EQ(RegGetString(ProgramSettings::Hive, key, "Maximized"), "False");
    EXPECT_EQ(window->frameGeometry(), QRect(40, 30, 700, 520));
    EXPECT_EQ(modParameters::WindowLeft, 600);
    EXPECT_EQ(modParameters::WindowWidth, 10500);

    // Cycles of closing maximized, restarting and restoring never change the normal size.
    for (int cycle = 0; cycle < 2; ++cycle) {
        window->showMaximized();
        QApplication::processEvents();
        if (!(window->windowState() & Qt::WindowMaximized))
            GTEST_SKIP() << "this platform does not maximize";
        Restart(window);
        EXPECT_TRUE(window->windowState() & Qt::WindowMaximized) << "cycle " << cycle;
        window->showNormal();
        QApplication::processEvents();
        EXPECT_EQ(window->frameGeometry(), QRect(40, 30, 700, 520)) << "cycle " << cycle;
        EXPECT_EQ(modParameters::WindowWidth, 10500) << "cycle " << cycle;
        EXPECT_EQ(modParameters::WindowHeight, 7800) << "cycle " << cycle;
    }
}

TEST_F(MainWindowTest, MaximizedWindowKeepsItsNormalSize)
{
    window->resize(650, 450);
    const int normalWidth = window->frameGeometry().width();
    window->showMaximized();
    QApplication::processEvents();
    if (!(window->windowState() & Qt::WindowMaximized))
        GTEST_SKIP() << "this platform does not maximize";
    EXPECT_TRUE(modParameters::Maximized);
    EXPECT_FALSE(window->imgResizeTab->isVisible());
    EXPECT_EQ(modParameters::WindowWidth, normalWidth * Twips);
    window->showNormal();
    QApplication::processEvents();
    EXPECT_FALSE(modParameters::Maximized);
    EXPECT_TRUE(window->imgResizeTab->isVisible());
}

TEST_F(MainWindowTest, ClosingWithChangesAsksAndCancelKeepsTheWindow)
{
    modParameters::TopicChanged = true;
    boxes.fallback = vbCancel;
    EXPECT_FALSE(window->close());
    ASSERT_EQ(boxes.prompts().size(), 1);
    EXPECT_EQ(boxes.prompts()[0], "Do you want to save this topic first?");
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(RegValueExists(ProgramSettings::Hive, ProgramSettings::Key, "WindowWidth"))
        << "nothing is written when the close is cancelled";

    boxes.fallback = vbNo;
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(RegValueExists(ProgramSettings::Hive, ProgramSettings::Key, "WindowWidth"));
}

TEST_F(MainWindowTest, SliderMoveMakesCloseAsk)
{
    ShowTopic(2, 2);
    modParameters::TopicChanged = false;
    SendKey(*window->sliderRating[1], Qt::Key_Right);
    EXPECT_TRUE(modParameters::TopicChanged);
    boxes.fallback = vbCancel;
    EXPECT_FALSE(window->close());
    EXPECT_EQ(boxes.prompts(), QStringList{"Do you want to save this topic first?"});
}

TEST_F(MainWindowTest, BackgroundShowsCornerGradientAndPanelOutlines)
{
    ShowTopic(3, 3);
    window->resize(800, 600);
    window->RepaintGradients();
    EXPECT_FALSE(window->picScoreFrame->isVisible()) << "panels are painting templates only";
    const QImage shot = window->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(800, 600));

    const QColor base(145, 200, 255);
    const QColor corner(223, 239, 255);
    ExpectColourNear(shot.pixelColor(0, 0), base, 0, "top-left");
    ExpectColourNear(shot.pixelColor(2, 300), CornerGradient(base, corner, 2, 300, 800, 600), 2, "left edge");
    ExpectColourNear(shot.pixelColor(795, 580), CornerGradient(base, corner, 795, 580, 800, 600), 2,
                     "bottom-right");

    // The score panel: a 1-pixel outline on its straight edges, its own gradient inside.
    const QRect panel = window->picScoreFrame->geometry();
    const int midY = panel.y() + panel.height() / 2;
    ExpectColourNear(shot.pixelColor(panel.x(), midY), QColor(134, 149, 156), 0, "panel outline");
    ExpectColourNear(shot.pixelColor(panel.x() + panel.width() - 1, midY), QColor(134, 149, 156), 0,
                     "panel outline right");
    ExpectColourNear(shot.pixelColor(panel.x() + 3, panel.y() + 12), QColor(224, 236, 248), 3, "panel inside");
    // The rounded corner leaves the window's background outside the outline.
    ExpectColourNear(shot.pixelColor(panel.x(), panel.y()),
                     CornerGradient(base, corner, panel.x(), panel.y(), 800, 600), 2, "outside corner");
}

TEST_F(MainWindowTest, HooksReachTheLoadedWindow)
{
    WindowHooks &hooks = windowHooks();
    EXPECT_FALSE(hooks.mainWindowIsLoading());
    window->StartLoad();
    EXPECT_TRUE(hooks.mainWindowIsLoading());
    window->EndLoad();
    EXPECT_TRUE(hooks.isFormLoaded("frmMain"));
    EXPECT_FALSE(hooks.isFormLoaded("frmOptions"));
    EXPECT_EQ(hooks.dialogOwner(), window.data());
}
