// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContributionChart.h"

#include "AnalysisArt.h"
#include "model/ScoreMatrix.h"
#include "model/TopicStability.h"
#include "model/VeltraneTopic.h"
#include "ui/support/DisplayNumber.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

constexpr double NameColumn = 120;
constexpr double ScoreColumn = 64;
constexpr double LegendHeight = 40;
constexpr double MaxBarHeight = 30;

} // namespace

ContributionChart::ContributionChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ContributionChart"));
    setFont(AnalysisArt::Face(8.25, false));
    setMouseTracking(true);
}

void ContributionChart::Refresh(const VeltraneTopic &topic)
{
    m_optionNames.clear();
    m_attributeNames.clear();
    m_shares.clear();
    m_ratings.clear();
    m_scores.clear();
    m_weightings.clear();
    m_reversed.clear();
    m_leader = -1;
    m_leads.clear();
    if (topic.TotalOptions() > 0 && topic.TotalAttributes() > 0) {
        for (int16_t j = 0; j < topic.TotalAttributes(); ++j)
            m_attributeNames << topic.GetAttributeName(j);
        const ScoreMatrix matrix = ScoreMatrix::Of(topic);
        m_weightings = QList<double>(matrix.Weight.begin(), matrix.Weight.end());
        for (int16_t i = 0; i < topic.TotalOptions(); ++i) {
            m_optionNames << topic.GetOptionName(i);
            QList<double> shares;
            QList<double> ratings;
            for (int16_t j = 0; j < topic.TotalAttributes(); ++j) {
                if (i == 0)
                    m_reversed << matrix.Reversed(j);
                shares << matrix.Share(i, j);
                ratings << topic.GetRating(i, j);
            }
            m_shares << shares;
            m_ratings << ratings;
            m_scores << topic.GetScore(i);
        }
        m_leader = TopicStability::Leader(topic);
        m_leads = AnalysisArt::LeadersAsShown(topic);
    }
    QStringList said;
    for (int i = 0; i < int(m_optionNames.size()); ++i) {
        QStringList parts;
        for (int j = 0; j < int(m_attributeNames.size()); ++j)
            parts << m_attributeNames[j] + u' ' + DisplayNumberText(m_shares[i][j]);
        said << QStringLiteral("%1 scores %2: %3.").arg(m_optionNames[i], DisplayNumberText(m_scores[i]),
                                                      parts.join(QStringLiteral(", ")));
    }
    AnalysisArt::Describe(*this, QStringLiteral("Contributions to every score"), said.join(u' '));
    m_pacer->Request();
}

QRectF ContributionChart::barArea() const
{
    const QRectF inner = QRectF(rect()).adjusted(16, 14, -16, -14 - LegendHeight);
    return inner.adjusted(NameColumn, 0, -ScoreColumn, 0);
}

QRectF ContributionChart::rowRect(int option) const
{
    const QRectF area = barArea();
    const int count = std::max<int>(1, int(m_shares.size()));
    const double pitch = area.height() / count;
    const double height = std::min(MaxBarHeight, pitch * 0.7);
    return QRectF(area.left(), area.top() + pitch * option + (pitch - height) / 2, area.width(), height);
}

QList<ContributionChart::Segment> ContributionChart::layoutSegments() const
{
    QList<Segment> segments;
    for (int i = 0; i < int(m_shares.size()); ++i) {
        const QRectF row = rowRect(i);
        double x = row.left();
        for (int j = 0; j < int(m_shares[i].size()); ++j) {
            const double width = row.width() * m_shares[i][j];
            segments.append({QRectF(x, row.top(), width, row.height()), int16_t(i), int16_t(j)});
            x += width;
        }
    }
    return segments;
}

QString ContributionChart::ToolTipAt(QPointF point) const
{
    for (const Segment &segment : layoutSegments()) {
        if (!segment.place.contains(point))
            continue;
        const int i = segment.option;
        const int j = segment.attribute;
        const QString rating = m_reversed[j] ? QStringLiteral("(1 - %1)").arg(DisplayNumberText(m_ratings[i][j]))
                                          : DisplayNumberText(m_ratings[i][j]);
        return QStringLiteral("%1, %2: weighting %3 x rating %4 = %5 of its score %6")
            .arg(m_optionNames[i], m_attributeNames[j], DisplayNumberText(m_weightings[j]), rating,
                 DisplayNumberText(m_shares[i][j]), DisplayNumberText(m_scores[i]));
    }
    return {};
}

