// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConfidenceView.h"

#include "AnalysisArt.h"
#include "ConfidenceRunner.h"
#include "model/VeltraneTopic.h"
#include "ui/support/DisplayNumber.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>

namespace {

constexpr int ControlsHeight = 72;
constexpr int LabelWidth = 290;
constexpr int SliderWidth = 200;
constexpr double NameColumn = 120;
constexpr double FigureColumn = 76;
constexpr double LegendHeight = 40;
constexpr double MaxBarHeight = 30;
constexpr double FigurePoints = 15;

QString Ordinal(int place)
{
    const int n = place + 1;
    const int tens = n % 100;
    const char *suffix = "th";
    if (tens < 11 || tens > 13) {
        switch (n % 10) {
        case 1: suffix = "st"; break;
        case 2: suffix = "nd"; break;
        case 3: suffix = "rd"; break;
        default: break;
        }
    }
    return QString::number(n) + QLatin1String(suffix);
}

// First place in the gold of the best bar, then blues that pale with every place down.
QColor PlaceColour(int place, int places)
{
    if (place == 0)
        return AnalysisArt::BestGold();
    const QColor strong(0, 92, 175);
    const QColor pale(205, 216, 228);
    const double t = places > 2 ? double(place - 1) / (places - 2) : 0;
    return QColor::fromRgbF(float(strong.redF() + (pale.redF() - strong.redF()) * t),
                            float(strong.greenF() + (pale.greenF() - strong.greenF()) * t),
                            float(strong.blueF() + (pale.blueF() - strong.blueF()) * t));
}

QColor TextOn(const QColor &fill)
{
    return qGray(fill.rgb()) > 150 ? Qt::black : Qt::white;
}

// The leader's row is laid on a pale gold, so that its own gold first place stands out.
QColor LeaderWash()
{
    return QColor(255, 234, 168);
}

QString SpreadCaption(bool weighting, double spread)
{
    return QStringLiteral("Every %1 may be off by up to \u00B1%2")
        .arg(weighting ? QStringLiteral("weighting") : QStringLiteral("rating"), DisplayNumberText(spread));
}

} // namespace

ConfidenceView::ConfidenceView(ConfidenceRunner *runner, QWidget *parent) : QWidget(parent), m_runner(runner)
{
    setObjectName(QStringLiteral("ConfidenceView"));
    setFont(AnalysisArt::Face(8.25, false));
    setMouseTracking(true);

    const auto makeControls = [this](const char *label, const char *slider, bool weighting) {
        auto *caption = new QLabel(this);
        caption->setObjectName(QLatin1String(label));
        auto *control = new QSlider(Qt::Horizontal, this);
        control->setObjectName(QLatin1String(slider));
        control->setRange(0, int(VeltraneTopic::MaxSpread * 100));
        control->setSingleStep(1);
        control->setPageStep(5);
        control->setToolTip(weighting ? QStringLiteral("How far every weighting may be from its value")
                                      : QStringLiteral("How far every rating may be from its value"));
        connect(control, &QSlider::valueChanged, this, [this, control] { sliderMoved(control, !control->isSliderDown()); });
        connect(control, &QSlider::sliderReleased, this, [this, control] { sliderMoved(control, true); });
        return std::pair{caption, control};
    };
    std::tie(lblRatingSpread, sldRatingSpread) = makeControls("lblRatingSpread", "sldRatingSpread", false);
    std::tie(lblWeightingSpread, sldWeightingSpread) = makeControls("lblWeightingSpread", "sldWeightingSpread", true);
    showSpreads(VeltraneTopic::DefaultSpread, VeltraneTopic::DefaultSpread);
    if (m_runner)
        connect(m_runner, &ConfidenceRunner::Ready, this, &ConfidenceView::showFigures);
    placeControls();
}

void ConfidenceView::Refresh(const VeltraneTopic &topic)
{
    m_optionNames.clear();
    m_leads.clear();
    m_figures.reset();
    m_topic = topic;
    showSpreads(topic.RatingSpread(), topic.WeightingSpread());
    if (topic.TotalOptions() > 0 && topic.TotalAttributes() > 0) {
        for (int16_t i = 0; i < topic.TotalOptions(); ++i)
            m_optionNames << topic.GetOptionName(i);
        m_leads = AnalysisArt::LeadersAsShown(topic);
        if (m_runner) {
            m_runner->Request(topic);
            m_figures = m_runner->ResultFor(topic);
        }
    }
    describe();
    m_pacer->Request();
}

