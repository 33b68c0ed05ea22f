#include "gfx/ColourValue.h"
#include "gfx/PictureBox.h"
#include "gfx/clsGradientFill.h"
#include "gfx/modFormElements.h"
#include "support/VeltraneError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace {

// Channels of a 0x00BBGGRR colour: red, green, blue.
int Channel(uint32_t colour, int c) { return int((colour >> (8 * c)) & 0xFF); }

QColor Expected(int red, int green, int blue) { return QColor(red, green, blue); }

// One channel of the primitive's rectangle fill at offset t of n from colour `from`.
int Ramp(uint32_t from, uint32_t to, int c, int t, int n)
{
    const int a = Channel(from, c) << 8, b = Channel(to, c) << 8;
    return (a + (b - a) * t / n) >> 8;
}

QColor RampColour(uint32_t from, uint32_t to, int t, int n)
{
    return Expected(Ramp(from, to, 0, t, n), Ramp(from, to, 1, t, n), Ramp(from, to, 2, t, n));
}

constexpr uint32_t Outer = 0x102030; // R 0x30, G 0x20, B 0x10
constexpr uint32_t Inner = 0xF0E0D0;

} // namespace

TEST(clsGradientFill, IsAlwaysAvailableHere)
{
    EXPECT_NE(clsGradientFill().SupportLevel(), 0);
}

TEST(clsGradientFill, LevelZeroLeavesTheSurfaceAlone)
{
    PictureBox surface;
    surface.resize(40, 30);
    surface.SetBackColor(0x00FF00);
    surface.SetScaleMode(PictureBox::vbTwips);
    const QImage before = surface.Image();
    const clsGradientFill off(0);
    off.DrawGradientTube(surface, Outer, Inner, true, true);
    off.GradientFillRec(surface, Outer, Inner, false);
    off.GradientFillTri(surface, Outer, Outer, Inner, Outer);
    EXPECT_FALSE(surface.AutoRedraw());
    EXPECT_EQ(surface.ScaleMode(), PictureBox::vbTwips);
    EXPECT_EQ(surface.Image(), before);
}

TEST(clsGradientFill, ComputesInPixelsAndGivesTheScaleModeBack)
{
    PictureBox surface;
    surface.resize(40, 30);
    surface.SetScaleMode(PictureBox::vbTwips);
    EXPECT_DOUBLE_EQ(surface.ScaleWidth(), 600);
    clsGradientFill().GradientFillRec(surface, Inner, Outer, false);
    EXPECT_EQ(surface.ScaleMode(), PictureBox::vbTwips);
    // The ramp spans 40 pixels, not 600 twips.
    EXPECT_EQ(surface.Image().pixelColor(39, 5), RampColour(Outer, Inner, 39, 40));
}

TEST(clsGradientFill, TubeSplitsAnOddHeightAtItsIntegerMiddle)
{
    PictureBox surface;
    surface.resize(7, 101);
    clsGradientFill().DrawGradientTube(surface, Outer, Inner, false, true);
    const QImage &image = surface.Image();
    EXPECT_EQ(image.pixelColor(3, 0), RampColour(Outer, Inner, 0, 50));
    EXPECT_EQ(image.pixelColor(3, 49), RampColour(Outer, Inner, 49, 50));
    EXPECT_EQ(image.pixelColor(3, 50), RampColour(Inner, Outer, 0, 51));
    EXPECT_EQ(image.pixelColor(3, 100), RampColour(Inner, Outer, 50, 51));
    for (int y = 0; y < 101; ++y)
        EXPECT_EQ(image.pixelColor(0, y), image.pixelColor(6, y)) << "bands run across, row " << y;
    EXPECT_TRUE(surface.AutoRedraw());
}

TEST(clsGradientFill, SoftenedTubeStartsTwoThirdsOfTheWayIn)
{
    PictureBox surface;
    surface.resize(90, 5);
    clsGradientFill().DrawGradientTube(surface, 0x000000, 0x969696, true, false);
    // Each band spans 135 pixels of which 90 are visible: the edge is 90/135 of the way.
    EXPECT_EQ(surface.Image().pixelColor(0, 2), Expected(100, 100, 100));
    EXPECT_EQ(surface.Image().pixelColor(45, 2), Expected(150, 150, 150));
    const QColor last = surface.Image().pixelColor(89, 2);
    EXPECT_NEAR(last.red(), 100, 1);
}

