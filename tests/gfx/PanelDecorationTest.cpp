#include "gfx/PictureBox.h"
#include "gfx/libmodAPIRegions.h"
#include "gfx/modFormElements.h"
#include "support/VeltraneError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// Whether the centre of pixel (x, y) lies in the w x h rectangle with corner circles of
// radius 10 (the 20 x 20 corner ellipses of the panels).
bool InsideRoundedPanel(int x, int y, int w, int h)
{
    if (x < 0 || y < 0 || x >= w || y >= h)
        return false;
    const double cx = x + 0.5, cy = y + 0.5, r = 10;
    const double nearestX = std::clamp(cx, r, w - r);
    const double nearestY = std::clamp(cy, r, h - r);
    return std::hypot(cx - nearestX, cy - nearestY) <= r;
}

bool OnOutline(int x, int y, int w, int h)
{
    return InsideRoundedPanel(x, y, w, h)
           && (!InsideRoundedPanel(x - 1, y, w, h) || !InsideRoundedPanel(x + 1, y, w, h)
               || !InsideRoundedPanel(x, y - 1, w, h) || !InsideRoundedPanel(x, y + 1, w, h));
}

// The corner gradient of the panels at (x, y).
QColor PanelGradient(int x, int y, int w, int h)
{
    const int64_t share = std::min<int64_t>(int64_t(x) * h, int64_t(y) * w);
    const auto mix = [&](int base, int corner) { return base + int((corner - base) * share / (w * h)); };
    return QColor(mix(224, 251), mix(236, 255), mix(248, 255));
}

QColor BackgroundGradient(int x, int y, int w, int h)
{
    const int64_t share = std::min<int64_t>(int64_t(x) * h, int64_t(y) * w);
    const auto mix = [&](int base, int corner) { return base + int((corner - base) * share / (w * h)); };
    return QColor(mix(145, 223), mix(200, 239), mix(255, 255));
}

const QColor Outline(134, 149, 156);

} // namespace

TEST(DecoratePanel, RoundedOutlinedCornerGradient)
{
    PictureBox panel;
    const int w = 150, h = 60;
    panel.resize(w, h);
    DecoratePanel(panel);

    const QImage &image = panel.Image();
    const QRegion shape = panel.mask();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool inside = InsideRoundedPanel(x, y, w, h);
            ASSERT_EQ(shape.contains(QPoint(x, y)), inside) << x << "," << y;
            if (!inside)
                continue;
            const QColor expected = OnOutline(x, y, w, h) ? Outline : PanelGradient(x, y, w, h);
            ASSERT_EQ(image.pixelColor(x, y), expected) << x << "," << y;
        }
    }
    EXPECT_EQ(panel.Picture(), panel.Image()) << "the drawing becomes the panel's background";
    panel.Cls();
    EXPECT_EQ(panel.Image().pixelColor(w / 2, h / 2), PanelGradient(w / 2, h / 2, w, h));
}

TEST(DecoratePanel, OutlineFollowsTheRegion)
{
    const QRegion region = RoundRectRegion(0, 0, 30, 24, 20, 20);
    QImage image(30, 24, QImage::Format_RGB32);
    image.fill(Qt::white);
    FrameRegion(image, region, 0x0000FF, 1, 1);
    EXPECT_EQ(image.pixelColor(15, 0), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(15, 23), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(0, 12), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(29, 12), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(15, 12), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white)) << "outside the rounded corner";
    EXPECT_TRUE(RoundRectRegion(0, 0, 0, 10, 20, 20).isEmpty());
}

TEST(PaintMainBackground, StampsTheHiddenPanelsIntoTheBackground)
{
    PictureBox window;
    window.setObjectName(QStringLiteral("frmMain"));
    window.resize(300, 240);
    const char *names[] = {"picScoreFrame", "picWeightingFrame", "picRatingFrame"};
    const QRect places[] = {QRect(10, 40, 280, 60), QRect(10, 110, 280, 50), QRect(10, 170, 280, 60)};
    PictureBox *panels[3];
    for (int i = 0; i < 3; ++i) {
        panels[i] = new PictureBox(&window);
        panels[i]->setObjectName(QString::fromLatin1(names[i]));
        panels[i]->setGeometry(places[i]);
    }
    window.show();
    PaintMainBackground(window);

    const QImage &image = window.Image();
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(panels[i]->isVisible()) << names[i];
        const QRect at = places[i];
        for (QPoint p : {QPoint(0, 0), QPoint(at.width() / 2, 0), QPoint(at.width() / 2, at.height() / 2),
                         QPoint(at.width() - 1, at.height() - 1), QPoint(3, 3)}) {
            const QPoint onWindow = at.topLeft() + p;
            QColor expected = BackgroundGradient(onWindow.x(), onWindow.y(), 300, 240);
            if (InsideRoundedPanel(p.x(), p.y(), at.width(), at.height()))
                expected = OnOutline(p.x(), p.y(), at.width(), at.height())
                               ? Outline
                               : PanelGradient(p.x(), p.y(), at.width(), at.height());
            EXPECT_EQ(image.pixelColor(onWindow), expected) << names[i] << " " << p.x() << "," << p.y();
        }
    }
    EXPECT_EQ(image.pixelColor(5, 5), BackgroundGradient(5, 5, 300, 240));
    EXPECT_EQ(image.pixelColor(299, 239), BackgroundGradient(299, 239, 300, 240));
}

TEST(PaintMainBackground, MissingPanelIsReportedToTheCaller)
{
    PictureBox window;
    window.resize(100, 100);
    try {
        PaintMainBackground(window);
        FAIL() << "no panels, no error";
    } catch (const VeltraneError &error) {
        EXPECT_EQ(error.number(), 91);
    }
}
