// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

// What a person answered to the weighting method they applied last: a rank, a swing's
// points or a row of pairwise judgements per attribute, in attribute order. Kept with the
// topic so that the answers can be seen and changed again later.
struct WeightingMethodInputs
{
    enum class Method : int8_t { None, Rank, Swing, Compare };

    Method Kind = Method::None;
    QList<int> Ranks;                 // Rank: 1 = most important, ties allowed
    QList<double> Points;             // Swing: 0..100 each
    QList<QList<double>> Judgements;  // Compare: n x n, reciprocal

    bool operator==(const WeightingMethodInputs &) const = default;

    // The number of attributes the answers are for; 0 without a method.
    qsizetype Count() const;
    // The weightings the answers give, adding up to 1; empty without a method. Answers
    // that break the method's rules raise the invalid-procedure-call error.
    QList<double> Weights() const;

    // The answers follow the topic's attributes: a new attribute comes last in the
    // ranking, with no points, and equal to every other; a deleted one takes its answers
    // with it. Answers that can no longer give weightings (a single attribute left to
    // compare, no points left) are dropped.
    void AddAttribute();
    void DeleteAttribute(qsizetype index);

    // "Rank", "Swing", "Compare"; the empty text for None.
    static QString MethodName(Method method);
    static std::optional<Method> MethodFromName(const QString &name);
};
