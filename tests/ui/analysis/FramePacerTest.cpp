// SPDX-License-Identifier: GPL-3.0-or-later
// A view repaints at most once a frame, and a request within the frame is not lost.
#include "ui/analysis/FramePacer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class CountingView : public QWidget
{
public:
    int paints = 0;
    FramePacer pacer{this};

protected:
    void paintEvent(QPaintEvent *) override
    {
        pacer.Painted();
        ++paints;
    }
};

void runFor(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

} // namespace

TEST(FramePacer, OneRepaintPerFrameAndTheLastRequestIsKept)
{
    CountingView view;
    view.resize(50, 50);
    view.show();
    runFor(50);
    const int shown = view.paints;
    ASSERT_GE(shown, 1);

    // A burst within one frame: one repaint now, one more a frame later, then no more.
    QElapsedTimer burst;
    burst.start();
    view.pacer.Request();
    QApplication::processEvents();
    EXPECT_EQ(view.paints, shown + 1);
    for (int i = 0; i < 20; ++i)
        view.pacer.Request();
    QApplication::processEvents();
    // (On a machine too busy to finish the burst within the frame, the frame passed.)
    const bool withinFrame = burst.elapsed() < FramePacer::FrameMilliseconds;
    if (withinFrame) {
        EXPECT_EQ(view.paints, shown + 1);
    }
    runFor(4 * FramePacer::FrameMilliseconds);
    if (withinFrame) {
        EXPECT_EQ(view.paints, shown + 2);
    } else {
        EXPECT_GE(view.paints, shown + 2);
    }
}
