// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecisionInsight.h"

#include "app/TopicDocument.h"
#include "frmMain.h"
#include "io/modParameters.h"
#include "model/DecisionSummary.h"
#include "model/TopicConfidence.h"
#include "model/TopicStability.h"
#include "model/VeltraneTopic.h"
#include "support/VeltraneError.h"
#include "ui/analysis/ConfidenceRunner.h"
#include "ui/analysis/ConfidenceView.h"
#include "ui/analysis/frmAnalysis.h"
#include "ui/main/MeterSlider.h"
#include "ui/support/DisplayNumber.h"
#include "ui/support/MeasureText.h"

#include <QHashFunctions>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

// The smallest step the display form shows: 0.001 or 0.1% at three places.
double smallestShown()
{
    const int places = modParameters::CurrentTopic ? std::max<int>(modParameters::CurrentTopic->Rounding(), 0) : 3;
    return std::pow(10.0, -(modParameters::DisplayAsDecimal ? places : std::max(places, 2)));
}

// What a range's tooltip depends on besides the range: the option names and the display form.
size_t textSource(const VeltraneTopic &topic)
{
    size_t source = qHashMulti(0, modParameters::DisplayAsDecimal, topic.Rounding(), QLocale().name());
    for (int16_t i = 0; i < topic.TotalOptions(); ++i)
        source = qHashMulti(source, topic.GetOptionName(i));
    return source;
}

// A rating slider names its cell: where that cell has a measured value, the range is told
// in the value's unit.
// What a measured cell's range text depends on besides the range: the attribute's name
// and scale.
size_t scaleSource(const VeltraneTopic &topic, int16_t attribute)
{
    if (!topic.HasScale(attribute))
        return 0;
    const AttributeScale scale = topic.GetScale(attribute);
    size_t source = qHashMulti(1, topic.GetAttributeName(attribute), scale.Unit, scale.Worst, scale.Best);
    for (const ValuePoint &point : scale.Points)
        source = qHashMulti(source, point.Value, point.Rating);
    return source;
}

void showRange(MeterSlider &slider, const VeltraneTopic &topic, int16_t leader, const StableRange &range,
               size_t source, int16_t option = -1, int16_t attribute = -1, size_t scale = 0)
{
    slider.SetStableRange(float(range.From * 100), float(range.To * 100));
    const bool measured = scale != 0 && topic.HasValue(option, attribute);
    // One slider's move leaves most other ranges exactly as they were: their text is kept.
    size_t text = qHashMulti(source, leader, range.From, range.To, range.LeaderBelow, range.LeaderAbove);
    if (measured)
        text = qHashMulti(text, scale, topic.GetValue(option, attribute));
    if (slider.ToolTipSource == text && !slider.toolTip().isEmpty())
        return;
    slider.ToolTipSource = text;
    slider.setToolTip(measured ? frmMain::MeasuredRangeText(topic, leader, range, option, attribute)
                               : DecisionInsight::StableRangeText(topic, leader, range));
}

void hideRange(MeterSlider &slider)
{
    slider.ClearStableRange();
    slider.ToolTipSource = 0;
    if (!slider.toolTip().isEmpty())
        slider.setToolTip(QString());
}

} // namespace

QString DecisionInsight::StableRangeText(const VeltraneTopic &topic, int16_t leader, const StableRange &range)
{
    const QString name = topic.GetOptionName(leader);
    if (range.From <= 0 && range.To >= 1)
        return name + QStringLiteral(" stays best anywhere on this slider.");
    const QString zero = DisplayNumberText(0);
    const QString one = DisplayNumberText(1);
    // A range that stops short of an end of the track by less than the display shows: the
    // other option leads only at the end itself, which is said so.
    const bool shortOfZero = range.From > 0 && DisplayNumberText(range.From) == zero;
    const bool shortOfOne = range.To < 1 && DisplayNumberText(range.To) == one;
    const QString from = shortOfZero ? QStringLiteral("just above ") + zero : DisplayNumberText(range.From);
    const QString to = shortOfOne ? QStringLiteral("just below ") + one : DisplayNumberText(range.To);
    QString text = range.From == range.To ? QStringLiteral("%1 is best only at %2.").arg(name, from)
                                          : QStringLiteral("%1 stays best from %2 to %3.").arg(name, from, to);
    if (range.LeaderBelow >= 0)
        text += (shortOfZero ? QStringLiteral(" At %1, %2 is best.") : QStringLiteral(" Below %1, %2 is best."))
                    .arg(shortOfZero ? zero : from, topic.GetOptionName(range.LeaderBelow));
    if (range.LeaderAbove >= 0)
        text += (shortOfOne ? QStringLiteral(" At %1, %2 is best.") : QStringLiteral(" Above %1, %2 is best."))
                    .arg(shortOfOne ? one : to, topic.GetOptionName(range.LeaderAbove));
    return text;
}

