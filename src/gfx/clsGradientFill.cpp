#include "clsGradientFill.h"

#include "gfx/PictureBox.h"

#include <QImage>

#include <algorithm>
#include <array>

namespace {

// The primitive's vertex: position in pixels and 16-bit colour components.
struct Vertex
{
    int32_t x = 0;
    int32_t y = 0;
    std::array<uint16_t, 3> colour{}; // red, green, blue
};

Vertex MakeVertex(int32_t x, int32_t y, uint32_t colour)
{
    Vertex vertex;
    vertex.x = x;
    vertex.y = y;
    vertex.colour = {uint16_t((colour & 0xFF) << 8), uint16_t(colour & 0xFF00),
                     uint16_t(((colour >> 16) & 0xFF) << 8)};
    return vertex;
}

QRgb PixelOf(const std::array<int64_t, 3> &colour16)
{
    return qRgb(int(colour16[0] >> 8), int(colour16[1] >> 8), int(colour16[2] >> 8));
}

// A rectangle between two corner vertices, its colour running from the vertex with the
// smaller coordinate to the other, horizontally or vertically; the far edges are exclusive.
void FillRectangle(QImage &image, Vertex a, Vertex b, bool vertical)
{
    if (vertical ? a.y > b.y : a.x > b.x)
        std::swap(a, b);
    const int32_t from = vertical ? a.y : a.x;
    const int32_t span = (vertical ? b.y : b.x) - from;
    if (span <= 0)
        return;
    const int top = std::max(0, std::min(a.y, b.y));
    const int bottom = std::min(image.height(), std::max(a.y, b.y));
    const int left = std::max(0, std::min(a.x, b.x));
    const int right = std::min(image.width(), std::max(a.x, b.x));

    auto colourAt = [&](int position) {
        std::array<int64_t, 3> colour16{};
        for (size_t c = 0; c < 3; ++c)
            colour16[c] = a.colour[c]
                          + (int64_t(b.colour[c]) - a.colour[c]) * (position - from) / span;
        return PixelOf(colour16);
    };

    for (int y = top; y < bottom; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        if (vertical) {
            std::fill(line + left, line + right, colourAt(y));
        } else {
            for (int x = left; x < right; ++x)
                line[x] = colourAt(x);
        }
    }
}

int64_t Edge(const Vertex &a, const Vertex &b, int64_t x, int64_t y)
{
    return int64_t(b.x - a.x) * (y - a.y) - int64_t(b.y - a.y) * (x - a.x);
}

// A triangle, every pixel position inside it (edges included) coloured by barycentric
// interpolation of the three vertex colours.
void FillTriangle(QImage &image, const Vertex &p0, const Vertex &p1, const Vertex &p2)
{
    int64_t area = Edge(p0, p1, p2.x, p2.y);
    if (area == 0)
        return;
    const int64_t sign = area < 0 ? -1 : 1;
    area *= sign;
    const int top = std::max(0, std::min({p0.y, p1.y, p2.y}));
    const int bottom = std::min(image.height() - 1, std::max({p0.y, p1.y, p2.y}));
    const int left = std::max(0, std::min({p0.x, p1.x, p2.x}));
    const int right = std::min(image.width() - 1, std::max({p0.x, p1.x, p2.x}));

    for (int y = top; y <= bottom; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = left; x <= right; ++x) {
            const int64_t w0 = sign * Edge(p1, p2, x, y);
            const int64_t w1 = sign * Edge(p2, p0, x, y);
            const int64_t w2 = sign * Edge(p0, p1, x, y);
            if (w0 < 0 || w1 < 0 || w2 < 0)
                continue;
            std::array<int64_t, 3> colour16{};
            for (size_t c = 0; c < 3; ++c)
                colour16[c] = (w0 * p0.colour[c] + w1 * p1.colour[c] + w2 * p2.colour[c]) / area;
            line[x] = PixelOf(colour16);
        }
    }
}

// Runs a fill in pixels and gives the surface its scale mode back afterwards.
template <typename Fill>
void FillInPixels(PictureBox &surface, Fill fill)
{
    const int16_t savedMode = surface.ScaleMode();
    surface.SetScaleMode(PictureBox::vbPixels);
    const auto width = int32_t(surface.ScaleWidth());
    const auto height = int32_t(surface.ScaleHeight());
    fill(surface.Image(), width, height);
    surface.SetScaleMode(savedMode);
    surface.update();
}

} // namespace

clsGradientFill::clsGradientFill() : m_supportLevel(2)
{
}

clsGradientFill::clsGradientFill(int32_t supportLevel) : m_supportLevel(supportLevel)
{
}

void clsGradientFill::DrawGradientTube(PictureBox &surface, uint32_t outerColour,
                                       uint32_t innerColour, bool soften, bool vertical) const
{
    if (m_supportLevel == 0)
        return;
    surface.SetAutoRedraw(true);
    FillInPixels(surface, [&](QImage &image, int32_t w, int32_t h) {
        if (vertical) {
            const int32_t s = soften ? h : 0;
            FillRectangle(image, MakeVertex(0, -s, outerColour), MakeVertex(w, h / 2, innerColour), true);
            FillRectangle(image, MakeVertex(0, h / 2, innerColour), MakeVertex(w, h + s, outerColour), true);
        } else {
            const int32_t s = soften ? w : 0;
            FillRectangle(image, MakeVertex(-s, 0, outerColour), MakeVertex(w / 2, h, innerColour), false);
            FillRectangle(image, MakeVertex(w / 2, 0, innerColour), MakeVertex(w + s, h, outerColour), false);
        }
    });
}

void clsGradientFill::GradientFillRec(PictureBox &surface, uint32_t colourA, uint32_t colourB,
                                      bool vertical) const
{
    if (m_supportLevel == 0)
        return;
    surface.SetAutoRedraw(true);
    FillInPixels(surface, [&](QImage &image, int32_t w, int32_t h) {
        FillRectangle(image, MakeVertex(w, h, colourA), MakeVertex(0, 0, colourB), vertical);
    });
}

void clsGradientFill::GradientFillTri(PictureBox &surface, uint32_t topLeft, uint32_t topRight,
                                      uint32_t bottomRight, uint32_t bottomLeft) const
{
    if (m_supportLevel == 0)
        return;
    FillInPixels(surface, [&](QImage &image, int32_t w, int32_t h) {
        const Vertex corners[] = {MakeVertex(0, 0, topLeft), MakeVertex(w, 0, topRight),
                                  MakeVertex(w, h, bottomRight), MakeVertex(0, h, bottomLeft)};
        FillTriangle(image, corners[0], corners[1], corners[2]);
        FillTriangle(image, corners[0], corners[2], corners[3]);
    });
}