TEST(clsGradientFill, RectangleRunsFromColourBToColourA)
{
    PictureBox surface;
    surface.resize(20, 64);
    clsGradientFill().GradientFillRec(surface, Inner, Outer, true);
    const QImage &image = surface.Image();
    EXPECT_EQ(image.pixelColor(5, 0), ColourFromValue(Outer));
    for (int y : {1, 17, 32, 63})
        EXPECT_EQ(image.pixelColor(5, y), RampColour(Outer, Inner, y, 64)) << y;
    EXPECT_TRUE(surface.AutoRedraw());
}

TEST(clsGradientFill, TriangleFillInterpolatesOverBothHalves)
{
    constexpr uint32_t light = RGB(145, 200, 255), dark = RGB(23, 239, 0);
    for (const auto &[base, corner] : {std::pair{light, dark}, std::pair{dark, light}}) {
        PictureBox surface;
        surface.resize(50, 20);
        clsGradientFill().GradientFillTri(surface, base, base, corner, base);
        EXPECT_FALSE(surface.AutoRedraw()) << "the triangle fill leaves AutoRedraw as it was";
        const QImage &image = surface.Image();
        const int w = 50, h = 20;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                // base + (corner - base) * min(x / W, y / H) per channel, rounded down
                const int64_t share = std::min<int64_t>(int64_t(x) * h, int64_t(y) * w);
                int rgb[3];
                for (int c = 0; c < 3; ++c) {
                    const int64_t step = (Channel(corner, c) - Channel(base, c)) * share;
                    rgb[c] = Channel(base, c) + int(step >= 0 ? step / (w * h) : -((-step + w * h - 1) / (w * h)));
                }
                ASSERT_EQ(image.pixelColor(x, y), Expected(rgb[0], rgb[1], rgb[2])) << x << "," << y;
            }
        }
    }
}

TEST(clsGradientFill, FourCornerColours)
{
    PictureBox surface;
    surface.resize(100, 100);
    clsGradientFill().GradientFillTri(surface, RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(0, 0, 0));
    const QImage &image = surface.Image();
    EXPECT_EQ(image.pixelColor(0, 0), Expected(255, 0, 0));
    // Above the diagonal at (60, 20): weights TL 0.4, TR 0.4, BR 0.2.
    EXPECT_EQ(image.pixelColor(60, 20), Expected(102, 102, 51));
    // Below it at (20, 60): weights TL 0.4, BR 0.2, BL 0.4.
    EXPECT_EQ(image.pixelColor(20, 60), Expected(102, 0, 51));
}

TEST(clsGradientFill, EmptySurfacesDrawNothing)
{
    PictureBox surface;
    surface.resize(0, 30);
    const clsGradientFill fill;
    fill.DrawGradientTube(surface, Outer, Inner, false, true);
    fill.GradientFillRec(surface, Outer, Inner, true);
    fill.GradientFillTri(surface, Outer, Outer, Inner, Outer);
    surface.resize(30, 0);
    fill.GradientFillTri(surface, Outer, Outer, Inner, Outer);
    EXPECT_TRUE(surface.Image().isNull());
}

TEST(DrawCornerGradient, CreatesTheSharedObjectOnce)
{
    PictureBox surface;
    surface.resize(10, 10);
    DrawCornerGradient(surface, 0xFFC891, 0xFFEFDF);
    const clsGradientFill *first = modFormElements::GradientFill.get();
    ASSERT_NE(first, nullptr);
    DrawCornerGradient(surface, 0xFFC891, 0xFFEFDF);
    EXPECT_EQ(modFormElements::GradientFill.get(), first);
    EXPECT_EQ(surface.Image().pixelColor(0, 9), Expected(145, 200, 255));
}

TEST(PictureBox, AutoRedrawKeepsTheDrawingOnResize)
{
    PictureBox kept;
    kept.resize(10, 10);
    kept.SetBackColor(0x0000FF);
    kept.SetAutoRedraw(true);
    kept.Image().setPixelColor(2, 2, Qt::white);
    kept.resize(20, 20);
    EXPECT_EQ(kept.Image().pixelColor(2, 2), QColor(Qt::white));
    EXPECT_EQ(kept.Image().pixelColor(15, 15), QColor(255, 0, 0));

    PictureBox transient;
    transient.resize(10, 10);
    transient.Image().setPixelColor(2, 2, Qt::white);
    transient.resize(20, 20);
    EXPECT_NE(transient.Image().pixelColor(2, 2), QColor(Qt::white));
    EXPECT_THROW(transient.SetScaleMode(9), VeltraneError);
}