QString DecisionInsight::GoldBarToolTip(const VeltraneTopic &topic, const TopicRanges &ranges, const Confidence *figures)
{
    if (topic.TotalOptions() < 2)
        return topic.TotalOptions() == 1 ? topic.GetOptionName(0) + QStringLiteral(" is the only option.") : QString();
    const QList<double> &scores = ranges.Scores;
    const int16_t leader = ranges.Leader;
    const std::optional<SliderChange> &change = ranges.Closest;
    int16_t runnerUp = -1;
    for (int16_t i = 0; i < topic.TotalOptions(); ++i) {
        if (i != leader && (runnerUp < 0 || scores[i] > scores[runnerUp]))
            runnerUp = i;
    }
    const double margin = scores[leader] - scores[runnerUp];
    // A lead or a move smaller than the display form shows is said in words: two equal
    // numbers would read as no lead, or as no move.
    const QString zero = DisplayNumberText(0);
    QString text;
    if (margin <= 0)
        text = QStringLiteral("Level with %1; the first in the list counts as best.").arg(topic.GetOptionName(runnerUp));
    else if (DisplayNumberText(margin) == zero)
        text = QStringLiteral("Level with %1 as shown; ahead of it by less than %2.")
                   .arg(topic.GetOptionName(runnerUp), DisplayNumberText(smallestShown()));
    else
        text = QStringLiteral("Best by %1 ahead of %2.").arg(DisplayNumberText(margin), topic.GetOptionName(runnerUp));

    text += u' ' + DecisionSummaries::ClosestChangeSentence(topic, change, DisplayNumberText, MeasureText);
    if (figures && figures->Best.size() == topic.TotalOptions()) {
        text += QStringLiteral("\nBest in %1 of %2 draws when every rating may be off by \u00B1%3 and every weighting by \u00B1%4")
                    .arg(DisplayChanceText(figures->Best[leader]), DisplayCountText(figures->Draws),
                         DisplayNumberText(topic.RatingSpread()), DisplayNumberText(topic.WeightingSpread()));
    }
    return text;
}

DecisionInsight::DecisionInsight(frmMain &window, TopicDocument &document)
    : QObject(&window), m_window(window), m_document(document)
{
}

ConfidenceRunner &DecisionInsight::Figures()
{
    if (!m_figures) {
        m_figures = new ConfidenceRunner(this);
        connect(m_figures, &ConfidenceRunner::Ready, this, [this] {
            const std::shared_ptr<VeltraneTopic> &topic = m_document.Topic();
            // The ranges of the last refresh are those of the topic as it stands: every
            // change refreshes.
            if (topic && m_ranges && m_ranges->Leader >= 0 && modParameters::ShowStability)
                ShowGoldBarToolTip(*topic, *m_ranges, true);
        });
    }
    return *m_figures;
}

void DecisionInsight::ShowGoldBarToolTip(const VeltraneTopic &topic, const TopicRanges &ranges, bool show)
{
    std::optional<Confidence> figures;
    if (show && topic.TotalOptions() > 1) {
        Figures().Request(topic);
        figures = Figures().ResultFor(topic);
    }
    const QString tip = show ? GoldBarToolTip(topic, ranges, figures ? &*figures : nullptr) : QString();
    const std::vector<MeterSlider *> &bars = m_window.sliderScore;
    for (int16_t i = 0; i < int16_t(bars.size()); ++i) {
        const QString shown = i == ranges.Leader ? tip : QString();
        if (bars[i]->toolTip() != shown)
            bars[i]->setToolTip(shown);
    }
}

void DecisionInsight::SetSpread(bool weighting, double spread, bool stepEnds)
{
    const std::shared_ptr<VeltraneTopic> &current = m_document.Topic();
    if (!current || m_window.IsLoading)
        return;
    VeltraneTopic &topic = *current;
    if ((weighting ? topic.WeightingSpread() : topic.RatingSpread()) != spread) {
        if (weighting)
            topic.SetWeightingSpread(spread);
        else
            topic.SetRatingSpread(spread);
        m_document.Report(TopicDocument::Spreads);
        Refresh();
    }
    if (stepEnds)
        m_window.RecordStep(weighting ? QStringLiteral("Change Weighting Spread") : QStringLiteral("Change Rating Spread"));
}

