// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/TopicStability.h"
#include "model/VeltraneTopic.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

// The decision in figures, as a report or a script gives it: who is best, by how much, in
// what order the options come, how far the weightings may move, and the closest change.
struct DecisionSummary
{
    QList<double> Scores;        // unrounded, by option
    QList<int16_t> Order;        // option numbers from best to worst; ties keep list order
    int16_t Leader = -1;
    int16_t RunnerUp = -1;       // -1 with one option
    double Margin = 0;           // leader's score minus the runner-up's
    QList<StableRange> WeightingRanges; // by attribute, for the leader
    std::optional<SliderChange> Closest;

    // The place of an option, 1 for the best.
    int Place(int16_t optionID) const { return int(Order.indexOf(optionID)) + 1; }
};

namespace DecisionSummaries {

DecisionSummary Summarise(const VeltraneTopic &topic);

using NumberText = std::function<QString(double)>;
// A measured value in its unit ("1,299 $").
using ValueText = std::function<QString(double value, const QString &unit)>;

// "Car A is best with 0.620, 0.070 ahead of Car B." and the forms for one option and a tie.
QString DecisionSentence(const VeltraneTopic &topic, const DecisionSummary &summary, const NumberText &number);

// "Price weighting from 0.500 down to 0.310 makes Car B best.", or that no single move does.
// With `value`, a rating slider of a cell with a measured value speaks in its unit.
QString ClosestChangeSentence(const VeltraneTopic &topic, const std::optional<SliderChange> &change,
                              const NumberText &number, const ValueText &value = {});

} // namespace DecisionSummaries
