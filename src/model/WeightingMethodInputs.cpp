// SPDX-License-Identifier: GPL-3.0-or-later
#include "WeightingMethodInputs.h"

#include "WeightingMethods.h"

#include <algorithm>

namespace {

constexpr std::pair<WeightingMethodInputs::Method, const char *> Names[] = {
    {WeightingMethodInputs::Method::Rank, "Rank"},
    {WeightingMethodInputs::Method::Swing, "Swing"},
    {WeightingMethodInputs::Method::Compare, "Compare"},
};

// Dense ranks 1, 2, ... in the same order, ties kept: what is left after a deletion
// reads as a ranking a person could have made.
void CloseRankGaps(QList<int> &ranks)
{
    QList<int> distinct = ranks;
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    for (int &rank : ranks)
        rank = int(std::lower_bound(distinct.cbegin(), distinct.cend(), rank) - distinct.cbegin()) + 1;
}

} // namespace

qsizetype WeightingMethodInputs::Count() const
{
    switch (Kind) {
    case Method::Rank:
        return Ranks.size();
    case Method::Swing:
        return Points.size();
    case Method::Compare:
        return Judgements.size();
    case Method::None:
        break;
    }
    return 0;
}

QList<double> WeightingMethodInputs::Weights() const
{
    switch (Kind) {
    case Method::Rank:
        return WeightingMethods::RankOrderCentroid(Ranks);
    case Method::Swing:
        return WeightingMethods::Swing(Points);
    case Method::Compare:
        return WeightingMethods::Pairwise(Judgements).Weights;
    case Method::None:
        break;
    }
    return {};
}

void WeightingMethodInputs::AddAttribute()
{
    switch (Kind) {
    case Method::Rank:
        Ranks.append(Ranks.isEmpty() ? 1 : *std::max_element(Ranks.cbegin(), Ranks.cend()) + 1);
        break;
    case Method::Swing:
        Points.append(0);
        break;
    case Method::Compare:
        for (QList<double> &row : Judgements)
            row.append(1);
        Judgements.append(QList<double>(Judgements.size() + 1, 1.0));
        break;
    case Method::None:
        break;
    }
}

void WeightingMethodInputs::DeleteAttribute(qsizetype index)
{
    if (index < 0 || index >= Count())
        return;
    switch (Kind) {
    case Method::Rank:
        Ranks.removeAt(index);
        CloseRankGaps(Ranks);
        break;
    case Method::Swing:
        Points.removeAt(index);
        break;
    case Method::Compare:
        Judgements.removeAt(index);
        for (QList<double> &row : Judgements)
            row.removeAt(index);
        break;
    case Method::None:
        break;
    }
    const bool spent = Count() == 0 || (Kind == Method::Compare && Count() < 2)
                       || (Kind == Method::Swing && std::all_of(Points.cbegin(), Points.cend(),
                                                                [](double points) { return points == 0; }));
    if (spent)
        *this = {};
}

QString WeightingMethodInputs::MethodName(Method method)
{
    for (const auto &[named, name] : Names)
        if (named == method)
            return QLatin1String(name);
    return {};
}

std::optional<WeightingMethodInputs::Method> WeightingMethodInputs::MethodFromName(const QString &name)
{
    for (const auto &[named, text] : Names)
        if (name.compare(QLatin1String(text), Qt::CaseInsensitive) == 0)
            return named;
    return std::nullopt;
}
