// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/TopicStability.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>

class ConfidenceRunner;
struct Confidence;
class TopicDocument;
class VeltraneTopic;
class frmAnalysis;
class frmMain;

// How sure the decision is, in the main window: on every weighting and rating slider the
// stretch of track over which the best option stays the best (marks and a tooltip), on
// the best score bar the margin and the closest change, and the analysis window, which
// follows every refresh. The sliders' accessible names follow along. The confidence
// figures are counted in the background and reach the best bar's tooltip when they are
// in; the spreads they assume are set in the analysis window.
//
// The main window runs Refresh once at the end of each of its refreshes; everything else
// of this feature lives here.
class DecisionInsight : public QObject
{
    Q_OBJECT

public:
    DecisionInsight(frmMain &window, TopicDocument &document);

    // Marks and tooltips of the sliders and the best score bar, then the analysis window.
    // Without ShowStability the marks and tooltips go.
    void Refresh();
    // The confidence figures of the open topic, counted in the background for the best
    // bar's tooltip and the analysis window alike; made on first use.
    ConfidenceRunner &Figures();
    // The analysis window once it was opened; it lives as long as the main window.
    frmAnalysis *Analysis() const;
    // Shows the analysis window, made on first use.
    void ShowAnalysis();
    // The sliders were made anew: their accessible names are given again.
    void SlidersRebuilt() { m_namesSource = 0; }

    // The tooltip of the best score bar: the margin over the runner-up and the smallest
    // single slider move that hands the lead to another option, from the topic's ranges;
    // with the topic's confidence figures, also how often the leader comes out best.
    static QString GoldBarToolTip(const VeltraneTopic &topic, const TopicRanges &ranges,
                                  const Confidence *figures = nullptr);
    // The tooltip of a slider with that stable range, the leader named.
    static QString StableRangeText(const VeltraneTopic &topic, int16_t leader, const StableRange &range);

private:
    // The accessible names of the weighting, rating and score sliders, from the topic's
    // names; namesSource stands for the option names and display form (as the tooltips
    // use them).
    void NameSliders(const VeltraneTopic &topic, size_t namesSource);
    // The best bar's tooltip, with the confidence line once the figures for the topic are in.
    void ShowGoldBarToolTip(const VeltraneTopic &topic, const TopicRanges &ranges, bool show);
    // A spread slider of the analysis window moved: the topic takes the spread and every
    // figure follows; a completed move is one undo step.
    void SetSpread(bool weighting, double spread, bool stepEnds);

    frmMain &m_window;
    TopicDocument &m_document;
    QPointer<ConfidenceRunner> m_figures;
    QPointer<frmAnalysis> m_analysis;
    // What the sliders' accessible names were last made from.
    size_t m_namesSource = 0;
    // The ranges of the last refresh: the best bar's tooltip takes them again when the
    // figures come in.
    std::optional<TopicRanges> m_ranges;
};
