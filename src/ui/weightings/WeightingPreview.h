// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/VeltraneTopic.h"

#include <QList>
#include <QString>
#include <QWidget>

// What applying a method's answers would do, before anything changes: every attribute's
// weighting as the main window would then show it (beside a mark at its weighting now),
// and which option would then be best, with its score.
class WeightingPreview : public QWidget
{
    Q_OBJECT

public:
    explicit WeightingPreview(const VeltraneTopic &topic, QWidget *parent = nullptr);

    // Shows the answers' effect; answers that cannot give weightings show the problem instead.
    void Show(const WeightingMethodInputs &inputs, const QString &problem = {});

    // What is shown: empty weightings while a problem is shown.
    const QList<double> &Weightings() const { return m_weightings; }
    int16_t BestOption() const { return m_best; }
    double BestScore() const { return m_bestScore; }
    const QString &ShownProblem() const { return m_problem; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void describe();

    VeltraneTopic m_topic;
    QList<double> m_now;
    int16_t m_bestNow = -1;
    QList<double> m_weightings;
    int16_t m_best = -1;
    double m_bestScore = 0;
    QString m_problem;
};
