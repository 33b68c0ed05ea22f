#include "WindowDriver.h"

#include "ui/main/ImageButton.h"
#include "ui/main/MainWindowArt.h"
#include "ui/support/MouseState.h"

#include <QEnterEvent>
#include <gtest/gtest.h>

using namespace WindowDriver;

namespace {

QImage Solid(QColor colour)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

const QColor Normal(10, 20, 30), Over(40, 50, 60), Down(70, 80, 90), Disabled(100, 110, 120);

struct ButtonFixture : ::testing::Test
{
    ImageButton button;
    int clicks = 0;

    void SetUp() override
    {
        button.setObjectName(QStringLiteral("btnNew"));
        button.SetPicture(Solid(Normal));
        button.SetOverPicture(Solid(Over));
        button.SetDownPicture(Solid(Down));
        button.SetDisabledPicture(Solid(Disabled));
        button.resize(button.sizeHint());
        QObject::connect(&button, &ImageButton::Click, [this] { ++clicks; });
    }

    QColor Shown() { return button.grab().toImage().pixelColor(8, 8); }

    void Enter()
    {
        QEnterEvent event(QPointF(8, 8), QPointF(8, 8), QPointF(button.mapToGlobal(QPoint(8, 8))));
        QApplication::sendEvent(&button, &event);
    }

    void Leave()
    {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(&button, &event);
    }
};

} // namespace

TEST_F(ButtonFixture, ShowsThePictureOfItsState)
{
    EXPECT_EQ(button.size(), QSize(16, 16));
    EXPECT_EQ(Shown(), Normal);
    Enter();
    EXPECT_EQ(Shown(), Over);
    Press(button, QPoint(8, 8));
    EXPECT_EQ(Shown(), Down);
    Drag(button, QPoint(40, 8)); // pressed, but the mouse left the button
    EXPECT_EQ(Shown(), Normal);
    Drag(button, QPoint(8, 8));
    EXPECT_EQ(Shown(), Down);
    Release(button, QPoint(8, 8));
    EXPECT_EQ(Shown(), Over);
    Leave();
    EXPECT_EQ(Shown(), Normal);
    button.setEnabled(false);
    EXPECT_EQ(Shown(), Disabled);
    EXPECT_EQ(button.objectName(), "btnNew");
}

TEST_F(ButtonFixture, ClicksOnlyWhenReleasedOverTheButton)
{
    Press(button, QPoint(8, 8));
    Release(button, QPoint(8, 8));
    EXPECT_EQ(clicks, 1);
    Press(button, QPoint(8, 8));
    Release(button, QPoint(40, 40));
    EXPECT_EQ(clicks, 1);
    SendKey(button, Qt::Key_Space);
    EXPECT_EQ(clicks, 2);
    button.setEnabled(false);
    Press(button, QPoint(8, 8));
    Release(button, QPoint(8, 8));
    SendKey(button, Qt::Key_Space);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ButtonFixture, MissingStatePicturesFallBackToTheNormalOne)
{
    button.SetOverPicture(QImage());
    button.SetDisabledPicture(QImage());
    Enter();
    EXPECT_EQ(Shown(), Normal);
    button.setEnabled(false);
    EXPECT_EQ(Shown(), Normal);
    EXPECT_TRUE(button.property("overpicture").value<QImage>().isNull());
    EXPECT_FALSE(button.property("picture").value<QImage>().isNull());
}

TEST_F(ButtonFixture, ReportsMouseMovementAndKeepsItsToolTip)
{
    int16_t buttons = -1;
    float x = -1;
    QObject::connect(&button, &ImageButton::MouseMove, [&](int16_t b, int16_t, float mx, float) {
        buttons = b;
        x = mx;
    });
    SendMouse(button, QEvent::MouseMove, QPoint(3, 4), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(buttons, 0);
    EXPECT_FLOAT_EQ(x, 3);
    button.setToolTip(QStringLiteral("Hide Scores"));
    EXPECT_EQ(button.toolTip(), "Hide Scores");
}

// On a screen of two pixels per pixel every picture holds twice the pixels at the same
// size, and they are drawn anew, not a copy blown up.
TEST(MainWindowArt, PicturesAreDrawnAtTheScreensPixelRatio)
{
    using MainWindowArt::Glyph;
    for (Glyph glyph : {Glyph::New, Glyph::Load, Glyph::Save, Glyph::Settings, Glyph::Add, Glyph::Remove,
                        Glyph::Hide, Glyph::Show, Glyph::Chart}) {
        const MainWindowArt::ButtonLook plain = MainWindowArt::ButtonImages(glyph, 18);
        const MainWindowArt::ButtonLook sharp = MainWindowArt::ButtonImages(glyph, 18, 2);
        for (const QImage *picture : {&sharp.picture, &sharp.overpicture, &sharp.downpicture, &sharp.disabledpicture}) {
            EXPECT_EQ(picture->size(), QSize(36, 36));
            EXPECT_EQ(picture->deviceIndependentSize(), QSizeF(18, 18));
        }
        QImage blownUp = plain.picture.scaled(36, 36).convertToFormat(sharp.picture.format());
        blownUp.setDevicePixelRatio(2);
        EXPECT_NE(sharp.picture, blownUp);
    }
    const QImage grip = MainWindowArt::ResizeGripImage(2);
    EXPECT_EQ(grip.size(), QSize(26, 26));
    EXPECT_EQ(grip.deviceIndependentSize(), QSizeF(13, 13));
    EXPECT_EQ(MainWindowArt::ResizeGripImage().size(), QSize(13, 13));
}
