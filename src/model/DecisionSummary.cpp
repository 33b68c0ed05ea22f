#include "DecisionSummary.h"

#include "model/ScoreMatrix.h"

#include <algorithm>
#include <numeric>

namespace DecisionSummaries {

DecisionSummary Summarise(const VeltraneTopic &topic)
{
    DecisionSummary summary;
    const ScoreMatrix matrix = ScoreMatrix::Of(topic);
    for (int i = 0; i < matrix.Options; ++i)
        summary.Scores << matrix.Score(i);
    const TopicRanges ranges = TopicStability::AllRanges(topic);
    summary.Leader = ranges.Leader;
    summary.WeightingRanges = ranges.Weighting;
    summary.Closest = ranges.Closest;

    // The leader first, as the stability rules decide it (near ties included); the rest by score.
    summary.Order.resize(topic.TotalOptions());
    std::iota(summary.Order.begin(), summary.Order.end(), int16_t(0));
    const QList<double> &scores = summary.Scores;
    const int16_t leader = summary.Leader;
    std::stable_sort(summary.Order.begin(), summary.Order.end(), [&](int16_t a, int16_t b) {
        if ((a == leader) != (b == leader))
            return a == leader;
        return scores[a] > scores[b];
    });
    if (summary.Order.size() > 1) {
        summary.RunnerUp = summary.Order[1];
        summary.Margin = std::max(0.0, scores[leader] - scores[summary.RunnerUp]);
    }
    return summary;
}

QString DecisionSentence(const VeltraneTopic &topic, const DecisionSummary &summary, const NumberText &number)
{
    if (summary.Leader < 0)
        return {};
    const QString best = topic.GetOptionName(summary.Leader);
    const QString score = number(summary.Scores[summary.Leader]);
    if (summary.RunnerUp < 0)
        return QStringLiteral("%1 is the only option, with a score of %2.").arg(best, score);
    const QString second = topic.GetOptionName(summary.RunnerUp);
    if (number(summary.Margin) == number(0))
        return QStringLiteral("%1 and %2 are level with a score of %3; the first in the list counts as best.")
            .arg(best, second, score);
    return QStringLiteral("%1 is best with a score of %2, %3 ahead of %4.").arg(best, score, number(summary.Margin), second);
}

QString ClosestChangeSentence(const VeltraneTopic &topic, const std::optional<SliderChange> &change,
                              const NumberText &number, const ValueText &value)
{
    if (!change)
        return QStringLiteral("No single slider move makes another option best.");
    if (value && !change->IsWeighting && topic.HasValue(change->OptionID, change->AttributeID)) {
        const AttributeScale scale = topic.GetScale(change->AttributeID);
        const double from = topic.GetValue(change->OptionID, change->AttributeID);
        const double to = ValueFunction::ValueOf(scale, change->To);
        return QStringLiteral("The smallest change that makes another option best: %1's %2 from %3 %4 to %5 (%6).")
            .arg(topic.GetOptionName(change->OptionID), topic.GetAttributeName(change->AttributeID),
                 value(from, scale.Unit), to < from ? QStringLiteral("down") : QStringLiteral("up"),
                 value(to, scale.Unit), topic.GetOptionName(change->NewLeader));
    }
    const QString slider = change->IsWeighting
                               ? QStringLiteral("%1 weighting").arg(topic.GetAttributeName(change->AttributeID))
                               : QStringLiteral("%1's %2 rating")
                                     .arg(topic.GetOptionName(change->OptionID), topic.GetAttributeName(change->AttributeID));
    const bool down = change->To < change->From;
    // A move smaller than the numbers show is said in words, not as two equal numbers.
    if (number(change->From) == number(change->To))
        return QStringLiteral("The smallest change that makes another option best: any %1 of %2%3 (%4).")
            .arg(down ? QStringLiteral("decrease") : QStringLiteral("increase"),
                 change->IsWeighting ? QStringLiteral("the ") : QString(), slider,
                 topic.GetOptionName(change->NewLeader));
    return QStringLiteral("The smallest change that makes another option best: %1 from %2 %3 to %4 (%5).")
        .arg(slider, number(change->From), down ? QStringLiteral("down") : QStringLiteral("up"), number(change->To),
             topic.GetOptionName(change->NewLeader));
}

} // namespace DecisionSummaries
