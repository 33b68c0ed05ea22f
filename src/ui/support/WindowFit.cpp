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

QRect PlaceBeside(const QRect &main, const QSize &size, const QRect &area)
{
    struct Side
    {
        double room; // how much of the window fits there, as a share of it
        QPoint at;
    };
    const Side sides[] = {
        {double(area.right() - main.right()) / size.width(), {main.right() + 1, main.top()}},
        {double(main.left() - area.left()) / size.width(), {main.left() - size.width(), main.top()}},
        {double(area.bottom() - main.bottom()) / size.height(), {main.left(), main.bottom() + 1}},
        {double(main.top() - area.top()) / size.height(), {main.left(), main.top() - size.height()}},
    };
    const Side *best = &sides[0];
    for (const Side &side : sides) {
        if (side.room > best->room)
            best = &side;
    }
    return FitWithin(QRect(best->at, size), area);
}
