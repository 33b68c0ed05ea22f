// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QVarLengthArray>

class VeltraneTopic;

// What a topic's scores are made of: the stored weightings and ratings, unrounded, and the
// weightings normalised as every score normalises them. The topic's own scores, the stable
// ranges and the confidence draws all score through this one type, so they agree to the
// last bit and a new rule for how a rating counts is written once.
struct ScoreMatrix
{
    // Scores closer than this are taken as tied: far below the three places a score is
    // shown with and any difference a person could make, far above the rounding noise of
    // sums of a few hundred products of values in 0..1 added in another order.
    static constexpr double TieTolerance = 1e-12;

    int Attributes = 0;
    int Options = 0;
    bool Invert = false;
    QVarLengthArray<bool, 16> Against;   // per attribute: rated by hand, lower is better
    QVarLengthArray<double, 16> Stored;  // stored weightings; a single attribute reads 1
    QVarLengthArray<double, 16> Weight;  // normalised, unrounded: what each attribute counts for
    QVarLengthArray<double, 128> Rating; // stored ratings, option by option

    static ScoreMatrix Of(const VeltraneTopic &topic);

    // Whether a higher rating on the attribute counts for less.
    // (InvertWeights turns every attribute around, a lower-is-better one back again).
    bool Reversed(int attribute) const { return Invert != Against[attribute]; }
    // The rating as it counts in a score.
    double Effective(int option, int attribute) const
    {
        const double r = Rating[option * Attributes + attribute];
        return Reversed(attribute) ? 1 - r : r;
    }
    // What the attribute adds to the option's score.
    double Share(int option, int attribute) const { return Weight[attribute] * Effective(option, attribute); }
    // The option's unrounded score.
    double Score(int option) const;

    // Weight made anew from Stored.
    void Normalise();
};
