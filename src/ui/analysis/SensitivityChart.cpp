// SPDX-License-Identifier: GPL-3.0-or-later
#include "SensitivityChart.h"

#include "AnalysisArt.h"
#include "model/VeltraneTopic.h"
#include "support/VeltraneError.h"
#include "ui/support/DisplayNumber.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

namespace {

// The lines bend only gently (each score is linear or linear-fractional in the
// weighting); this many even steps plus the crossovers and the current value draw them
// true to the pixel at any window size.
constexpr int Steps = 48;
constexpr double LeftMargin = 52;
constexpr double TopMargin = 78;
constexpr double BottomMargin = 46;
constexpr double NameGap = 8;
constexpr double MaxNameWidth = 140;

// A score line of the given thickness, as hair lines side by side a little over half a
// pixel apart: the raster engine draws hair lines directly, where a wide pen's outline
// takes about ten times as long to fill, and a chart repaints with every slider step.
// The lines are graphs of the weighting, so they are stacked in height.
void drawScoreLine(QPainter &painter, const QPolygonF &line, const QColor &colour, double thickness)
{
    const int strands = int(std::ceil((thickness - 1) / 0.75)) + 1;
    const double spread = thickness - 1;
    painter.setPen(QPen(colour, 1));
    for (int k = 0; k < strands; ++k) {
        const double offset = strands > 1 ? spread * (double(k) / (strands - 1) - 0.5) : 0;
        painter.drawPolyline(line.translated(0, offset));
    }
}

} // namespace

SensitivityChart::SensitivityChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SensitivityChart"));
    setFont(AnalysisArt::Face(8.25, false));
    cboAttribute = new QComboBox(this);
    cboAttribute->setObjectName(QStringLiteral("cboAttribute"));
    cboAttribute->setFont(AnalysisArt::Face(8.25, true));
    cboAttribute->setToolTip(QStringLiteral("The attribute whose weighting the chart moves"));
    cboAttribute->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(cboAttribute, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            SetAttribute(int16_t(index));
    });
    chkFullScale = new QCheckBox(QStringLiteral("Whole scale, 0 to 1"), this);
    chkFullScale->setObjectName(QStringLiteral("chkFullScale"));
    chkFullScale->setToolTip(QStringLiteral("Show scores from 0 to 1 rather than only the part the lines cover"));
    connect(chkFullScale, &QCheckBox::toggled, this, [this] { update(); });
}

SensitivityChart::Axis SensitivityChart::ScoreAxis() const
{
    if (chkFullScale->isChecked() || m_scores.isEmpty())
        return {};
    double low = 1;
    double high = 0;
    for (const QList<double> &scores : m_scores) {
        for (const double score : scores) {
            low = std::min(low, score);
            high = std::max(high, score);
        }
    }
    // A round step that gives three to six intervals over the lines and a margin.
    const double margin = std::max(0.1 * (high - low), 0.01);
    low = std::max(0.0, low - margin);
    high = std::min(1.0, high + margin);
    double step = 0.25;
    for (const double candidate : {0.005, 0.01, 0.02, 0.025, 0.05, 0.1, 0.2, 0.25}) {
        if ((high - low) / candidate <= 6) {
            step = candidate;
            break;
        }
    }
    // Whole steps, snapped so that rounding noise adds no step.
    const double first = std::floor(low / step + 1e-9) * step;
    const double last = std::ceil(high / step - 1e-9) * step;
    return {std::max(0.0, first), std::min(1.0, last), step};
}

void SensitivityChart::SetAttribute(int16_t attributeID)
{
    if (attributeID == m_attribute)
        return;
    m_attribute = attributeID;
    refresh();
}

void SensitivityChart::syncAttributeBox(const QStringList &names)
{
    QStringList shown;
    for (int i = 0; i < cboAttribute->count(); ++i)
        shown << cboAttribute->itemText(i);
    const QSignalBlocker quiet(cboAttribute);
    if (shown != names) {
        cboAttribute->clear();
        cboAttribute->addItems(names);
    }
    cboAttribute->setCurrentIndex(m_attribute);
    cboAttribute->adjustSize();
}

