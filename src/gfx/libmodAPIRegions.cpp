#include "libmodAPIRegions.h"

#include "gfx/ColourValue.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace libmodAPIRegions {

QRegion RoundRectRegion(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    if (right <= left || bottom <= top)
        return QRegion();
    std::vector<QRect> rows;
    const double rx = std::min(ellipseWidth, right - left) / 2.0;
    const double ry = std::min(ellipseHeight, bottom - top) / 2.0;
    for (int y = top; y < bottom; ++y) {
        // Distance of the row's centre into a corner band, measured from the ellipse centre.
        const double cy = y + 0.5;
        double dy = 0;
        if (cy < top + ry)
            dy = top + ry - cy;
        else if (cy > bottom - ry)
            dy = cy - (bottom - ry);
        double inset = 0;
        if (dy > 0 && ry > 0) {
            const double ratio = dy / ry;
            if (ratio >= 1)
                continue;
            inset = rx - rx * std::sqrt(1 - ratio * ratio);
        }
        // Pixels whose centre x + 0.5 lies within [left + inset, right - inset].
        const int first = int(std::ceil(left + inset - 0.5));
        const int last = int(std::floor(right - inset - 0.5));
        if (last >= first)
            rows.emplace_back(first, y, last - first + 1, 1);
    }
    // One rectangle per row, top to bottom: already the region's banded form.
    QRegion region;
    region.setRects(rows.data(), int(rows.size()));
    return region;
}

void FrameRegion(QImage &image, const QRegion &region, uint32_t colour, int frameWidth, int frameHeight)
{
    QRegion inner = region;
    for (int dx = 1; dx <= frameWidth; ++dx)
        inner &= region.translated(dx, 0) & region.translated(-dx, 0);
    for (int dy = 1; dy <= frameHeight; ++dy)
        inner &= region.translated(0, dy) & region.translated(0, -dy);
    const QRegion rim = region - inner;
    if (rim.isEmpty() || image.isNull())
        return;
    QPainter painter(&image);
    for (const QRect &part : rim)
        painter.fillRect(part, ColourFromValue(colour));
}

} // namespace libmodAPIRegions
