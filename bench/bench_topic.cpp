// What one refresh of the main window costs the topic: every weighting, rating and
// score of a full 10 x 10 matrix read back rounded, and one normalising slider move.
#include "model/VeltraneTopic.h"
#include "support/DecimalRound.h"

#include <benchmark/benchmark.h>

namespace {

VeltraneTopic FullTopic()
{
    VeltraneTopic topic;
    topic.SetRounding(3);
    topic.SetTotalAttributes(10);
    topic.SetTotalOptions(10);
    for (int16_t a = 0; a < 10; ++a) {
        topic.pSetWeighting(a, 0.05 + 0.09 * a, false);
        for (int16_t o = 0; o < 10; ++o)
            topic.SetRating(o, a, (o * 10 + a) / 99.0);
    }
    topic.SetNormaliseWeights(true);
    return topic;
}

void BM_RefreshAllValues(benchmark::State &state)
{
    const VeltraneTopic topic = FullTopic();
    for (auto _ : state) {
        double total = 0;
        for (int16_t a = 0; a < 10; ++a)
            total += topic.GetWeighting(a);
        for (int16_t o = 0; o < 10; ++o) {
            for (int16_t a = 0; a < 10; ++a)
                total += topic.GetRating(o, a);
            total += topic.GetScore(o);
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_RefreshAllValues);

void BM_NormalisingEdit(benchmark::State &state)
{
    VeltraneTopic topic = FullTopic();
    int step = 0;
    for (auto _ : state) {
        ++step;
        topic.SetWeighting(int16_t(step % 10), (step % 100) / 100.0);
    }
}
BENCHMARK(BM_NormalisingEdit);

void BM_RoundDecimal(benchmark::State &state)
{
    double value = 0.123456789;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RoundDecimal(value, 3));
        value += 1e-9;
    }
}
BENCHMARK(BM_RoundDecimal);

} // namespace

BENCHMARK_MAIN();
