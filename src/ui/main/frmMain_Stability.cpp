// SPDX-License-Identifier: GPL-3.0-or-later
// How sure the decision is, in the main window: on every weighting and rating slider the
// stretch of track over which the best option stays the best (marks and a tooltip), on
// the best score bar the margin and the closest change, and the analysis window, which
// follows every refresh. The sliders' accessible names follow along. The confidence figures
// are counted in the background and reach the best bar's tooltip when they are in; the
// spreads they assume are set in the analysis window.

#include "frmMain.h"

#include "app/modStartup.h"
#include "io/modParameters.h"
#include "model/DecisionSummary.h"
#include "model/TopicConfidence.h"
#include "model/TopicStability.h"
#include "model/VeltraneTopic.h"
#include "support/VeltraneError.h"
#include "ui/analysis/ConfidenceRunner.h"
#include "ui/analysis/ConfidenceView.h"
#include "ui/analysis/frmAnalysis.h"
#include "ui/main/ImageButton.h"
#include "ui/main/MeterSlider.h"
#include "ui/support/DisplayNumber.h"
#include "ui/support/MeasureText.h"

#include <QHashFunctions>
#include <QLocale>

#include <algorithm>

namespace {

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
                               : frmMain::StableRangeText(topic, leader, range));
}

void hideRange(MeterSlider &slider)
{
    slider.ClearStableRange();
    slider.ToolTipSource = 0;
    if (!slider.toolTip().isEmpty())
        slider.setToolTip(QString());
}

} // namespace

QString frmMain::StableRangeText(const VeltraneTopic &topic, int16_t leader, const StableRange &range)
{
    const QString name = topic.GetOptionName(leader);
    if (range.From <= 0 && range.To >= 1)
        return name + QStringLiteral(" stays best anywhere on this slider.");
    const QString from = FormatNumberForDisplay(range.From);
    const QString to = FormatNumberForDisplay(range.To);
    QString text = range.From == range.To ? QStringLiteral("%1 is best only at %2.").arg(name, from)
                                          : QStringLiteral("%1 stays best from %2 to %3.").arg(name, from, to);
    if (range.LeaderBelow >= 0)
        text += QStringLiteral(" Below %1, %2 is best.").arg(from, topic.GetOptionName(range.LeaderBelow));
    if (range.LeaderAbove >= 0)
        text += QStringLiteral(" Above %1, %2 is best.").arg(to, topic.GetOptionName(range.LeaderAbove));
    return text;
}

QString frmMain::GoldBarToolTip(const VeltraneTopic &topic, const TopicRanges &ranges, const Confidence *Figures)
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
    QString text = margin > 0 ? QStringLiteral("Best by %1 ahead of %2.")
                                    .arg(FormatNumberForDisplay(margin), topic.GetOptionName(runnerUp))
                              : QStringLiteral("Level with %1; the first in the list counts as best.")
                                    .arg(topic.GetOptionName(runnerUp));

    text += u' ' + DecisionSummaries::ClosestChangeSentence(topic, change, FormatNumberForDisplay, MeasureText);
    if (Figures && Figures->Best.size() == topic.TotalOptions()) {
        text += QStringLiteral("\nBest in %1 of %2 draws when every rating may be off by \u00B1%3 and every weighting by \u00B1%4")
                    .arg(DisplayChanceText(Figures->Best[leader]), DisplayCountText(Figures->Draws),
                         FormatNumberForDisplay(topic.RatingSpread()), FormatNumberForDisplay(topic.WeightingSpread()));
    }
    return text;
}

ConfidenceRunner &frmMain::ConfidenceFigures()
{
    if (!Figures) {
        Figures = new ConfidenceRunner(this);
        connect(Figures, &ConfidenceRunner::Ready, this, [this] {
            const std::shared_ptr<VeltraneTopic> topic = modParameters::CurrentTopic;
            if (topic && modParameters::ShowStability && topic->TotalOptions() > 0 && topic->TotalAttributes() > 0) {
                ShowGoldBarToolTip(*topic, TopicStability::AllRanges(*topic), true);
            }
        });
    }
    return *Figures;
}

void frmMain::ShowGoldBarToolTip(const VeltraneTopic &topic, const TopicRanges &ranges, bool show)
{
    std::optional<Confidence> figures;
    if (show && topic.TotalOptions() > 1) {
        ConfidenceFigures().Request(topic);
        figures = ConfidenceFigures().ResultFor(topic);
    }
    const QString tip = show ? GoldBarToolTip(topic, ranges, figures ? &*figures : nullptr) : QString();
    for (int16_t i = 0; i < int16_t(sliderScore.size()); ++i) {
        const QString shown = i == ranges.Leader ? tip : QString();
        if (sliderScore[i]->toolTip() != shown)
            sliderScore[i]->setToolTip(shown);
    }
}

