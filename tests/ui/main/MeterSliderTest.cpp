#include "WindowDriver.h"

#include "gfx/ColourValue.h"
#include "ui/main/ControlArray.h"
#include "ui/main/MeterSlider.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using namespace WindowDriver;

namespace {

struct Recorder
{
    std::vector<int16_t> changed;
    std::vector<int16_t> adjusted;

    explicit Recorder(MeterSlider &slider)
    {
        QObject::connect(&slider, &MeterSlider::ValueChanged, [this](int16_t i) { changed.push_back(i); });
        QObject::connect(&slider, &MeterSlider::UserAdjusted, [this](int16_t i) { adjusted.push_back(i); });
    }
};

} // namespace

TEST(MeterSlider, ValueIsClampedAndEveryChangeIsReported)
{
    MeterSlider slider;
    slider.setObjectName(ControlArrayElementName(QStringLiteral("sliderRating"), 4));
    Recorder record(slider);

    slider.SetValue(50);
    EXPECT_FLOAT_EQ(slider.Value(), 50);
    slider.SetValue(50);
    slider.SetValue(150);
    EXPECT_FLOAT_EQ(slider.Value(), 100);
    slider.SetValue(-3);
    EXPECT_FLOAT_EQ(slider.Value(), 0);
    slider.SetValue(std::numeric_limits<float>::quiet_NaN());
    EXPECT_FLOAT_EQ(slider.Value(), 0);

    EXPECT_EQ(record.changed, (std::vector<int16_t>{4, 4, 4}));
    EXPECT_TRUE(record.adjusted.empty()) << "program writes are not user adjustments";

    slider.setProperty("value", 75.5f);
    EXPECT_FLOAT_EQ(slider.Value(), 75.5f);
    EXPECT_EQ(slider.objectName(), "sliderRating(4)");
}

TEST(MeterSlider, IndexComesFromTheArrayName)
{
    MeterSlider slider;
    EXPECT_EQ(slider.Index(), 0);
    slider.setObjectName(QStringLiteral("sliderWeighting(12)"));
    EXPECT_EQ(slider.Index(), 12);
    EXPECT_EQ(ControlArrayName(slider), "sliderWeighting");
    slider.setObjectName(QStringLiteral("sliderScore"));
    EXPECT_FALSE(ControlArrayIndex(slider).has_value());
    EXPECT_EQ(ControlArrayName(slider), "sliderScore");
}

TEST(MeterSlider, DraggingAdjustsAlongTheWay)
{
    MeterSlider slider;
    slider.setObjectName(QStringLiteral("sliderRating(2)"));
    slider.resize(102, 18); // a 100-pixel meter inside a 1-pixel frame
    Recorder record(slider);

    Press(slider, QPoint(26, 9));
    EXPECT_FLOAT_EQ(slider.Value(), 25);
    Drag(slider, QPoint(76, 9));
    EXPECT_FLOAT_EQ(slider.Value(), 75);
    Drag(slider, QPoint(500, 9));
    EXPECT_FLOAT_EQ(slider.Value(), 100);
    Release(slider, QPoint(500, 9));
    EXPECT_EQ(record.adjusted, (std::vector<int16_t>{2, 2, 2}));
    EXPECT_EQ(record.changed.size(), 3u);

    Drag(slider, QPoint(10, 9)); // no button held
    EXPECT_FLOAT_EQ(slider.Value(), 100);
}

TEST(MeterSlider, DisabledSliderIgnoresTheUser)
{
    MeterSlider slider;
    slider.resize(102, 18);
    slider.SetValue(40);
    slider.setEnabled(false);
    Recorder record(slider);
    Press(slider, QPoint(90, 9));
    SendKey(slider, Qt::Key_Right);
    EXPECT_FLOAT_EQ(slider.Value(), 40);
    EXPECT_TRUE(record.adjusted.empty());
    slider.SetValue(60); // the program still writes it
    EXPECT_FLOAT_EQ(slider.Value(), 60);
}

TEST(MeterSlider, KeysMoveAFocusedSlider)
{
    MeterSlider slider;
    slider.SetValue(50);
    Recorder record(slider);
    SendKey(slider, Qt::Key_Right);
    EXPECT_FLOAT_EQ(slider.Value(), 51);
    SendKey(slider, Qt::Key_Left);
    SendKey(slider, Qt::Key_Down);
    EXPECT_FLOAT_EQ(slider.Value(), 49);
    SendKey(slider, Qt::Key_PageUp);
    EXPECT_FLOAT_EQ(slider.Value(), 59);
    SendKey(slider, Qt::Key_End);
    EXPECT_FLOAT_EQ(slider.Value(), 100);
    SendKey(slider, Qt::Key_Up); // already at the top: no change, no notification
    SendKey(slider, Qt::Key_Home);
    EXPECT_FLOAT_EQ(slider.Value(), 0);
    EXPECT_EQ(record.adjusted.size(), 6u);
    EXPECT_EQ(slider.focusPolicy(), Qt::StrongFocus);
}

TEST(MeterSlider, FillsFromTheLeftInItsFullColour)
{
    MeterSlider slider;
    slider.resize(130, 18);
    slider.SetFullColor(RGB(254, 192, 12));
    EXPECT_EQ(slider.property("fullcolor").toUInt(), RGB(254, 192, 12));
    slider.SetValue(50);
    const QImage half = slider.grab().toImage();
    EXPECT_EQ(half.pixelColor(30, 9), QColor(254, 192, 12));
    EXPECT_EQ(half.pixelColor(64, 9), QColor(254, 192, 12));
    EXPECT_NE(half.pixelColor(66, 9), QColor(254, 192, 12));
    EXPECT_NE(half.pixelColor(120, 9), QColor(254, 192, 12));

    slider.SetValue(0);
    const QImage empty = slider.grab().toImage();
    EXPECT_NE(empty.pixelColor(2, 9), QColor(254, 192, 12));
}
