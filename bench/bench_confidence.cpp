// SPDX-License-Identifier: GPL-3.0-or-later
// What one refresh of the confidence figures costs: the 10,000 draws the program shows on
// a full 10 x 10 topic, on one core. The target is at most 15 ms.
#include "model/TopicConfidence.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ConfidenceTenByTen(benchmark::State &state)
{
    VeltraneTopic topic;
    topic.SetRounding(3);
    topic.SetTotalAttributes(10);
    topic.SetTotalOptions(10);
    // Close scores, so that the places change often and the ranking does real work.
    for (int16_t a = 0; a < 10; ++a) {
        topic.SetWeighting(a, 0.3 + 0.05 * a);
        for (int16_t o = 0; o < 10; ++o)
            topic.SetRating(o, a, 0.45 + 0.01 * ((o * 7 + a * 3) % 10));
    }
    const uint64_t seed = TopicConfidence::SeedOf(topic);
    for (auto _ : state)
        benchmark::DoNotOptimize(TopicConfidence::Simulate(topic, TopicConfidence::ShownDraws, seed));
}
BENCHMARK(BM_ConfidenceTenByTen)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