void frmMain::SetSpread(bool Weighting, double Spread, bool StepEnds)
{
    if (!modParameters::CurrentTopic || IsLoading)
        return;
    VeltraneTopic &topic = *modParameters::CurrentTopic;
    if ((Weighting ? topic.WeightingSpread() : topic.RatingSpread()) != Spread) {
        if (Weighting)
            topic.SetWeightingSpread(Spread);
        else
            topic.SetRatingSpread(Spread);
        modStartup::MarkTopicChanged();
        RefreshStability();
    }
    if (StepEnds)
        RecordStep(Weighting ? QStringLiteral("Change Weighting Spread") : QStringLiteral("Change Rating Spread"));
}

void frmMain::NameSliders(const VeltraneTopic &topic, size_t namesSource)
{
    size_t source = qHashMulti(0, sliderWeighting.size(), sliderRating.size(), sliderScore.size());
    for (int16_t j = 0; j < topic.TotalAttributes(); ++j)
        source = qHashMulti(source, topic.GetAttributeName(j));
    source = qHashMulti(source, namesSource);
    if (source == SliderNamesSource)
        return;
    SliderNamesSource = source;
    const auto name = [](MeterSlider &slider, const QString &text) {
        if (slider.accessibleName() != text)
            slider.setAccessibleName(text);
    };
    const int16_t A = topic.TotalAttributes();
    const int16_t O = topic.TotalOptions();
    for (int16_t j = 0; j < A && size_t(j) < sliderWeighting.size(); ++j)
        name(*sliderWeighting[j], QStringLiteral("Weighting of %1").arg(topic.GetAttributeName(j)));
    for (int16_t k = 0; k < A * O && size_t(k) < sliderRating.size(); ++k)
        name(*sliderRating[k], QStringLiteral("Rating of %1 on %2")
                                   .arg(topic.GetOptionName(GetOptionIDFromIndex(k)),
                                        topic.GetAttributeName(GetAttributeIDFromIndex(k))));
    for (int16_t i = 0; i < O && size_t(i) < sliderScore.size(); ++i)
        name(*sliderScore[i], QStringLiteral("Score of %1").arg(topic.GetOptionName(i)));
}

void frmMain::RefreshStability()
{
    const std::shared_ptr<VeltraneTopic> keep = modParameters::CurrentTopic;
    if (!keep)
        return;
    const VeltraneTopic &topic = *keep;
    // The names a screen reader speaks follow the same renames as the tooltips.
    const size_t source = textSource(topic);
    NameSliders(topic, source);
    const int16_t A = topic.TotalAttributes();
    const int16_t O = topic.TotalOptions();
    const bool show = modParameters::ShowStability && A > 0 && O > 0;

    try {
        const TopicRanges all = show ? TopicStability::AllRanges(topic) : TopicRanges();
        for (int16_t j = 0; j < int16_t(sliderWeighting.size()); ++j) {
            // A single attribute's weighting is fixed at 1: its slider has nothing to say.
            if (show && j < A && A > 1)
                showRange(*sliderWeighting[j], topic, all.Leader, all.Weighting[j], source);
            else
                hideRange(*sliderWeighting[j]);
        }
        QVarLengthArray<size_t, 16> scales(A);
        for (int16_t j = 0; j < A; ++j)
            scales[j] = scaleSource(topic, j);
        for (int16_t k = 0; k < int16_t(sliderRating.size()); ++k) {
            const int16_t j = GetAttributeIDFromIndex(k);
            if (show && k < A * O)
                showRange(*sliderRating[k], topic, all.Leader, all.Rating[k], source, GetOptionIDFromIndex(k), j,
                          scales[j]);
            else
                hideRange(*sliderRating[k]);
        }
        ShowGoldBarToolTip(topic, all, show);
    } catch (const VeltraneError &) {
        // Only while the arrays and the topic disagree (in the middle of a rebuild); the
        // refresh that ends the rebuild brings the marks back.
        for (MeterSlider *slider : sliderWeighting)
            hideRange(*slider);
        for (MeterSlider *slider : sliderRating)
            hideRange(*slider);
    }

    if (Analysis)
        Analysis->Refresh();
}

void frmMain::btnAnalysis_Click()
{
    if (!Analysis) {
        Analysis = new frmAnalysis(this, &ConfidenceFigures());
        connect(Analysis->Chances, &ConfidenceView::SpreadChanged, this, &frmMain::SetSpread);
        // Offset from the main window's corner, so that both can be seen at first.
        const QRect main = frameGeometry();
        Analysis->move(main.left() + 40, main.top() + 60);
    }
    Analysis->show();
    Analysis->raise();
    Analysis->activateWindow();
}
