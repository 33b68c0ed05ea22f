// SPDX-License-Identifier: GPL-3.0-or-later
#include "WeightingPreview.h"

#include "support/VeltraneError.h"
#include "ui/analysis/AnalysisArt.h"
#include "ui/support/DisplayNumber.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr int RowHeight = 22;
constexpr int NameWidth = 110;
constexpr int FigureWidth = 52;
constexpr int PreviewWidth = 330;
const QColor WeightingColour(108, 206, 227); // the weighting sliders' colour

// The best option, the lowest of equal scores, as the main window picks it.
int16_t bestOf(const VeltraneTopic &topic)
{
    int16_t best = 0;
    for (int16_t i = 1; i < topic.TotalOptions(); ++i)
        if (topic.GetScore(i) > topic.GetScore(best))
            best = i;
    return best;
}

QList<double> weightingsOf(const VeltraneTopic &topic)
{
    QList<double> weightings;
    for (int16_t j = 0; j < topic.TotalAttributes(); ++j)
        weightings.append(topic.GetWeighting(j));
    return weightings;
}

} // namespace

WeightingPreview::WeightingPreview(const VeltraneTopic &topic, QWidget *parent)
    : QWidget(parent)
    , m_topic(topic)
    , m_now(weightingsOf(topic))
    , m_bestNow(bestOf(topic))
{
    setObjectName(QStringLiteral("picPreview"));
    setFocusPolicy(Qt::TabFocus); // a screen reader reaches the figures by Tab
}

void WeightingPreview::Show(const WeightingMethodInputs &inputs, const QString &problem)
{
    m_problem = problem;
    m_weightings.clear();
    if (m_problem.isEmpty()) {
        try {
            VeltraneTopic applied = m_topic;
            applied.ApplyWeightingMethod(inputs);
            m_weightings = weightingsOf(applied);
            m_best = bestOf(applied);
            m_bestScore = applied.GetScore(m_best);
        } catch (const VeltraneError &error) {
            m_problem = error.description();
        }
    }
    describe();
    update();
}

QSize WeightingPreview::sizeHint() const
{
    return {PreviewWidth, RowHeight * (m_topic.TotalAttributes() + 5) + 20};
}

QSize WeightingPreview::minimumSizeHint() const
{
    return {PreviewWidth, RowHeight * 6};
}

void WeightingPreview::describe()
{
    QString text;
    if (!m_problem.isEmpty()) {
        text = m_problem;
    } else {
        QStringList parts;
        for (int16_t j = 0; j < m_topic.TotalAttributes(); ++j)
            parts << m_topic.GetAttributeName(j) + u' ' + DisplayNumberText(m_weightings[j]);
        text = QStringLiteral("Weightings: %1. Best option then: %2 with %3")
                   .arg(parts.join(QStringLiteral(", ")), m_topic.GetOptionName(m_best), DisplayNumberText(m_bestScore));
        text += m_best == m_bestNow ? QStringLiteral(", as now.")
                                    : QStringLiteral("; now %1 is best.").arg(m_topic.GetOptionName(m_bestNow));
    }
    AnalysisArt::Describe(*this, QStringLiteral("What these answers give"), text);
}

void WeightingPreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF inner = AnalysisArt::PaintPanel(painter, QRectF(rect()));
    const QFont plain = AnalysisArt::Face(8.25, false);
    const QFont bold = AnalysisArt::Face(8.25, true);
    const QFontMetrics metrics(plain);
    painter.setPen(Qt::black);

    double y = inner.top();
    const auto heading = [&](const QString &text) {
        painter.setFont(bold);
        AnalysisArt::DrawText(painter, QRectF(inner.left(), y, inner.width(), RowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                              text);
        y += RowHeight;
        painter.setFont(plain);
    };
    if (!m_problem.isEmpty()) {
        heading(QStringLiteral("Weightings these answers give"));
        painter.drawText(QRectF(inner.left(), y, inner.width(), inner.bottom() - y), Qt::TextWordWrap, m_problem);
        return;
    }

    const double barLeft = inner.left() + NameWidth + 6;
    const double barWidth = inner.right() - FigureWidth - 6 - barLeft;
    // One row: a name, a bar filled to the value, the value as text, and optionally a mark.
    const auto row = [&](const QString &name, double value, const QColor &fill, double mark) {
        AnalysisArt::DrawText(painter, QRectF(inner.left(), y, NameWidth, RowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                              metrics.elidedText(name, Qt::ElideRight, NameWidth));
        const QRectF track(barLeft, y + 4, barWidth, RowHeight - 8);
        painter.setPen(QColor(134, 149, 156));
        painter.setBrush(QColor(245, 249, 252));
        painter.drawRect(track);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawRect(QRectF(track.left(), track.top(), track.width() * std::clamp(value, 0.0, 1.0), track.height()));
        if (mark >= 0) {
            painter.setPen(QPen(AnalysisArt::Navy(), 2));
            const double x = track.left() + track.width() * std::clamp(mark, 0.0, 1.0);
            painter.drawLine(QPointF(x, track.top() - 2), QPointF(x, track.bottom() + 2));
        }
        painter.setPen(Qt::black);
        AnalysisArt::DrawText(painter, QRectF(inner.right() - FigureWidth, y, FigureWidth, RowHeight),
                              Qt::AlignRight | Qt::AlignVCenter, DisplayNumberText(value));
        y += RowHeight;
    };

    heading(QStringLiteral("Weightings these answers give"));
    for (int16_t j = 0; j < m_topic.TotalAttributes(); ++j)
        row(m_topic.GetAttributeName(j), m_weightings[j], WeightingColour, m_now[j]);
    painter.setPen(AnalysisArt::Navy());
    AnalysisArt::DrawText(painter, QRectF(barLeft, y, barWidth, RowHeight * 0.8), Qt::AlignLeft | Qt::AlignVCenter,
                          QStringLiteral("| marks each weighting as it is now"));
    painter.setPen(Qt::black);
    y += RowHeight;
    heading(QStringLiteral("Best option then"));
    row(m_topic.GetOptionName(m_best), m_bestScore, AnalysisArt::BestGold(), -1);
    AnalysisArt::DrawText(painter, QRectF(inner.left(), y, inner.width(), RowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                          m_best == m_bestNow ? QStringLiteral("The same option is best now.")
                                              : QStringLiteral("Now %1 is best.").arg(m_topic.GetOptionName(m_bestNow)));
}