void DecisionInsight::NameSliders(const VeltraneTopic &topic, size_t namesSource)
{
    const frmMain &w = m_window;
    size_t source = qHashMulti(0, w.sliderWeighting.size(), w.sliderRating.size(), w.sliderScore.size());
    for (int16_t j = 0; j < topic.TotalAttributes(); ++j)
        source = qHashMulti(source, topic.GetAttributeName(j));
    source = qHashMulti(source, namesSource);
    if (source == m_namesSource)
        return;
    m_namesSource = source;
    const auto name = [](MeterSlider &slider, const QString &text) {
        if (slider.accessibleName() != text)
            slider.setAccessibleName(text);
    };
    const int16_t A = topic.TotalAttributes();
    const int16_t O = topic.TotalOptions();
    for (int16_t j = 0; j < A && size_t(j) < w.sliderWeighting.size(); ++j)
        name(*w.sliderWeighting[j], QStringLiteral("Weighting of %1").arg(topic.GetAttributeName(j)));
    for (int16_t k = 0; k < A * O && size_t(k) < w.sliderRating.size(); ++k)
        name(*w.sliderRating[k], QStringLiteral("Rating of %1 on %2")
                                     .arg(topic.GetOptionName(w.GetOptionIDFromIndex(k)),
                                          topic.GetAttributeName(w.GetAttributeIDFromIndex(k))));
    for (int16_t i = 0; i < O && size_t(i) < w.sliderScore.size(); ++i)
        name(*w.sliderScore[i], QStringLiteral("Score of %1").arg(topic.GetOptionName(i)));
}

void DecisionInsight::Refresh()
{
    const std::shared_ptr<VeltraneTopic> keep = m_document.Topic();
    if (!keep)
        return;
    const VeltraneTopic &topic = *keep;
    const frmMain &w = m_window;
    // The names a screen reader speaks follow the same renames as the tooltips.
    const size_t source = textSource(topic);
    NameSliders(topic, source);
    const int16_t A = topic.TotalAttributes();
    const int16_t O = topic.TotalOptions();
    const bool show = modParameters::ShowStability && A > 0 && O > 0;

    try {
        m_ranges = show ? TopicStability::AllRanges(topic) : TopicRanges();
        const TopicRanges &all = *m_ranges;
        for (int16_t j = 0; j < int16_t(w.sliderWeighting.size()); ++j) {
            // A single attribute's weighting is fixed at 1: its slider has nothing to say.
            if (show && j < A && A > 1)
                showRange(*w.sliderWeighting[j], topic, all.Leader, all.Weighting[j], source);
            else
                hideRange(*w.sliderWeighting[j]);
        }
        QVarLengthArray<size_t, 16> scales(A);
        for (int16_t j = 0; j < A; ++j)
            scales[j] = scaleSource(topic, j);
        for (int16_t k = 0; k < int16_t(w.sliderRating.size()); ++k) {
            if (show && k < A * O)
                showRange(*w.sliderRating[k], topic, all.Leader, all.Rating[k], source, w.GetOptionIDFromIndex(k),
                          w.GetAttributeIDFromIndex(k), scales[w.GetAttributeIDFromIndex(k)]);
            else
                hideRange(*w.sliderRating[k]);
        }
        ShowGoldBarToolTip(topic, all, show);
    } catch (const VeltraneError &) {
        // Only while the arrays and the topic disagree (in the middle of a rebuild); the
        // refresh that ends the rebuild brings the marks back.
        m_ranges.reset();
        for (MeterSlider *slider : w.sliderWeighting)
            hideRange(*slider);
        for (MeterSlider *slider : w.sliderRating)
            hideRange(*slider);
    }

    if (m_analysis)
        m_analysis->Refresh(topic);
}

frmAnalysis *DecisionInsight::Analysis() const
{
    return m_analysis;
}

void DecisionInsight::ShowAnalysis()
{
    if (!m_analysis) {
        m_analysis = new frmAnalysis(&m_window, modParameters::ProductTitle, &Figures());
        connect(m_analysis->Chances, &ConfidenceView::SpreadChanged, this, &DecisionInsight::SetSpread);
        // The place and size are the program's settings, kept for the next start.
        connect(m_analysis, &frmAnalysis::Placed, this, [](const QRect &twips) {
            modParameters::AnalysisLeft = twips.left();
            modParameters::AnalysisTop = twips.top();
            modParameters::AnalysisWidth = twips.width();
            modParameters::AnalysisHeight = twips.height();
        });
    }
    if (const std::shared_ptr<VeltraneTopic> &topic = m_document.Topic())
        m_analysis->Refresh(*topic);
    using namespace modParameters;
    m_analysis->ShowBeside(m_window, QRect(AnalysisLeft, AnalysisTop, AnalysisWidth, AnalysisHeight));
}
