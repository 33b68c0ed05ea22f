// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AnalysisView.h"
#include "FramePacer.h"
#include "model/TopicConfidence.h"
#include "model/VeltraneTopic.h"

#include <QList>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <optional>

class ConfidenceRunner;
class QLabel;
class QSlider;

// How likely each option is to be best when every value is a little uncertain: per option
// its share of draws in which it comes out best as a large figure, and a bar split into
// its shares of every place, in the place's colour (a legend names the places). Two
// sliders above say how far every rating and every weighting may be off; moving one asks
// the owner to change the topic (SpreadChanged), which then refreshes the view.
//
// The figures are counted in the background by the runner; until those for the topic as
// it stands are there, the bars stay empty rather than show an older state's.
class ConfidenceView : public QWidget, public AnalysisView
{
    Q_OBJECT

public:
    explicit ConfidenceView(ConfidenceRunner *runner, QWidget *parent = nullptr);

    // Shows the topic's spreads and asks for its figures.
    void Refresh(const VeltraneTopic &topic) override;
    QWidget &Widget() override { return *this; }

    // What is drawn, for the tests: the figures, when those of the current topic are in.
    std::optional<Confidence> Figures() const { return m_figures; }
    QString ToolTipAt(QPointF point) const;

    // Spreads are set in hundredths, 0 to 50.
    QSlider *sldRatingSpread = nullptr;
    QSlider *sldWeightingSpread = nullptr;
    QLabel *lblRatingSpread = nullptr;
    QLabel *lblWeightingSpread = nullptr;

signals:
    // A spread slider moved to spread; StepEnds is false while it is being dragged and
    // true once the move is complete (released, or a key or click step).
    void SpreadChanged(bool Weighting, double Spread, bool StepEnds);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;

private:
    void showFigures();
    // The figures in words, for a screen reader.
    void describe();
    void placeControls();
    void showSpreads(double ratingSpread, double weightingSpread);
    void sliderMoved(QSlider *slider, bool stepEnds);
    QRectF barArea() const;
    QRectF rowRect(int option) const;
    QRectF segmentRect(int option, int place) const;

    QPointer<ConfidenceRunner> m_runner;
    std::optional<VeltraneTopic> m_topic;
    QStringList m_optionNames;
    QList<bool> m_leads; // per option: it shares the lead as the main window shows it
    std::optional<Confidence> m_figures;
    FramePacer *m_pacer = new FramePacer(this);
};
