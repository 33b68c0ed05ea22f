#pragma once

#include <QRect>

// Where a window frame goes so that it lies within `area` (a screen's available area): a
// frame that fits already stays exactly where it is; one that reaches past the right or
// bottom edge moves left or up, one past the left or top edge moves right or down; only
// a frame larger than the area is made smaller, to the area's size.
QRect FitWithin(const QRect &frame, const QRect &area);

// Where a window of that outer size goes beside the main window's frame: against the side
// of it (right, left, below or above) where the area has the most room for it, aligned
// with the main window's top or left edge, and then within the area. Where that side has
// less room than the window needs, the window is made narrower (or lower) down to
// `smallest`, and only then overlaps the main window as little as it can.
QRect PlaceBeside(const QRect &main, const QSize &size, const QSize &smallest, const QRect &area);
