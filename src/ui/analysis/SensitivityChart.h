// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AnalysisView.h"
#include "FramePacer.h"
#include "model/TopicStability.h"
#include "model/VeltraneTopic.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <optional>

class QCheckBox;
class QComboBox;

// Every option's score (0..1) against one attribute's weighting (0..1), as moving that
// attribute's slider would set it: a line per option in its own colour, named at its
// right end; the best option's stretch underlaid in the gold of the best score; the
// current weighting as a dashed vertical line; every change of leader marked with its
// value. The attribute is picked in the box at the top.
class SensitivityChart : public QWidget, public AnalysisView
{
    Q_OBJECT

public:
    explicit SensitivityChart(QWidget *parent = nullptr);

    // The attribute shown; out-of-range values are moved into range at the next refresh.
    int16_t Attribute() const { return m_attribute; }
    void SetAttribute(int16_t attributeID);

    // Names, the lines and the crossovers of the topic.
    void Refresh(const VeltraneTopic &topic) override;
    QWidget &Widget() override { return *this; }

    // What is drawn, for the tests and the benchmark.
    double CurrentWeighting() const { return m_current; }
    QList<Crossover> Crossovers() const { return m_crossovers; }
    // The weightings at which the lines are evaluated, and every option's score there.
    QList<double> SampleWeightings() const { return m_samples; }
    QList<QList<double>> SampleScores() const { return m_scores; }

    // The score axis: fitted to the lines (with a margin, on round steps), or the whole
    // scale from 0 to 1 while chkFullScale is ticked.
    struct Axis
    {
        double Low = 0;
        double High = 1;
        double Step = 0.25;
    };
    Axis ScoreAxis() const;

    QComboBox *cboAttribute = nullptr;
    QCheckBox *chkFullScale = nullptr;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QRectF plotArea() const;
    void syncAttributeBox(const QStringList &names);
    int16_t leaderAt(int sample) const;

    void refresh();

    std::optional<VeltraneTopic> m_topic;
    int16_t m_attribute = 0;
    double m_current = 0;
    QString m_attributeName;
    QStringList m_optionNames;
    QList<double> m_samples;
    QList<QList<double>> m_scores; // [sample][option]
    QList<Crossover> m_crossovers;
    int16_t m_leaderNow = -1;
    QList<bool> m_leads; // per option: it shares the lead now, as the main window shows it
    FramePacer *m_pacer = new FramePacer(this);
};