void ConfidenceView::showFigures()
{
    if (!isVisible() || !m_topic || !m_runner || m_optionNames.size() != m_topic->TotalOptions())
        return;
    m_figures = m_runner->ResultFor(*m_topic);
    describe();
    m_pacer->Request();
}

void ConfidenceView::describe()
{
    QStringList said;
    if (m_figures && m_figures->Best.size() == m_optionNames.size()) {
        const QString draws = DisplayCountText(m_figures->Draws);
        for (int i = 0; i < int(m_optionNames.size()); ++i)
            said << QStringLiteral("%1 is best in %2 of %3 draws.").arg(m_optionNames[i], DisplayChanceText(m_figures->Best[i]), draws);
    } else if (!m_optionNames.isEmpty()) {
        said << QStringLiteral("Counting the draws\u2026");
    }
    AnalysisArt::Describe(*this, QStringLiteral("Chances of every option"), said.join(u' '));
}

void ConfidenceView::showSpreads(double ratingSpread, double weightingSpread)
{
    for (const auto &[slider, label, spread, weighting] :
         {std::tuple{sldRatingSpread, lblRatingSpread, ratingSpread, false},
          std::tuple{sldWeightingSpread, lblWeightingSpread, weightingSpread, true}}) {
        const QSignalBlocker quiet(slider);
        if (!slider->isSliderDown())
            slider->setValue(qRound(spread * 100));
        label->setText(SpreadCaption(weighting, spread));
    }
}

void ConfidenceView::sliderMoved(QSlider *slider, bool stepEnds)
{
    emit SpreadChanged(slider == sldWeightingSpread, slider->value() / 100.0, stepEnds);
}

void ConfidenceView::placeControls()
{
    const int left = 18;
    for (int row = 0; row < 2; ++row) {
        const int y = 12 + row * 28;
        QLabel *label = row == 0 ? lblRatingSpread : lblWeightingSpread;
        QSlider *slider = row == 0 ? sldRatingSpread : sldWeightingSpread;
        label->setGeometry(left, y, LabelWidth, 24);
        slider->setGeometry(left + LabelWidth + 8, y, std::max(60, std::min(SliderWidth, width() - left - LabelWidth - 26)), 24);
    }
}

void ConfidenceView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeControls();
}

QRectF ConfidenceView::barArea() const
{
    const QRectF inner = QRectF(rect()).adjusted(16, ControlsHeight + 8, -16, -14 - LegendHeight);
    return inner.adjusted(NameColumn + FigureColumn, 0, -8, 0);
}

QRectF ConfidenceView::rowRect(int option) const
{
    const QRectF area = barArea();
    const int count = std::max<int>(1, int(m_optionNames.size()));
    const double pitch = area.height() / count;
    const double height = std::min(MaxBarHeight, pitch * 0.7);
    return QRectF(area.left(), area.top() + pitch * option + (pitch - height) / 2, area.width(), height);
}

QRectF ConfidenceView::segmentRect(int option, int place) const
{
    const QRectF row = rowRect(option);
    const QList<double> &shares = m_figures->Rank[option];
    double before = 0;
    for (int r = 0; r < place; ++r)
        before += shares[r];
    return QRectF(row.left() + row.width() * before, row.top(), row.width() * shares[place], row.height());
}

QString ConfidenceView::ToolTipAt(QPointF point) const
{
    if (!m_figures)
        return {};
    const QString draws = DisplayCountText(m_figures->Draws);
    for (int i = 0; i < int(m_figures->Rank.size()) && i < int(m_optionNames.size()); ++i) {
        for (int r = 0; r < int(m_figures->Rank[i].size()); ++r) {
            if (m_figures->Rank[i][r] <= 0 || !segmentRect(i, r).contains(point))
                continue;
            const QString chance = DisplayChanceText(m_figures->Rank[i][r]);
            return r == 0 ? QStringLiteral("%1 is best in %2 of %3 draws.").arg(m_optionNames[i], chance, draws)
                          : QStringLiteral("%1 comes %2 in %3 of %4 draws.").arg(m_optionNames[i], Ordinal(r), chance, draws);
        }
    }
    return {};
}

