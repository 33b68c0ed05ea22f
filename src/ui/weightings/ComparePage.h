// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MethodPage.h"

#include <utility>
#include <vector>

class QLabel;
class QPushButton;
class QSlider;

// Pairwise comparison: one row per pair of attributes, a slider from "A matters far more"
// through "equal" to "B matters far more" on the 1 to 9 scale. The consistency ratio
// shows as it changes; above 0.10 the page says so, names the judgement that fits the
// others least and offers the value that would fit them.
class ComparePage : public MethodPage
{
    Q_OBJECT

public:
    // Slider positions: -8 (A far more, 9) through 0 (equal) to 8 (B far more, 1/9).
    static constexpr int FarMore = 8;

    ComparePage(const VeltraneTopic &topic, QWidget *parent = nullptr);

    WeightingMethodInputs Inputs() const override;
    QString Problem() const override;

    // Sets the judgement of pair k (in the order of the rows) as its slider would.
    void SetPosition(int pair, int position);
    // Sets the judgement the page names as fitting the others least to the value that fits them.
    void UseFittingValue();

    // The judgement at a slider position, and the position nearest a judgement.
    static double JudgementAt(int position);
    static int PositionOf(double judgement);
    // A judgement of how much more a matters than b, in words: "Price matters strongly more (5 : 1)".
    static QString JudgementWords(double judgement, const QString &a, const QString &b);

    std::vector<QSlider *> sliderPair;
    std::vector<QLabel *> lblPair;
    QLabel *lblConsistency = nullptr;
    QPushButton *btnUseFitting = nullptr;

private:
    void showJudgement(int pair);
    void showConsistency();

    QList<QString> m_names;
    std::vector<std::pair<int, int>> m_pairs; // (row, column), row < column
    QList<QList<double>> m_judgements;
    int m_worstPair = -1;
    double m_fitting = 1;
};
