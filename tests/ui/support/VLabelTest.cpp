#include "WindowDriver.h"

#include "ui/support/MouseState.h"
#include "ui/support/VLabel.h"

#include <QToolTip>
#include <gtest/gtest.h>

using namespace WindowDriver;

TEST(VLabel, ReportsOnlyRealCaptionChanges)
{
    VLabel label(QStringLiteral("Option 1"));
    int changes = 0;
    QObject::connect(&label, &VLabel::Change, [&] { ++changes; });

    label.SetCaption(QStringLiteral("Option 1"));
    EXPECT_EQ(changes, 0);
    label.SetCaption(QStringLiteral("Option A"));
    EXPECT_EQ(changes, 1);
    label.setText(QStringLiteral("Option A"));
    EXPECT_EQ(changes, 1);
    label.setText(QStringLiteral("Option B")); // setText goes through the same check
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(label.Caption(), "Option B");
    EXPECT_EQ(label.property("Caption").toString(), "Option B");
}

TEST(VLabel, HandlerSeesTheNewCaption)
{
    VLabel label;
    QString seen;
    QObject::connect(&label, &VLabel::Change, [&] { seen = label.Caption(); });
    label.SetCaption(QStringLiteral("<b>Plain</b>"));
    EXPECT_EQ(seen, "<b>Plain</b>");
    EXPECT_EQ(label.textFormat(), Qt::PlainText);
}

TEST(VLabel, KeepsTagAndObjectName)
{
    VLabel label;
    label.setObjectName(QStringLiteral("lblOption(3)"));
    label.SetTag(QStringLiteral("A very long option name"));
    label.SetCaption(QStringLiteral("A very…"));
    EXPECT_EQ(label.Tag(), "A very long option name");
    EXPECT_EQ(label.objectName(), "lblOption(3)");
}

TEST(VLabel, AlignmentFollowsTheDesignNumbers)
{
    VLabel label;
    EXPECT_EQ(label.Alignment(), 0);
    label.SetAlignment(1);
    EXPECT_TRUE(label.alignment() & Qt::AlignRight);
    EXPECT_EQ(label.Alignment(), 1);
    label.SetAlignment(2);
    EXPECT_TRUE(label.alignment() & Qt::AlignHCenter);
    EXPECT_EQ(label.Alignment(), 2);
    label.SetAlignment(0);
    EXPECT_EQ(label.Alignment(), 0);
}

TEST(VLabel, AutoSizeFollowsTheText)
{
    VLabel label;
    label.move(40, 30);
    label.SetAutoSize(true);
    label.SetCaption(QStringLiteral("0.5"));
    const int narrow = label.width();
    label.SetCaption(QStringLiteral("100.0%"));
    EXPECT_GT(label.width(), narrow);
    EXPECT_EQ(label.pos(), QPoint(40, 30));
    EXPECT_EQ(label.size(), label.sizeHint());
}

TEST(VLabel, ClickNeedsPressAndReleaseOnTheLabel)
{
    QWidget window;
    int windowPresses = 0;
    struct Counter : QObject
    {
        int *count;
        explicit Counter(int *c) : count(c) {}
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::MouseButtonPress)
                ++*count;
            return false;
        }
    } counter(&windowPresses);
    window.installEventFilter(&counter);

    VLabel label(QStringLiteral("Title"), &window);
    label.resize(80, 20);
    int clicks = 0;
    QObject::connect(&label, &VLabel::Click, [&] { ++clicks; });

    Press(label, QPoint(5, 5));
    Release(label, QPoint(6, 6));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(windowPresses, 0) << "a press on the label must not reach the window";

    Press(label, QPoint(5, 5));
    Release(label, QPoint(200, 6));
    EXPECT_EQ(clicks, 1) << "released outside";

    SendMouse(label, QEvent::MouseButtonPress, QPoint(5, 5), Qt::RightButton, Qt::RightButton);
    SendMouse(label, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(clicks, 1) << "right button";
}

TEST(VLabel, MouseMoveCarriesButtonsShiftAndPosition)
{
    VLabel label(QStringLiteral("Rating"));
    label.resize(60, 20);
    int count = 0;
    int16_t button = 0, shift = 0;
    float x = 0, y = 0;
    QObject::connect(&label, &VLabel::MouseMove, [&](int16_t b, int16_t s, float mx, float my) {
        ++count;
        button = b;
        shift = s;
        x = mx;
        y = my;
    });
    SendMouse(label, QEvent::MouseMove, QPoint(12, 7), Qt::NoButton, Qt::LeftButton | Qt::RightButton,
              Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(button, vbLeftButton | vbRightButton);
    EXPECT_EQ(shift, vbShiftMask | vbCtrlMask);
    EXPECT_FLOAT_EQ(x, 12);
    EXPECT_FLOAT_EQ(y, 7);
}

TEST(VLabel, ForeColorIsAColourValue)
{
    VLabel label;
    label.SetForeColor(192);
    EXPECT_EQ(label.ForeColor(), 192u);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(192, 0, 0));
}

// A tooltip is shown whole up to 500 characters; a longer one is shown cut short, and the
// label keeps its whole text.
TEST(VLabel, AVeryLongTooltipIsShownCutShort)
{
    VLabel label(QStringLiteral("Name"));
    label.show();
    for (const qsizetype length : {qsizetype(500), qsizetype(200000)}) {
        const QString text(length, QLatin1Char('x'));
        label.setToolTip(text);
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), label.mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(&label, &help);
        EXPECT_EQ(QToolTip::text(), length == 500 ? text : text.left(500) + QChar(0x2026));
        EXPECT_EQ(label.toolTip(), text);
        QToolTip::hideText();
    }
}
