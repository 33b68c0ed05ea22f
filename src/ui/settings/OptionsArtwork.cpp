#include "OptionsArtwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace OptionsArtwork {
namespace {

const QColor Outline(0, 0, 128);
const QColor PageFill(246, 250, 255);
const QColor BackgroundTop(223, 239, 255);
const QColor BackgroundBottom(145, 200, 255);

QPainterPath tabPath(const QRectF &r, bool openBottom)
{
    const qreal radius = 6;
    QPainterPath path;
    path.moveTo(r.left(), r.bottom());
    path.lineTo(r.left(), r.top() + radius);
    path.quadTo(r.left(), r.top(), r.left() + radius, r.top());
    path.lineTo(r.right() - radius, r.top());
    path.quadTo(r.right(), r.top(), r.right(), r.top() + radius);
    path.lineTo(r.right(), r.bottom());
    if (!openBottom)
        path.closeSubpath();
    return path;
}

} // namespace

QImage TabBackgroundImage(const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face(0.5, 0.5, size.width() - 1.0, size.height() - 0.5);
    QLinearGradient shade(face.topLeft(), face.bottomLeft());
    shade.setColorAt(0, QColor(214, 233, 252));
    shade.setColorAt(1, QColor(170, 208, 245));
    painter.setPen(QPen(Outline, 1));
    painter.setBrush(shade);
    painter.drawPath(tabPath(face, false));
    return image;
}

QImage LogoImage(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(1, 1, side - 2, side - 2);
    QLinearGradient sky(tile.topLeft(), tile.bottomRight());
    sky.setColorAt(0, QColor(223, 239, 255));
    sky.setColorAt(1, QColor(108, 170, 235));
    painter.setPen(QPen(Outline, 1.5));
    painter.setBrush(sky);
    painter.drawRoundedRect(tile, side / 6.0, side / 6.0);

    // Three score bars; the longest, the best option, in gold.
    const qreal left = side * 0.18, barHeight = side * 0.16, gap = side * 0.08;
    const qreal lengths[] = {0.52, 0.66, 0.38};
    qreal top = side * 0.22;
    for (int bar = 0; bar < 3; ++bar) {
        const QColor fill = bar == 1 ? QColor(254, 192, 12) : QColor(253, 128, 9);
        painter.setPen(QPen(fill.darker(150), 1));
        painter.setBrush(fill);
        painter.drawRoundedRect(QRectF(left, top, side * lengths[bar], barHeight), 2, 2);
        top += barHeight + gap;
    }
    return image;
}

void PaintDialog(QPainter &painter, const QRect &dialog, const QRect &page, const QRect &selectedTab)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(dialog.topLeft(), dialog.bottomLeft());
    background.setColorAt(0, BackgroundTop);
    background.setColorAt(1, BackgroundBottom);
    painter.fillRect(dialog, background);

    // The page and the selected tab form one shape in the page colour.
    const QRectF pageFace = QRectF(page).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath pageShape;
    pageShape.addRoundedRect(pageFace, 8, 8);
    const QRectF tabFace = QRectF(selectedTab).adjusted(0.5, 0.5, -0.5, 0);
    QPainterPath shape = pageShape.united(tabPath(tabFace.adjusted(0, 0, 0, 2), false));
    painter.setPen(QPen(Outline, 1));
    painter.setBrush(PageFill);
    painter.drawPath(shape);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Outline, 2));
    const QRectF outline = QRectF(dialog).adjusted(1, 1, -1, -1);
    painter.drawRoundedRect(outline, CornerEllipse / 2.0, CornerEllipse / 2.0);
    painter.restore();
}

} // namespace OptionsArtwork
