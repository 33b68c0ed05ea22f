// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScaleDrawing.h"

#include "ui/analysis/AnalysisArt.h"
#include "ui/support/MeasureText.h"

#include <QPainter>
#include <QPainterPath>

ScaleDrawing::ScaleDrawing(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picFunction"));
    setMinimumSize(200, 130);
    setAccessibleName(QStringLiteral("Drawing of the value function"));
}

void ScaleDrawing::SetScale(const std::optional<AttributeScale> &scale)
{
    if (scale == m_scale)
        return;
    m_scale = scale;
    if (m_scale) {
        setAccessibleDescription(QStringLiteral("%1 rates 0, %2 rates 1")
                                     .arg(MeasureText(m_scale->Worst, m_scale->Unit),
                                          MeasureText(m_scale->Best, m_scale->Unit)));
    }
    update();
}

void ScaleDrawing::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(AnalysisArt::Face(8, false));
    const QRectF inner = AnalysisArt::PaintPanel(painter, QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    if (!m_scale) {
        painter.setPen(AnalysisArt::Navy());
        AnalysisArt::DrawText(painter, inner, Qt::AlignCenter, QStringLiteral("No valid scale yet"));
        return;
    }

    const QFontMetricsF metrics(painter.font());
    const QRectF plot = inner.adjusted(metrics.horizontalAdvance(QStringLiteral("0.0")) + 10, 8, -12,
                                       -(metrics.height() + 8));
    const double low = std::min(m_scale->Worst, m_scale->Best);
    const double high = std::max(m_scale->Worst, m_scale->Best);
    const auto at = [&](double value, double rating) {
        return QPointF(plot.left() + plot.width() * (value - low) / (high - low), plot.bottom() - plot.height() * rating);
    };

    painter.setPen(QPen(QColor(0, 0, 0, 60), 1, Qt::DotLine));
    for (const double rating : {0.0, 0.5, 1.0}) {
        painter.drawLine(at(low, rating), at(high, rating));
        painter.setPen(AnalysisArt::Navy());
        AnalysisArt::DrawText(painter, QRectF(inner.left(), at(low, rating).y() - 10, plot.left() - inner.left() - 4, 20),
                              Qt::AlignRight | Qt::AlignVCenter, QString::number(rating, 'f', 1));
        painter.setPen(QPen(QColor(0, 0, 0, 60), 1, Qt::DotLine));
    }

    QList<ValuePoint> corners{{m_scale->Worst, 0}};
    corners.append(m_scale->Points);
    corners.append({m_scale->Best, 1});
    QPainterPath line;
    line.moveTo(at(corners.first().Value, corners.first().Rating));
    for (const ValuePoint &corner : corners)
        line.lineTo(at(corner.Value, corner.Rating));
    painter.setPen(QPen(AnalysisArt::BestGold(), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(line);
    painter.setPen(QPen(AnalysisArt::Navy(), 1.5));
    painter.drawPath(line);
    painter.setBrush(Qt::white);
    for (const ValuePoint &corner : corners)
        painter.drawEllipse(at(corner.Value, corner.Rating), 3, 3);

    const QRectF under(plot.left() - 40, plot.bottom() + 4, plot.width() + 80, metrics.height());
    AnalysisArt::DrawText(painter, QRectF(under.left(), under.top(), 80, under.height()), Qt::AlignCenter,
                          MeasureText(low, m_scale->Unit));
    AnalysisArt::DrawText(painter, QRectF(under.right() - 80, under.top(), 80, under.height()), Qt::AlignCenter,
                          MeasureText(high, m_scale->Unit));
}
