// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class QPainter;
class QWidget;
class VeltraneTopic;

// A view of the analysis window. It is handed the topic it shows and reads nothing else of
// the program's state, so it can be built and read without a main window, and drawn
// outside the window as well as in it.
class AnalysisView
{
public:
    virtual ~AnalysisView() = default;

    // Takes what it shows from the topic; the view keeps its own copy, so the topic may
    // change or go away afterwards.
    virtual void Refresh(const VeltraneTopic &topic) = 0;
    // The view as the widget the window shows under its tab.
    virtual QWidget &Widget() = 0;

    // Draws the view, as the last Refresh left it, onto the painter's device (an image, a
    // printer, a PDF page) in a box of that size at the painter's origin, without the
    // window's background: a view that is not on the screen is laid out at that size for
    // the drawing; one on the screen is drawn at its own size, scaled to fit.
    void Render(QPainter &painter, QSize size);
};
