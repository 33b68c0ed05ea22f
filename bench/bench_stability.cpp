// SPDX-License-Identifier: GPL-3.0-or-later
// Every stability range of a full 10 x 10 topic (10 weightings and 100 ratings), one by
// one and all at once as the window takes them, and the closest change over all of them.
#include "model/TopicStability.h"

#include <benchmark/benchmark.h>

namespace {

VeltraneTopic FullTopic(bool normalise)
{
    VeltraneTopic topic;
    topic.SetRounding(3);
    topic.SetTotalAttributes(10);
    topic.SetTotalOptions(10);
    for (int16_t a = 0; a < 10; ++a) {
        topic.pSetWeighting(a, 0.05 + 0.09 * a, false);
        for (int16_t o = 0; o < 10; ++o)
            topic.SetRating(o, a, ((o * 37 + a * 11) % 100) / 99.0);
    }
    topic.SetNormaliseWeights(normalise);
    return topic;
}

void BM_AllRanges(benchmark::State &state)
{
    const VeltraneTopic topic = FullTopic(state.range(0) != 0);
    for (auto _ : state) {
        double total = 0;
        for (int16_t a = 0; a < 10; ++a)
            total += TopicStability::WeightingRange(topic, a).From;
        for (int16_t o = 0; o < 10; ++o) {
            for (int16_t a = 0; a < 10; ++a)
                total += TopicStability::RatingRange(topic, o, a).To;
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_AllRanges)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_AllRangesAtOnce(benchmark::State &state)
{
    const VeltraneTopic topic = FullTopic(state.range(0) != 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(TopicStability::AllRanges(topic));
}
BENCHMARK(BM_AllRangesAtOnce)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ClosestChange(benchmark::State &state)
{
    const VeltraneTopic topic = FullTopic(state.range(0) != 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(TopicStability::ClosestChange(topic));
}
BENCHMARK(BM_ClosestChange)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
