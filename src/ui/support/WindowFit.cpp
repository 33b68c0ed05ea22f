#include "ui/support/WindowFit.h"

#include <algorithm>

QRect FitWithin(const QRect &frame, const QRect &area)
{
    if (area.isEmpty())
        return frame;
    QRect fitted(frame.topLeft(), frame.size().boundedTo(area.size()));
    fitted.moveLeft(std::clamp(fitted.left(), area.left(), area.right() + 1 - fitted.width()));
    fitted.moveTop(std::clamp(fitted.top(), area.top(), area.bottom() + 1 - fitted.height()));
    return fitted;
}

QRect PlaceBeside(const QRect &main, const QSize &size, const QSize &smallest, const QRect &area)
{
    struct Side
    {
        int room;    // pixels between the main window and the area's edge
        int needed;  // the window's extent across that side
        int least;   // the least it may be made
        bool across; // left or right of the main window
    };
    const Side sides[] = {
        {area.right() - main.right(), size.width(), smallest.width(), true},
        {main.left() - area.left(), size.width(), smallest.width(), true},
        {area.bottom() - main.bottom(), size.height(), smallest.height(), false},
        {main.top() - area.top(), size.height(), smallest.height(), false},
    };
    // The side where the largest share of the window fits.
    int best = 0;
    for (int i = 1; i < 4; ++i) {
        if (double(sides[i].room) / sides[i].needed > double(sides[best].room) / sides[best].needed)
            best = i;
    }
    const Side &side = sides[best];
    const int extent = std::clamp(side.room, std::min(side.least, side.needed), side.needed);
    const QSize placed = side.across ? QSize(extent, size.height()) : QSize(size.width(), extent);
    const QPoint at[] = {{main.right() + 1, main.top()},
                         {main.left() - placed.width(), main.top()},
                         {main.left(), main.bottom() + 1},
                         {main.left(), main.top() - placed.height()}};
    return FitWithin(QRect(at[best], placed), area);
}
