// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QWidget;

// Repaints a view at most once a screen frame. A view follows every step of a slider and
// every batch of figures from the background, which while a slider is dragged comes to
// several hundred a second; no screen shows more than about sixty, and each repaint
// beyond them is time the window's own refresh does not get.
class FramePacer : public QObject
{
public:
    explicit FramePacer(QWidget *view);

    // The view needs repainting: now when a frame has passed since it last painted,
    // otherwise when it has.
    void Request();
    // Called from the view's paint event, however it came about.
    void Painted();

    static constexpr int FrameMilliseconds = 16;

private:
    QWidget *m_view;
    QElapsedTimer m_sincePaint;
    QTimer m_frame;
};
