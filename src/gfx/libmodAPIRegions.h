#pragma once

#include <QRegion>

#include <cstdint>

class QImage;

// Window shapes and their outlines, pixel-exact.
namespace libmodAPIRegions {

// The rounded rectangle from (left, top) to (right, bottom), right and bottom exclusive,
// with corner ellipses ellipseWidth x ellipseHeight: every pixel whose centre lies inside.
QRegion RoundRectRegion(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);

// Paints the inner rim of a region: every pixel of it that lies within frameWidth
// pixels horizontally or frameHeight pixels vertically of a pixel outside it.
void FrameRegion(QImage &image, const QRegion &region, uint32_t colour, int frameWidth, int frameHeight);

} // namespace libmodAPIRegions

using libmodAPIRegions::FrameRegion;
using libmodAPIRegions::RoundRectRegion;
