// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnalysisArt.h"

#include "gfx/ColourValue.h"
#include "gfx/modFormElements.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QToolTip>

#include <array>

namespace AnalysisArt {

QColor BestGold()
{
    return QColor(254, 192, 12);
}

QColor Navy()
{
    return QColor(0, 0, 128);
}

QColor SeriesColour(int index)
{
    static const std::array<QColor, 10> colours = {
        QColor(0, 92, 175),  QColor(200, 30, 40),  QColor(30, 140, 60),   QColor(130, 70, 170), QColor(0, 150, 160),
        QColor(150, 90, 40), QColor(210, 80, 160), QColor(90, 90, 90), QColor(120, 140, 0),  QColor(70, 70, 210),
    };
    const int count = int(colours.size());
    return colours[size_t(((index % count) + count) % count)];
}

QFont Face(double points, bool bold)
{
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QRectF PaintPanel(QPainter &painter, const QRectF &outer)
{
    QLinearGradient fill(outer.topLeft(), outer.bottomRight());
    fill.setColorAt(0, ColourFromValue(modFormElements::PanelBaseColour));
    fill.setColorAt(0.6, ColourFromValue(modFormElements::PanelBaseColour));
    fill.setColorAt(1, ColourFromValue(modFormElements::PanelCornerColour));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ColourFromValue(modFormElements::PanelOutlineColour), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(outer.adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
    painter.restore();
    return outer.adjusted(10, 8, -10, -8);
}

double PaintLegendEntry(QPainter &painter, const QFontMetrics &metrics, double x, double y, const QColor &colour,
                        const QString &text)
{
    painter.fillRect(QRectF(x, y - 6, 12, 12), colour);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(x + 16, y + metrics.ascent() / 2.0 - 1), text);
    return metrics.horizontalAdvance(text) + 26;
}

bool AnswerToolTip(QWidget &view, QEvent *event, const std::function<QString(QPointF)> &textAt)
{
    if (event->type() != QEvent::ToolTip)
        return false;
    auto *help = static_cast<QHelpEvent *>(event);
    const QString text = textAt(help->pos());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, &view);
    return true;
}

} // namespace AnalysisArt
