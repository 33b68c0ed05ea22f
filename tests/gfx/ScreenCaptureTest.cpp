#include "gfx/libmodScreenCapture.h"
#include "support/VeltraneError.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// A widget that fills itself with one colour.
class Swatch : public QWidget
{
public:
    Swatch(QWidget *parent, const QColor &colour, const QRect &geometry) : QWidget(parent), m_colour(colour)
    {
        setGeometry(geometry);
    }

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), m_colour); }

private:
    QColor m_colour;
};

struct Form
{
    Form()
    {
        window.resize(120, 80);
        new Swatch(&window, QColor(30, 60, 200), QRect(0, 0, 120, 80));
        button = new Swatch(&window, QColor(220, 20, 20), QRect(100, 5, 15, 15));
    }
    QWidget window;
    QWidget *button;
};

} // namespace

TEST(ScreenCapture, GrabsTheInnerAreaAsDrawnWithoutHiddenControls)
{
    Form form;
    QImage picture = libmodScreenCapture::GrabFormClientArea(form.window);
    ASSERT_EQ(picture.size(), QSize(120, 80));
    EXPECT_EQ(picture.pixelColor(105, 10), QColor(220, 20, 20));
    EXPECT_EQ(picture.pixelColor(10, 70), QColor(30, 60, 200));

    form.button->hide();
    picture = libmodScreenCapture::GrabFormClientArea(form.window);
    EXPECT_EQ(picture.pixelColor(105, 10), QColor(30, 60, 200));

    const QImage part = libmodScreenCapture::GrabWindowArea(form.window, true, 95, 0, 25, 30);
    EXPECT_EQ(part.size(), QSize(25, 30));
    EXPECT_TRUE(libmodScreenCapture::GrabWindowArea(form.window, true, 0, 0, 0, 10).isNull());
}

TEST(ScreenCapture, ScreenshotFilesHoldThePicture)
{
    Form form;
    const QImage picture = libmodScreenCapture::GrabFormClientArea(form.window);
    QTemporaryDir dir;
    ASSERT_TRUE(libmodScreenCapture::SaveScreenshotFile(picture, dir.filePath("shot.jpg"), true));
    ASSERT_TRUE(libmodScreenCapture::SaveScreenshotFile(picture, dir.filePath("shot.bmp"), false));

    const QImage jpeg(dir.filePath("shot.jpg"));
    ASSERT_EQ(jpeg.size(), QSize(120, 80));
    const QColor red = jpeg.pixelColor(107, 12);
    EXPECT_NEAR(red.red(), 220, 4);
    EXPECT_NEAR(red.green(), 20, 4);
    EXPECT_NEAR(red.blue(), 20, 4);

    const QImage bmp(dir.filePath("shot.bmp"));
    ASSERT_EQ(bmp.size(), QSize(120, 80));
    EXPECT_EQ(bmp.pixelColor(105, 10), QColor(220, 20, 20));
    EXPECT_EQ(bmp.pixelColor(10, 70), QColor(30, 60, 200));

    // Nothing captured: nothing written, nothing reported.
    EXPECT_FALSE(libmodScreenCapture::SaveScreenshotFile(QImage(), dir.filePath("none.bmp"), false));
    EXPECT_FALSE(libmodScreenCapture::SaveScreenshotFile(QImage(), dir.filePath("none.jpg"), true));
    EXPECT_FALSE(QFile::exists(dir.filePath("none.bmp")));
    EXPECT_FALSE(QFile::exists(dir.filePath("none.jpg")));

    EXPECT_THROW(libmodScreenCapture::SaveScreenshotFile(picture, dir.filePath("no/folder/x.jpg"), true),
                 VeltraneError);
}

TEST(ScreenCapture, TheClipboardHoldsThePicture)
{
    Form form;
    QGuiApplication::clipboard()->setText("earlier text");
    libmodScreenCapture::PutPictureOnClipboard(libmodScreenCapture::GrabFormClientArea(form.window));
    const QImage held = QGuiApplication::clipboard()->image();
    ASSERT_EQ(held.size(), QSize(120, 80));
    EXPECT_EQ(held.pixelColor(105, 10), QColor(220, 20, 20));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}