bool ContributionChart::event(QEvent *event)
{
    if (AnalysisArt::AnswerToolTip(*this, event, [this](QPointF point) { return ToolTipAt(point); }))
        return true;
    return QWidget::event(event);
}

void ContributionChart::paintEvent(QPaintEvent *)
{
    m_pacer->Painted();
    QPainter painter(this);
    AnalysisArt::PaintPanel(painter, QRectF(rect()).adjusted(2, 2, -2, -2));
    if (m_shares.isEmpty())
        return;

    const QFont plain = font();
    QFont bold = plain;
    bold.setBold(true);
    const QFontMetrics plainMetrics(plain);
    const QFontMetrics boldMetrics(bold);
    const QRectF area = barArea();

    // The scale: a faint line at every quarter of a full score.
    painter.setPen(QPen(QColor(190, 200, 212), 1, Qt::DotLine));
    for (int q = 0; q <= 4; ++q) {
        const double x = area.left() + area.width() * q / 4.0;
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }

    for (int i = 0; i < int(m_shares.size()); ++i) {
        const QRectF row = rowRect(i);
        const bool leads = m_leads.value(i);
        if (leads) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(AnalysisArt::BestGold());
            painter.drawRoundedRect(QRectF(area.left() - NameColumn + 2, row.top() - 4, area.width() + NameColumn + ScoreColumn - 4,
                                           row.height() + 8),
                                    6, 6);
        }
        // The empty part of the bar, up to a score of 1.
        painter.setPen(QPen(QColor(134, 149, 156), 1));
        painter.setBrush(QColor(246, 249, 252));
        painter.drawRect(row);

        painter.setFont(leads ? bold : plain);
        const QFontMetrics &metrics = leads ? boldMetrics : plainMetrics;
        painter.setPen(Qt::black);
        const QRectF nameBox(area.left() - NameColumn + 8, row.top(), NameColumn - 16, row.height());
        AnalysisArt::DrawText(painter, nameBox, Qt::AlignRight | Qt::AlignVCenter,
                         metrics.elidedText(m_optionNames[i], Qt::ElideRight, int(nameBox.width())));
        AnalysisArt::DrawText(painter, QRectF(area.right() + 6, row.top(), ScoreColumn - 8, row.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         DisplayNumberText(m_scores[i]));
    }

    painter.setFont(plain);
    for (const Segment &segment : layoutSegments()) {
        if (segment.place.width() <= 0)
            continue;
        const QColor colour = AnalysisArt::SeriesColour(segment.attribute);
        painter.fillRect(segment.place, colour);
        painter.setPen(QPen(Qt::white, 1));
        painter.drawLine(segment.place.topRight(), segment.place.bottomRight());
        const QString name = m_attributeNames[segment.attribute];
        const QString shown = plainMetrics.elidedText(name, Qt::ElideRight, int(segment.place.width()) - 6);
        if (segment.place.width() > 26 && shown != QStringLiteral("…")) {
            painter.setPen(Qt::white);
            AnalysisArt::DrawText(painter, segment.place.adjusted(3, 0, -3, 0), Qt::AlignCenter, shown);
        }
    }

    // The legend: every attribute with its colour and normalised weighting, in as many
    // rows as it takes; long names are shortened so that ten attributes fit in two rows.
    const double left = area.left() - NameColumn + 12;
    const double right = rect().right() - 12;
    const int perRow = std::max(1, int((m_attributeNames.size() + 1) / 2));
    const int longest = std::max(40, int((right - left) / perRow) - 70);
    double x = left;
    double y = rect().bottom() - 14 - LegendHeight + 10;
    painter.setFont(plain);
    for (int j = 0; j < int(m_attributeNames.size()); ++j) {
        const QString text = QStringLiteral("%1 %2").arg(plainMetrics.elidedText(m_attributeNames[j], Qt::ElideRight, longest),
                                                         DisplayNumberText(m_weightings[j]));
        if (x + plainMetrics.horizontalAdvance(text) + 26 > right && x > left) {
            x = left;
            y += 18;
        }
        x += AnalysisArt::PaintLegendEntry(painter, plainMetrics, x, y, AnalysisArt::SeriesColour(j), text);
    }
}
