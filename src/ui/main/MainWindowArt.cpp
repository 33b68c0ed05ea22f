#include "MainWindowArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <future>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <tuple>

namespace MainWindowArt {

namespace {

struct Palette
{
    QColor faceTop;
    QColor faceBottom;
    QColor border;
    QColor glyph;
};

QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor grey(const QColor &c)
{
    const int level = qGray(c.rgb());
    // Disabled looks are pale: pull every level towards a light grey.
    const int pale = 150 + level * 90 / 255;
    return QColor(pale, pale, pale, c.alpha());
}

Palette paletteFor(Glyph glyph)
{
    switch (glyph) {
    case Glyph::Add:
        return {QColor(196, 240, 150), QColor(74, 160, 44), QColor(38, 100, 20), Qt::white};
    case Glyph::Remove:
        return {QColor(255, 190, 170), QColor(204, 56, 36), QColor(130, 24, 12), Qt::white};
    default:
        return {QColor(242, 249, 255), QColor(150, 198, 245), QColor(48, 88, 150), QColor(24, 54, 112)};
    }
}

bool isRound(Glyph glyph)
{
    return glyph == Glyph::Add || glyph == Glyph::Remove || glyph == Glyph::Hide || glyph == Glyph::Show
           || glyph == Glyph::Chart || glyph == Glyph::Balance;
}

// Draws the symbol in a 100 x 100 box.
// A path along the points; a closed one returns to the first point.
QPainterPath pathThrough(std::initializer_list<QPointF> points, bool closed)
{
    QPainterPath path;
    for (const QPointF &point : points) {
        if (path.elementCount() == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    if (closed)
        path.closeSubpath();
    return path;
}

void drawGlyph(QPainter &p, Glyph glyph, const QColor &ink)
{
    QPen pen(ink, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (glyph) {
    case Glyph::New: {
        const QPainterPath page = pathThrough({{28, 18}, {58, 18}, {74, 34}, {74, 82}, {28, 82}}, true);
        p.setPen(QPen(ink, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::white);
        p.drawPath(page);
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(58, 18), QPointF(58, 34), QPointF(74, 34)}));
        p.setPen(QPen(mix(ink, Qt::white, 0.45), 4, Qt::SolidLine, Qt::RoundCap));
        for (int y = 48; y <= 70; y += 11)
            p.drawLine(QPointF(38, y), QPointF(64, y));
        break;
    }
    case Glyph::Load: {
        p.setPen(QPen(ink, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(255, 222, 120));
        const QPainterPath back = pathThrough({{16, 78}, {16, 26}, {38, 26}, {44, 34}, {78, 34}, {78, 46}}, false);
        p.drawPath(back);
        const QPainterPath front = pathThrough({{16, 78}, {28, 46}, {88, 46}, {76, 78}}, true);
        p.setBrush(QColor(255, 236, 160));
        p.drawPath(front);
        break;
    }
    case Glyph::Save: {
        p.setPen(QPen(ink, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(70, 110, 190));
        const QPainterPath disk = pathThrough({{20, 20}, {70, 20}, {80, 30}, {80, 80}, {20, 80}}, true);
        p.drawPath(disk);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(32, 52, 36, 24));
        p.setBrush(QColor(225, 232, 245));
        p.drawRect(QRectF(34, 23, 28, 18));
        p.setBrush(QColor(70, 110, 190));
        p.drawRect(QRectF(52, 26, 7, 12));
        break;
    }
    case Glyph::Settings: {
        QPainterPath cog;
        const int teeth = 8;
        for (int i = 0; i < teeth * 2; ++i) {
            const double a0 = (i - 0.5) * M_PI / teeth;
            const double a1 = (i + 0.5) * M_PI / teeth;
            const double r = (i % 2 == 0) ? 36 : 27;
            const QPointF p0(50 + r * std::cos(a0), 50 + r * std::sin(a0));
            const QPointF p1(50 + r * std::cos(a1), 50 + r * std::sin(a1));
            if (i == 0)
                cog.moveTo(p0);
            else
                cog.lineTo(p0);
            cog.lineTo(p1);
        }
        cog.closeSubpath();
        cog.addEllipse(QPointF(50, 50), 11, 11);
        cog.setFillRule(Qt::OddEvenFill);
        p.setPen(QPen(ink.darker(120), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(ink);
        p.drawPath(cog);
        break;
    }
    case Glyph::Add:
        pen.setWidthF(14);
        p.setPen(pen);
        p.drawLine(QPointF(50, 26), QPointF(50, 74));
        p.drawLine(QPointF(26, 50), QPointF(74, 50));
        break;
    case Glyph::Remove:
        pen.setWidthF(13);
        p.setPen(pen);
        p.drawLine(QPointF(32, 32), QPointF(68, 68));
        p.drawLine(QPointF(68, 32), QPointF(32, 68));
        break;
    case Glyph::Hide:
        pen.setWidthF(12);
        p.setPen(pen);
        p.drawPolyline(QPolygonF({QPointF(28, 62), QPointF(50, 38), QPointF(72, 62)}));
        break;
    case Glyph::Show:
        pen.setWidthF(12);
        p.setPen(pen);
        p.drawPolyline(QPolygonF({QPointF(28, 40), QPointF(50, 64), QPointF(72, 40)}));
        break;
    case Glyph::Chart: {
        // A small bar chart on its axes: three bars rising to the right, the tallest in
        // the gold of the best score. Upright bars read as a chart at any size, where thin
        // slanted lines across the face looked struck out.
        p.setPen(QPen(ink, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(24, 24), QPointF(24, 76), QPointF(78, 76)}));
        p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        const struct
        {
            double left, top;
            QColor fill;
        } bars[] = {{33, 56, mix(ink, Qt::white, 0.25)}, {48, 44, mix(ink, Qt::white, 0.25)}, {63, 28, QColor(254, 192, 12)}};
        for (const auto &bar : bars) {
            p.setBrush(bar.fill);
            p.drawRect(QRectF(bar.left, bar.top, 11, 72 - bar.top));
        }
        break;
    }
    case Glyph::Balance: {
        // A post on a foot, a tilted beam, and a pan hanging from each end: the left one,
        // in the gold of the best score, weighs more.
        pen.setWidthF(9);
        p.setPen(pen);
        p.drawLine(QPointF(50, 26), QPointF(50, 74));
        p.drawLine(QPointF(34, 76), QPointF(66, 76));
        p.drawLine(QPointF(22, 38), QPointF(78, 26));
        const auto pan = [&](double x, double top, const QColor &fill) {
            pen.setWidthF(5);
            p.setPen(pen);
            p.setBrush(fill);
            p.drawPolygon(QPolygonF({QPointF(x, top), QPointF(x - 15, top + 22), QPointF(x + 15, top + 22)}));
        };
        pan(22, 38, QColor(254, 192, 12));
        pan(78, 26, Qt::white);
        break;
    }
    }
}

enum class Look { Normal, Over, Down, Disabled };

// A transparent picture of that size in pixels, holding `ratio` screen pixels per pixel.
QImage blankPicture(int size, double ratio)
{
    const int pixels = std::max(1, int(std::lround(size * ratio)));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(double(pixels) / size);
    image.fill(Qt::transparent);
    return image;
}

QImage drawButton(Glyph glyph, int size, double ratio, Look look)
{
    Palette c = paletteFor(glyph);
    switch (look) {
    case Look::Normal:
        break;
    case Look::Over:
        c.faceTop = mix(c.faceTop, Qt::white, 0.5);
        c.faceBottom = mix(c.faceBottom, Qt::white, 0.3);
        c.border = mix(c.border, QColor(0, 0, 128), 0.4);
        break;
    case Look::Down:
        std::swap(c.faceTop, c.faceBottom);
        c.faceTop = c.faceTop.darker(110);
        break;
    case Look::Disabled:
        c = {grey(c.faceTop), grey(c.faceBottom), grey(c.border), grey(c.glyph)};
        break;
    }

    QImage image = blankPicture(size, ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 100.0, size / 100.0);
    if (look == Look::Down)
        p.translate(3, 3);

    const QRectF face(4, 4, 90, 90);
    QLinearGradient gradient(face.topLeft(), face.bottomLeft());
    gradient.setColorAt(0, c.faceTop);
    gradient.setColorAt(1, c.faceBottom);
    p.setPen(QPen(c.border, 6));
    p.setBrush(gradient);
    if (isRound(glyph))
        p.drawEllipse(face);
    else
        p.drawRoundedRect(face, 22, 22);

    // A soft shine across the upper half.
    QLinearGradient shine(0, 8, 0, 50);
    shine.setColorAt(0, QColor(255, 255, 255, look == Look::Disabled ? 60 : 150));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    if (isRound(glyph))
        p.drawEllipse(QRectF(16, 9, 66, 40));
    else
        p.drawRoundedRect(QRectF(12, 9, 74, 40), 16, 16);

    drawGlyph(p, glyph, c.glyph);
    return image;
}

ButtonLook drawLooks(Glyph glyph, int size, double ratio)
{
    return {drawButton(glyph, size, ratio, Look::Normal), drawButton(glyph, size, ratio, Look::Over),
            drawButton(glyph, size, ratio, Look::Down), drawButton(glyph, size, ratio, Look::Disabled)};
}

// Every look drawn so far, or being drawn by PrepareButtonImages. Several buttons share a
// look (the three hide buttons, the two add buttons): each is drawn once. The images are
// shared copies, so a button that paints on its own detaches.
class DrawnLooks
{
public:
    using Key = std::tuple<Glyph, int, double>;

    ~DrawnLooks()
    {
        for (std::thread &drawer : m_drawers)
            drawer.join();
    }

    std::optional<std::shared_future<ButtonLook>> find(const Key &key)
    {
        const std::lock_guard lock(m_mutex);
        const auto found = m_looks.find(key);
        if (found == m_looks.end())
            return std::nullopt;
        return found->second;
    }

    void add(const Key &key, const ButtonLook &look)
    {
        std::promise<ButtonLook> drawn;
        drawn.set_value(look);
        const std::lock_guard lock(m_mutex);
        m_looks.emplace(key, drawn.get_future().share());
    }

    void prepare(const std::vector<std::pair<Glyph, int>> &wanted, double ratio)
    {
        std::vector<std::pair<Key, std::promise<ButtonLook>>> work;
        {
            const std::lock_guard lock(m_mutex);
            for (const auto &[glyph, size] : wanted) {
                const Key key(glyph, size, ratio);
                if (m_looks.count(key))
                    continue;
                std::promise<ButtonLook> promise;
                m_looks.emplace(key, promise.get_future().share());
                work.emplace_back(key, std::move(promise));
            }
            if (work.empty())
                return;
        }
        // QPainter draws on a QImage in any thread.
        std::thread drawer([work = std::move(work)]() mutable {
            for (auto &[key, promise] : work)
                promise.set_value(drawLooks(std::get<0>(key), std::get<1>(key), std::get<2>(key)));
        });
        const std::lock_guard lock(m_mutex);
        m_drawers.push_back(std::move(drawer));
    }

private:
    std::mutex m_mutex;
    std::map<Key, std::shared_future<ButtonLook>> m_looks;
    std::vector<std::thread> m_drawers;
};

DrawnLooks &drawnLooks()
{
    static DrawnLooks looks;
    return looks;
}

} // namespace

void PrepareButtonImages(const std::vector<std::pair<Glyph, int>> &looks, double ratio)
{
    drawnLooks().prepare(looks, ratio);
}

ButtonLook ButtonImages(Glyph glyph, int size, double ratio)
{
    const DrawnLooks::Key key(glyph, size, ratio);
    if (const auto drawn = drawnLooks().find(key))
        return drawn->get();
    const ButtonLook look = drawLooks(glyph, size, ratio);
    drawnLooks().add(key, look);
    return look;
}

QImage ResizeGripImage(double ratio)
{
    QImage image = blankPicture(13, ratio);
    QPainter p(&image);
    // Three rows of raised dots along the diagonal, the classic sizing grip.
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column <= row; ++column) {
            const int x = 9 - 4 * (row - column);
            const int y = 9 - 4 * column;
            p.fillRect(x + 1, y + 1, 2, 2, QColor(255, 255, 255));
            p.fillRect(x, y, 2, 2, QColor(90, 110, 140));
        }
    }
    return image;
}

} // namespace MainWindowArt
