// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MethodPage.h"

#include <vector>

class QSlider;
class QSpinBox;

// Swing: imagine an option that is worst on every attribute; the improvement wanted first
// gets 100 points and every other improvement 0 to 100 against it. One row per attribute
// says what its swing is, with a slider and a box for the points.
class SwingPage : public MethodPage
{
    Q_OBJECT

public:
    SwingPage(const VeltraneTopic &topic, QWidget *parent = nullptr);

    WeightingMethodInputs Inputs() const override;
    QString Problem() const override;

    // Gives the attribute's swing these points (0..100), as its slider would.
    void SetPoints(int attribute, int points);

    // What an attribute's swing runs over, in words.
    static QString SwingRange(const VeltraneTopic &topic, int16_t attribute);

    std::vector<QSlider *> sliderSwing;
    std::vector<QSpinBox *> txtSwing;

private:
    // Kept exactly as given (a topic file may hold 37.5) until the row is changed.
    QList<double> m_points;
};