void SensitivityChart::Refresh(const VeltraneTopic &topic)
{
    m_topic = topic;
    refresh();
}

void SensitivityChart::refresh()
{
    m_samples.clear();
    m_scores.clear();
    m_crossovers.clear();
    m_optionNames.clear();
    m_leaderNow = -1;
    m_leads.clear();
    if (!m_topic || m_topic->TotalAttributes() == 0 || m_topic->TotalOptions() == 0) {
        m_pacer->Request();
        return;
    }
    const VeltraneTopic &topic = *m_topic;
    m_attribute = std::clamp<int16_t>(m_attribute, 0, int16_t(topic.TotalAttributes() - 1));

    QStringList attributes;
    for (int16_t j = 0; j < topic.TotalAttributes(); ++j)
        attributes << topic.GetAttributeName(j);
    syncAttributeBox(attributes);
    m_attributeName = attributes[m_attribute];
    for (int16_t i = 0; i < topic.TotalOptions(); ++i)
        m_optionNames << topic.GetOptionName(i);

    try {
        m_current = topic.GetWeighting(m_attribute);
        m_crossovers = TopicStability::WeightingCrossovers(topic, m_attribute);
        m_leaderNow = TopicStability::Leader(topic);
        m_leads = AnalysisArt::LeadersAsShown(topic);
        for (int s = 0; s <= Steps; ++s)
            m_samples << double(s) / Steps;
        for (const Crossover &crossover : m_crossovers)
            m_samples << crossover.Value;
        m_samples << m_current;
        std::sort(m_samples.begin(), m_samples.end());
        m_samples.erase(std::unique(m_samples.begin(), m_samples.end()), m_samples.end());
        for (const double weighting : m_samples)
            m_scores << TopicStability::ScoresAtWeighting(topic, m_attribute, weighting);
    } catch (const VeltraneError &) {
        // A topic the chart cannot follow draws as empty rather than failing the window.
        m_samples.clear();
        m_scores.clear();
        m_crossovers.clear();
    }
    QString said;
    if (m_leaderNow >= 0 && !m_scores.isEmpty()) {
        said = QStringLiteral("Every option's score as the %1 weighting moves from 0 to 1. At %2, the weighting now, %3 is best.")
                   .arg(m_attributeName, DisplayNumberText(m_current), m_optionNames[m_leaderNow]);
        for (const Crossover &crossover : m_crossovers)
            said += QStringLiteral(" At %1, %2 takes over from %3.")
                        .arg(DisplayNumberText(crossover.Value), m_optionNames[crossover.After], m_optionNames[crossover.Before]);
    }
    AnalysisArt::Describe(*this, QStringLiteral("Sensitivity chart"), said);
    m_pacer->Request();
}

QRectF SensitivityChart::plotArea() const
{
    const QFontMetrics metrics(font());
    double names = 0;
    for (const QString &name : m_optionNames)
        names = std::max<double>(names, metrics.horizontalAdvance(name));
    const double right = std::min(names, MaxNameWidth) + NameGap + 18;
    return QRectF(rect()).adjusted(LeftMargin, TopMargin, -right, -BottomMargin);
}

int16_t SensitivityChart::leaderAt(int sample) const
{
    const QList<double> &scores = m_scores[sample];
    // The lowest option number among equal scores, as everywhere in the program.
    return int16_t(std::max_element(scores.begin(), scores.end()) - scores.begin());
}

void SensitivityChart::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    cboAttribute->move(16, 12);
    // Under the attribute box, above the score axis's heading.
    chkFullScale->adjustSize();
    chkFullScale->move(16, 38);
}

