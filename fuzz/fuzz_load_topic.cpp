// Loads arbitrary bytes as a topic file. A load must never crash; a failed load leaves the
// topic as it was; a loaded topic keeps to the limits and ranges and survives being saved
// and loaded again unchanged, spreads and weighting-method answers included; the answers
// are for its attributes and give weightings that add up to 1; 100 draws of its confidence
// figures add up;
// every stability range, crossover and closest change is finite, within 0..1 and holds the
// value as it stands. Notes of any content, the input read as UTF-16 included, come back
// whole from a save. Scales are valid, every measured value is finite and rated by its
// scale, and both come back from a save.
#include "FuzzSupport.h"
#include "model/TopicConfidence.h"
#include "model/TopicStability.h"
#include "io/INITextValue.h"
#include "io/modLoadSave.h"
#include "io/modParameters.h"
#include "support/MsgBox.h"

#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    StartFuzzApplication(argc, argv);
    SetMsgBoxHandler([](const QString &, int, const QString &) { return int(vbOK); });
    return 0;
}

namespace {

bool isUnit(double value)
{
    return std::isfinite(value) && value >= 0 && value <= 1;
}

bool isOption(int16_t option, const VeltraneTopic &topic)
{
    return option >= -1 && option < topic.TotalOptions();
}

void checkRange(const StableRange &range, double current, const VeltraneTopic &topic)
{
    if (!isUnit(range.From) || !isUnit(range.To) || !(range.From <= current + 1e-9 && current <= range.To + 1e-9)
        || !isOption(range.LeaderBelow, topic) || !isOption(range.LeaderAbove, topic))
        std::abort();
}

void checkStability(const VeltraneTopic &topic)
{
    if (!isOption(TopicStability::Leader(topic), topic) || TopicStability::Leader(topic) < 0)
        std::abort();
    VeltraneTopic exact = topic;
    exact.SetRounding(-1);
    for (int16_t j = 0; j < topic.TotalAttributes(); ++j) {
        checkRange(TopicStability::WeightingRange(topic, j), exact.GetWeighting(j), topic);
        for (int16_t i = 0; i < topic.TotalOptions(); ++i)
            checkRange(TopicStability::RatingRange(topic, i, j), exact.GetRating(i, j), topic);
        for (const Crossover &crossover : TopicStability::WeightingCrossovers(topic, j))
            if (!isUnit(crossover.Value) || !isOption(crossover.Before, topic) || !isOption(crossover.After, topic))
                std::abort();
        for (double score : TopicStability::ScoresAtWeighting(topic, j, 0.5))
            if (!std::isfinite(score))
                std::abort();
    }
    if (const auto change = TopicStability::ClosestChange(topic))
        if (!isUnit(change->From) || !isUnit(change->To) || change->NewLeader < 0
            || change->NewLeader >= topic.TotalOptions())
            std::abort();
}

void checkMeasures(const VeltraneTopic &topic)
{
    VeltraneTopic exact = topic;
    exact.SetRounding(-1);
    for (int16_t j = 0; j < topic.TotalAttributes(); ++j) {
        if (!topic.HasScale(j)) {
            for (int16_t i = 0; i < topic.TotalOptions(); ++i)
                if (topic.HasValue(i, j))
                    std::abort();
            continue;
        }
        const AttributeScale scale = topic.GetScale(j);
        if (!ValueFunction::IsValid(scale) || topic.CountsAgainst(j))
            std::abort();
        for (int16_t i = 0; i < topic.TotalOptions(); ++i) {
            if (topic.HasValue(i, j)
                && (!std::isfinite(topic.GetValue(i, j))
                    || exact.GetRating(i, j) != ValueFunction::RatingOf(scale, topic.GetValue(i, j))))
                std::abort();
        }
    }
}

// Scales, lower-is-better marks and values come back from a save to the last bit.
bool sameMeasures(const VeltraneTopic &a, const VeltraneTopic &b)
{
    for (int16_t j = 0; j < a.TotalAttributes(); ++j) {
        if (a.HasScale(j) != b.HasScale(j) || a.CountsAgainst(j) != b.CountsAgainst(j))
            return false;
        const AttributeScale x = a.GetScale(j), y = b.GetScale(j);
        if (x.Unit != y.Unit || x.Worst != y.Worst || x.Best != y.Best || x.Points.size() != y.Points.size())
            return false;
        for (qsizetype p = 0; p < x.Points.size(); ++p)
            if (x.Points[p] != y.Points[p])
                return false;
        for (int16_t i = 0; i < a.TotalOptions(); ++i)
            if (a.HasValue(i, j) != b.HasValue(i, j) || (a.HasValue(i, j) && a.GetValue(i, j) != b.GetValue(i, j)))
                return false;
    }
    return true;
}

void checkMethodInputs(const VeltraneTopic &topic)
{
    const WeightingMethodInputs &inputs = topic.MethodInputs();
    if (inputs.Kind == WeightingMethodInputs::Method::None) {
        if (inputs != WeightingMethodInputs() || topic.WeightingsMatchMethod())
            std::abort();
        return;
    }
    if (inputs.Count() != topic.TotalAttributes())
        std::abort();
    double sum = 0;
    for (double weight : inputs.Weights()) {
        if (!isUnit(weight))
            std::abort();
        sum += weight;
    }
    if (!(std::abs(sum - 1) < 1e-9))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QString anyNotes(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(anyNotes.data(), data, size / 2 * 2);
    if (INITextValue::Decode(INITextValue::Encode(anyNotes)) != anyNotes)
        std::abort();

    const auto topic = LoadChecked(modLoadSave::LoadTopicFile, QStringLiteral("input.vtp"), data, size,
                                   modParameters::MaxOptions, modParameters::MaxAttributes);
    if (!topic)
        return 0;

    const Confidence confidence = TopicConfidence::Simulate(*topic, 100, TopicConfidence::SeedOf(*topic));
    double best = 0;
    for (qsizetype o = 0; o < confidence.Rank.size(); ++o) {
        best += confidence.Best[o];
        double places = 0;
        for (double share : confidence.Rank[o])
            places += share;
        if (!(std::abs(places - 1) < 1e-9))
            std::abort();
    }
    if (confidence.Best.size() != topic->TotalOptions() || !(std::abs(best - 1) < 1e-9))
        std::abort();

    checkStability(*topic);
    checkMethodInputs(*topic);
    checkMeasures(*topic);

    topic->SetNormaliseWeights(false);
    const QString saved = FuzzFile(QStringLiteral("saved.vtp"), nullptr, 0);
    auto again = std::make_shared<VeltraneTopic>();
    if (!modLoadSave::SaveTopicFile(saved, *topic) || !modLoadSave::LoadTopicFile(saved, again)
        || FuzzTopicSummary(*again) != FuzzTopicSummary(*topic) || again->Description() != topic->Description()
        || again->MethodInputs() != topic->MethodInputs()
        || again->WeightingsMatchMethod() != topic->WeightingsMatchMethod() || !sameMeasures(*again, *topic))
        std::abort();
    return 0;
}
