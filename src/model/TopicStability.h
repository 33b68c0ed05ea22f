// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "VeltraneTopic.h"

#include <QList>

#include <cstdint>
#include <optional>

// How far one slider may move before another option takes the lead.
struct StableRange {
    double From = 0;          // lowest value, 0..1, at which the leader stays the leader
    double To = 1;            // highest value
    int16_t LeaderBelow = -1; // the option that leads just below From; -1 when From is 0
    int16_t LeaderAbove = -1; // the option that leads just above To; -1 when To is 1
};

// The smallest single slider move that hands the lead to another option.
struct SliderChange {
    bool IsWeighting = true;
    int16_t OptionID = -1;    // the rated option; -1 for a weighting
    int16_t AttributeID = -1;
    double From = 0;          // the slider's value now (as the slider would set it)
    double To = 0;            // the boundary value where the lead changes
    int16_t NewLeader = -1;
};

// A value of one attribute's weighting at which the leader changes.
struct Crossover {
    double Value = 0;
    int16_t Before = -1; // leader just below Value
    int16_t After = -1;  // leader just above Value
};

// Every slider's range and the closest change, from one reading of the topic: what the
// window shows after each change.
struct TopicRanges {
    int16_t Leader = -1;             // -1 without options
    QList<double> Scores;            // by option, unrounded: what the leader is decided on
    QList<StableRange> Weighting;    // by attribute
    QList<StableRange> Rating;       // Rating[option * attributes + attribute]
    std::optional<SliderChange> Closest;
};

namespace TopicStability {
int16_t Leader(const VeltraneTopic &topic);
StableRange WeightingRange(const VeltraneTopic &topic, int16_t attributeID);
StableRange RatingRange(const VeltraneTopic &topic, int16_t optionID, int16_t attributeID);

// Every option's unrounded score with the attribute's weighting slider set to the value
// (rescaling the others as the slider would); the chart plots these.
QList<double> ScoresAtWeighting(const VeltraneTopic &topic, int16_t attributeID, double weighting);
// Every change of leader as the attribute's weighting runs from 0 to 1, in rising order.
QList<Crossover> WeightingCrossovers(const VeltraneTopic &topic, int16_t attributeID);
// Over all weighting and rating sliders; none when no move changes the leader.
std::optional<SliderChange> ClosestChange(const VeltraneTopic &topic);
TopicRanges AllRanges(const VeltraneTopic &topic);
}