bool ConfidenceView::event(QEvent *event)
{
    if (AnalysisArt::AnswerToolTip(*this, event, [this](QPointF point) { return ToolTipAt(point); }))
        return true;
    return QWidget::event(event);
}

void ConfidenceView::paintEvent(QPaintEvent *)
{
    m_pacer->Painted();
    QPainter painter(this);
    AnalysisArt::PaintPanel(painter, QRectF(rect()).adjusted(2, 2, -2, -2));
    if (m_optionNames.isEmpty())
        return;

    const QFont plain = font();
    QFont bold = plain;
    bold.setBold(true);
    const QFont figure = AnalysisArt::Face(FigurePoints, true);
    const QFontMetrics plainMetrics(plain);
    const QFontMetrics boldMetrics(bold);
    const QRectF area = barArea();
    const int options = int(m_optionNames.size());
    const bool counted = m_figures && m_figures->Rank.size() == options;

    for (int i = 0; i < options; ++i) {
        const QRectF row = rowRect(i);
        const bool leads = m_leads.value(i);
        if (leads) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(LeaderWash());
            painter.drawRoundedRect(QRectF(area.left() - NameColumn - FigureColumn + 2, row.top() - 4,
                                           area.width() + NameColumn + FigureColumn + 4, row.height() + 8),
                                    6, 6);
        }
        painter.setPen(QPen(QColor(134, 149, 156), 1));
        painter.setBrush(QColor(246, 249, 252));
        painter.drawRect(row);

        painter.setFont(leads ? bold : plain);
        const QFontMetrics &metrics = leads ? boldMetrics : plainMetrics;
        painter.setPen(Qt::black);
        const QRectF nameBox(area.left() - NameColumn - FigureColumn + 8, row.top(), NameColumn - 12, row.height());
        AnalysisArt::DrawText(painter, nameBox, Qt::AlignRight | Qt::AlignVCenter,
                         metrics.elidedText(m_optionNames[i], Qt::ElideRight, int(nameBox.width())));
        painter.setFont(figure);
        painter.setPen(counted ? AnalysisArt::Navy() : QColor(150, 150, 150));
        const QRectF figureBox(area.left() - FigureColumn, row.top() - 6, FigureColumn - 8, row.height() + 12);
        AnalysisArt::DrawText(painter, figureBox, Qt::AlignRight | Qt::AlignVCenter,
                         counted ? DisplayChanceText(m_figures->Best[i]) : QStringLiteral("\u2026"));
    }

    if (counted) {
        painter.setFont(plain);
        for (int i = 0; i < options; ++i) {
            for (int r = 0; r < options; ++r) {
                const QRectF segment = segmentRect(i, r);
                if (segment.width() <= 0)
                    continue;
                const QColor colour = PlaceColour(r, options);
                painter.fillRect(segment, colour);
                painter.setPen(QPen(Qt::white, 1));
                painter.drawLine(segment.topRight(), segment.bottomRight());
                const QString chance = DisplayChanceText(m_figures->Rank[i][r]);
                if (segment.width() > plainMetrics.horizontalAdvance(chance) + 8) {
                    painter.setPen(TextOn(colour));
                    AnalysisArt::DrawText(painter, segment, Qt::AlignCenter, chance);
                }
            }
            painter.setPen(QPen(QColor(134, 149, 156), 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rowRect(i));
        }
    }

    // The legend: what the colours of a bar stand for, in as many rows as it takes.
    const double left = area.left() - NameColumn - FigureColumn + 12;
    const double right = rect().right() - 12;
    double y = rect().bottom() - 14 - LegendHeight + 10;
    painter.setFont(plain);
    painter.setPen(Qt::black);
    const QString intro = counted ? QStringLiteral("Place in %1 draws:").arg(DisplayCountText(m_figures->Draws))
                                  : QStringLiteral("Counting the draws\u2026");
    painter.drawText(QPointF(left, y + plainMetrics.ascent() / 2.0 - 1), intro);
    if (!counted)
        return;
    double x = left + plainMetrics.horizontalAdvance(intro) + 12;
    for (int r = 0; r < options; ++r) {
        const QString text = Ordinal(r);
        if (x + plainMetrics.horizontalAdvance(text) + 26 > right && x > left) {
            x = left;
            y += 18;
        }
        x += AnalysisArt::PaintLegendEntry(painter, plainMetrics, x, y, PlaceColour(r, options), text);
    }
}
