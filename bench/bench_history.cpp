// SPDX-License-Identifier: GPL-3.0-or-later
// What one undo step costs on a full 10 x 10 topic: the change, its record in the
// history (compare, copy, limits), and taking it back and doing it again. The budget is
// 50 microseconds a step.
#include "model/TopicHistory.h"

#include <benchmark/benchmark.h>

namespace {

VeltraneTopic FullTopic()
{
    VeltraneTopic topic;
    topic.SetRounding(3);
    topic.SetTitle(QStringLiteral("Which car to buy"));
    topic.SetTotalAttributes(10);
    topic.SetTotalOptions(10);
    for (int16_t a = 0; a < 10; ++a) {
        topic.SetAttributeName(a, QStringLiteral("Attribute name %1").arg(a));
        topic.pSetWeighting(a, 0.05 + 0.09 * a, false);
        for (int16_t o = 0; o < 10; ++o)
            topic.SetRating(o, a, (o * 10 + a) / 99.0);
    }
    for (int16_t o = 0; o < 10; ++o)
        topic.SetOptionName(o, QStringLiteral("Option name %1").arg(o));
    return topic;
}

// A full history, so that every record also drops the oldest step.
void BM_RecordRatingStep(benchmark::State &state)
{
    VeltraneTopic topic = FullTopic();
    TopicHistory history;
    history.Clear(topic);
    int step = 0;
    for (auto _ : state) {
        ++step;
        topic.SetRating(int16_t(step % 10), int16_t(step / 10 % 10), (step % 1000) / 1000.0);
        benchmark::DoNotOptimize(history.Record(topic, QStringLiteral("Change Rating")));
    }
    state.counters["steps"] = double(history.UndoSteps());
}
BENCHMARK(BM_RecordRatingStep);

void BM_UndoRedo(benchmark::State &state)
{
    VeltraneTopic topic = FullTopic();
    TopicHistory history;
    history.Clear(topic);
    for (int step = 1; step <= 100; ++step) {
        topic.SetRating(int16_t(step % 10), 0, step / 100.0);
        history.Record(topic, QStringLiteral("Change Rating"));
    }
    for (auto _ : state) {
        history.Undo(topic);
        history.Redo(topic);
        benchmark::DoNotOptimize(topic.GetRating(0, 0));
    }
}
BENCHMARK(BM_UndoRedo);

} // namespace

BENCHMARK_MAIN();
