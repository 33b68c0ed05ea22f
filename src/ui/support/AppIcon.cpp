#include "ui/support/AppIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor Navy(0x00, 0x00, 0x80);

// Drawn on a 64-unit square, as the SVG is.
void paintBar(QPainter &painter, const QRectF &bar, const QColor &top, const QColor &bottom, const QColor &edge)
{
    QLinearGradient fill(bar.topLeft(), bar.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.setBrush(fill);
    painter.setPen(QPen(edge, 1.2));
    painter.drawRoundedRect(bar, 2, 2);
}

} // namespace

QImage RenderAppIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);

    QLinearGradient panel(QPointF(4, 4), QPointF(60, 60));
    panel.setColorAt(0, QColor(0xdf, 0xef, 0xff));
    panel.setColorAt(1, QColor(0x91, 0xc8, 0xff));
    painter.setBrush(panel);
    painter.setPen(QPen(Navy, 2));
    painter.drawRoundedRect(QRectF(5, 5, 54, 54), 10, 10);

    QPainterPath axes;
    axes.moveTo(14, 13);
    axes.lineTo(14, 51);
    axes.lineTo(52, 51);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Navy, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(axes);

    paintBar(painter, QRectF(17, 16, 33, 8), QColor(0xff, 0xe0, 0x66), QColor(0xe6, 0xa8, 0x00), QColor(0x8a, 0x64, 0x00));
    paintBar(painter, QRectF(17, 28, 23, 8), QColor(0x8c, 0xb4, 0xe6), QColor(0x4a, 0x7c, 0xc0), Navy);
    paintBar(painter, QRectF(17, 40, 14, 8), QColor(0x8c, 0xb4, 0xe6), QColor(0x4a, 0x7c, 0xc0), Navy);
    return icon;
}

QIcon AppIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(RenderAppIcon(size)));
    return icon;
}