void SensitivityChart::paintEvent(QPaintEvent *)
{
    m_pacer->Painted();
    QPainter painter(this);
    AnalysisArt::PaintPanel(painter, QRectF(rect()).adjusted(2, 2, -2, -2));
    const QFontMetrics metrics(font());
    painter.setPen(Qt::black);
    painter.drawText(QPointF(cboAttribute->geometry().right() + 10, cboAttribute->geometry().center().y() + metrics.ascent() / 2.0 - 1),
                     QStringLiteral("Every option's score as this weighting moves from 0 to 1"));
    if (m_scores.isEmpty())
        return;

    const QRectF plot = plotArea();
    const Axis axis = ScoreAxis();
    const auto X = [&plot](double weighting) { return plot.left() + plot.width() * weighting; };
    const auto Y = [&plot, &axis](double score) {
        return plot.bottom() - plot.height() * (score - axis.Low) / (axis.High - axis.Low);
    };

    // Axes and the grid, labelled in the display form of the main window: quarters of the
    // weighting, the score axis's own steps.
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int q = 0; q <= 4; ++q) {
        const double v = q / 4.0;
        painter.setPen(QPen(QColor(200, 208, 218), 1, q == 0 ? Qt::SolidLine : Qt::DotLine));
        painter.drawLine(QPointF(X(v), plot.top()), QPointF(X(v), plot.bottom()));
        painter.setPen(QColor(70, 80, 95));
        AnalysisArt::DrawText(painter, QRectF(X(v) - 30, plot.bottom() + 4, 60, 16), Qt::AlignHCenter | Qt::AlignTop,
                              DisplayNumberText(v));
    }
    const int steps = int(std::lround((axis.High - axis.Low) / axis.Step));
    for (int q = 0; q <= steps; ++q) {
        const double v = axis.Low + q * axis.Step;
        painter.setPen(QPen(QColor(200, 208, 218), 1, q == 0 ? Qt::SolidLine : Qt::DotLine));
        painter.drawLine(QPointF(plot.left(), Y(v)), QPointF(plot.right(), Y(v)));
        painter.setPen(QColor(70, 80, 95));
        AnalysisArt::DrawText(painter, QRectF(plot.left() - LeftMargin, Y(v) - 8, LeftMargin - 6, 16),
                              Qt::AlignRight | Qt::AlignVCenter, DisplayNumberText(v));
    }
    painter.setPen(QPen(QColor(110, 120, 135), 1));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.setPen(Qt::black);
    AnalysisArt::DrawText(painter, QRectF(plot.left(), plot.bottom() + 22, plot.width(), 18), Qt::AlignHCenter | Qt::AlignTop,
                     m_attributeName + QStringLiteral(" weighting"));
    AnalysisArt::DrawText(painter, QRectF(plot.left() - LeftMargin + 8, plot.top() - 24, LeftMargin + 40, 18), Qt::AlignLeft | Qt::AlignBottom,
                     QStringLiteral("Score"));

    painter.setRenderHint(QPainter::Antialiasing, true);
    // The best option's stretch: the top of all lines, in gold, under them.
    {
        QPolygonF top;
        for (int s = 0; s < int(m_samples.size()); ++s)
            top << QPointF(X(m_samples[s]), Y(m_scores[s][leaderAt(s)]));
        QColor gold = AnalysisArt::BestGold();
        painter.setPen(QPen(gold, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(top);
    }
    const int options = int(m_optionNames.size());
    for (int i = options - 1; i >= 0; --i) {
        QPolygonF line;
        for (int s = 0; s < int(m_samples.size()); ++s)
            line << QPointF(X(m_samples[s]), Y(m_scores[s][i]));
        drawScoreLine(painter, line, AnalysisArt::SeriesColour(i), m_leads.value(i) ? 2.5 : 1.6);
    }

    // The current weighting.
    painter.setPen(QPen(AnalysisArt::Navy(), 1.5, Qt::DashLine));
    painter.drawLine(QPointF(X(m_current), plot.top() - 4), QPointF(X(m_current), plot.bottom()));
    {
        QFont bold = font();
        bold.setBold(true);
        painter.setFont(bold);
        const QString now = QStringLiteral("now ") + DisplayNumberText(m_current);
        const double width = QFontMetrics(bold).horizontalAdvance(now) + 8;
        const double left = std::clamp(X(m_current) - width / 2, plot.left() - LeftMargin + 4, plot.right() - width);
        painter.setPen(AnalysisArt::Navy());
        AnalysisArt::DrawText(painter, QRectF(left, plot.top() - 22, width, 16), Qt::AlignCenter, now);
        painter.setFont(font());
    }

    // Every change of leader: a ring on the crossing and its value beside it, above the
    // ring where that is free, else below it, else further up or down, clear of every
    // label placed before.
    QList<QRectF> placed;
    for (const Crossover &crossover : m_crossovers) {
        const int sample = int(std::lower_bound(m_samples.begin(), m_samples.end(), crossover.Value) - m_samples.begin());
        const QList<double> &scores = m_scores[std::min(sample, int(m_scores.size()) - 1)];
        const double score = *std::max_element(scores.begin(), scores.end());
        const QPointF at(X(crossover.Value), Y(score));
        painter.setPen(QPen(QColor(90, 100, 115), 1, Qt::DotLine));
        painter.drawLine(QPointF(at.x(), at.y()), QPointF(at.x(), plot.bottom()));
        painter.setPen(QPen(AnalysisArt::Navy(), 1.5));
        painter.setBrush(Qt::white);
        painter.drawEllipse(at, 4.5, 4.5);
        const QString text = DisplayNumberText(crossover.Value);
        const double width = metrics.horizontalAdvance(text) + 8;
        const auto boxAt = [&](double top) {
            QRectF box(at.x() - width / 2, top, width, 16);
            box.moveLeft(std::clamp(box.left(), plot.left(), plot.right() - width));
            box.moveTop(std::clamp(box.top(), plot.top() - 2, plot.bottom() - 18));
            return box;
        };
        const auto isFree = [&placed](const QRectF &box) {
            return std::none_of(placed.begin(), placed.end(),
                                [&box](const QRectF &other) { return other.adjusted(-2, -1, 2, 1).intersects(box); });
        };
        QRectF box = boxAt(at.y() - 24);
        // Rows of 18 pixels: below the ring, then a row higher above it, and so on.
        for (int tier = 0; tier < 2 * int(placed.size()) + 2 && !isFree(box); ++tier)
            box = boxAt(tier % 2 == 0 ? at.y() + 8 + 18 * (tier / 2) : at.y() - 24 - 18 * (tier / 2 + 1));
        placed << box;
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 215));
        painter.drawRoundedRect(box, 4, 4);
        painter.setPen(AnalysisArt::Navy());
        AnalysisArt::DrawText(painter, box, Qt::AlignCenter, text);
    }
    painter.setBrush(Qt::NoBrush);

    // The names at the lines' right ends, pushed apart where the ends crowd.
    const double lineHeight = metrics.height();
    QList<std::pair<double, int>> ends;
    for (int i = 0; i < options; ++i)
        ends.append({Y(m_scores.last()[i]), i});
    std::sort(ends.begin(), ends.end());
    for (int k = 1; k < int(ends.size()); ++k)
        ends[k].first = std::max(ends[k].first, ends[k - 1].first + lineHeight);
    const double overflow = ends.isEmpty() ? 0 : ends.last().first - (rect().bottom() - 8 - lineHeight / 2);
    for (int k = int(ends.size()) - 1; k >= 0 && overflow > 0; --k) {
        const double limit = k + 1 < int(ends.size()) ? ends[k + 1].first - lineHeight : ends[k].first - overflow;
        ends[k].first = std::min(ends[k].first, limit);
    }
    QFont bold = font();
    bold.setBold(true);
    for (const auto &[y, i] : ends) {
        painter.setFont(m_leads.value(i) ? bold : font());
        painter.setPen(AnalysisArt::SeriesColour(i));
        const QString name = QFontMetrics(painter.font()).elidedText(m_optionNames[i], Qt::ElideRight, int(MaxNameWidth));
        AnalysisArt::DrawText(painter, QRectF(plot.right() + NameGap, y - lineHeight / 2, MaxNameWidth + 10, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, name);
    }
}
