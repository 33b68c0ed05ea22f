#include "clsGradientFill.h"

#include "gfx/PictureBox.h"

#include <QImage>

#include <algorithm>
#include <array>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// The primitive's vertex: position in pixels and 16-bit colour components.
struct Vertex
{
    int32_t x = 0;
    int32_t y = 0;
    std::array<uint16_t, 3> colour{}; // red, green, blue
};

Vertex makeVertex(int32_t x, int32_t y, uint32_t colour)
{
    Vertex vertex;
    vertex.x = x;
    vertex.y = y;
    vertex.colour = {uint16_t((colour & 0xFF) << 8), uint16_t(colour & 0xFF00),
                     uint16_t(((colour >> 16) & 0xFF) << 8)};
    return vertex;
}

QRgb pixelOf(const std::array<int64_t, 3> &colour16)
{
    return qRgb(int(colour16[0] >> 8), int(colour16[1] >> 8), int(colour16[2] >> 8));
}

// A rectangle between two corner vertices, its colour running from the vertex with the
// smaller coordinate to the other, horizontally or vertically; the far edges are exclusive.
void fillRectangle(QImage &image, Vertex a, Vertex b, bool vertical)
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
        return pixelOf(colour16);
    };

    if (vertical) {
        for (int y = top; y < bottom; ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            std::fill(line + left, line + right, colourAt(y));
        }
        return;
    }
    if (left >= right)
        return;
    // Every row of a horizontal ramp is the same: compute one, copy it down.
    std::vector<QRgb> row(size_t(right - left));
    for (int x = left; x < right; ++x)
        row[size_t(x - left)] = colourAt(x);
    for (int y = top; y < bottom; ++y)
        std::copy(row.begin(), row.end(), reinterpret_cast<QRgb *>(image.scanLine(y)) + left);
}

int64_t edge(const Vertex &a, const Vertex &b, int64_t x, int64_t y)
{
    return int64_t(b.x - a.x) * (y - a.y) - int64_t(b.y - a.y) * (x - a.x);
}

// One channel's interpolated value floor(numerator / area) along a row: the numerator
// grows by a fixed step per pixel, so quotient and remainder are carried along exactly
// instead of dividing at every pixel.
struct ExactStepper
{
    int64_t quotient = 0, remainder = 0, stepQuotient = 0, stepRemainder = 0, area = 1;

    static std::pair<int64_t, int64_t> FloorDivide(int64_t n, int64_t d)
    {
        int64_t q = n / d, r = n % d;
        if (r < 0) {
            --q;
            r += d;
        }
        return {q, r};
    }

    void Start(int64_t numerator, int64_t step, int64_t divisor)
    {
        area = divisor;
        std::tie(quotient, remainder) = FloorDivide(numerator, divisor);
        std::tie(stepQuotient, stepRemainder) = FloorDivide(step, divisor);
    }

    void Next()
    {
        quotient += stepQuotient;
        remainder += stepRemainder;
        if (remainder >= area) {
            ++quotient;
            remainder -= area;
        }
    }
};

// A triangle, every pixel position inside it (edges included) coloured by barycentric
// interpolation of the three vertex colours.
void fillTriangle(QImage &image, const Vertex &p0, const Vertex &p1, const Vertex &p2)
{
    int64_t area = edge(p0, p1, p2.x, p2.y);
    if (area == 0)
        return;
    const int64_t sign = area < 0 ? -1 : 1;
    area *= sign;
    const int top = std::max(0, std::min({p0.y, p1.y, p2.y}));
    const int bottom = std::min(image.height() - 1, std::max({p0.y, p1.y, p2.y}));
    const int left = std::max(0, std::min({p0.x, p1.x, p2.x}));
    const int right = std::min(image.width() - 1, std::max({p0.x, p1.x, p2.x}));
    const Vertex *corners[] = {&p0, &p1, &p2};

    // Each weight is linear in x: w(x + 1) = w(x) + step.
    const int64_t step[3] = {-sign * (p2.y - p1.y), -sign * (p0.y - p2.y), -sign * (p1.y - p0.y)};
    int64_t channelStep[3];
    for (size_t c = 0; c < 3; ++c)
        channelStep[c] = step[0] * p0.colour[c] + step[1] * p1.colour[c] + step[2] * p2.colour[c];

    for (int y = top; y <= bottom; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        int64_t w[3] = {sign * edge(p1, p2, left, y), sign * edge(p2, p0, left, y), sign * edge(p0, p1, left, y)};
        int x = left;
        while (x <= right && (w[0] < 0 || w[1] < 0 || w[2] < 0)) {
            for (size_t i = 0; i < 3; ++i)
                w[i] += step[i];
            ++x;
        }
        if (x > right)
            continue;
        ExactStepper channel[3];
        for (size_t c = 0; c < 3; ++c) {
            int64_t numerator = 0;
            for (size_t i = 0; i < 3; ++i)
                numerator += w[i] * corners[i]->colour[c];
            channel[c].Start(numerator, channelStep[c], area);
        }
        // The inside of a triangle is one run per row.
        for (; x <= right && w[0] >= 0 && w[1] >= 0 && w[2] >= 0; ++x) {
            line[x] = pixelOf({channel[0].quotient, channel[1].quotient, channel[2].quotient});
            for (size_t i = 0; i < 3; ++i) {
                w[i] += step[i];
                channel[i].Next();
            }
        }
    }
}

// Runs a fill in pixels and gives the surface its scale mode back afterwards.
template <typename Fill>
void fillInPixels(PictureBox &surface, Fill fill)
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
    fillInPixels(surface, [&](QImage &image, int32_t w, int32_t h) {
        if (vertical) {
            const int32_t s = soften ? h : 0;
            fillRectangle(image, makeVertex(0, -s, outerColour), makeVertex(w, h / 2, innerColour), true);
            fillRectangle(image, makeVertex(0, h / 2, innerColour), makeVertex(w, h + s, outerColour), true);
        } else {
            const int32_t s = soften ? w : 0;
            fillRectangle(image, makeVertex(-s, 0, outerColour), makeVertex(w / 2, h, innerColour), false);
            fillRectangle(image, makeVertex(w / 2, 0, innerColour), makeVertex(w + s, h, outerColour), false);
        }
    });
}

void clsGradientFill::GradientFillRec(PictureBox &surface, uint32_t colourA, uint32_t colourB,
                                      bool vertical) const
{
    if (m_supportLevel == 0)
        return;
    surface.SetAutoRedraw(true);
    fillInPixels(surface, [&](QImage &image, int32_t w, int32_t h) {
        fillRectangle(image, makeVertex(w, h, colourA), makeVertex(0, 0, colourB), vertical);
    });
}

void clsGradientFill::GradientFillTri(PictureBox &surface, uint32_t topLeft, uint32_t topRight,
                                      uint32_t bottomRight, uint32_t bottomLeft) const
{
    if (m_supportLevel == 0)
        return;
    fillInPixels(surface, [&](QImage &image, int32_t w, int32_t h) {
        const Vertex corners[] = {makeVertex(0, 0, topLeft), makeVertex(w, 0, topRight),
                                  makeVertex(w, h, bottomRight), makeVertex(0, h, bottomLeft)};
        fillTriangle(image, corners[0], corners[1], corners[2]);
        fillTriangle(image, corners[0], corners[2], corners[3]);
    });
}
