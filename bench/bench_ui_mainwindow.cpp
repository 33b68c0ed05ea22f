// The main window's live work on a full 10 x 10 topic: one slider move with everything it
// sets off (the value stored, every slider and label refreshed, what changed repainted),
// with the stability marks on and off, on a decided topic and on one where every option
// ties (so every step hands over the lead), a repaint of the whole window for
// comparison, the rebuild of the control arrays from 1 x 1 to 10 x 10 and back, and a
// repaint of the sensitivity chart at 800 x 500. The same slider move is also timed with
// the analysis window open on the confidence figures, which are counted in the background
// after every move.
#include "io/modParameters.h"
#include "model/VeltraneTopic.h"
#include "ui/main/MeterSlider.h"
#include "ui/analysis/ConfidenceRunner.h"
#include "ui/analysis/SensitivityChart.h"
#include "ui/analysis/frmAnalysis.h"
#include "ui/main/DecisionInsight.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "WindowBenchMain.h"

#include <memory>

namespace {

// Tied: every option has the same ratings in another order, so all score alike and a
// single step of any rating hands over the lead; every range then moves. Otherwise the
// ratings differ as in a real decision, with one option ahead by 0.12.
std::shared_ptr<VeltraneTopic> MakeTopic(int options, int attributes, bool tied = true)
{
    auto topic = std::make_shared<VeltraneTopic>();
    topic->SetRounding(3);
    topic->SetTotalAttributes(int16_t(attributes));
    topic->SetTotalOptions(int16_t(options));
    for (int i = 0; i < options; ++i) {
        topic->SetOptionName(int16_t(i), QStringLiteral("Laptop %1").arg(i + 1));
        for (int j = 0; j < attributes; ++j)
            topic->SetRating(int16_t(i), int16_t(j),
                             tied ? ((i * 7 + j * 3) % 10) / 10.0 : ((i * 17 + j * 29 + i * j * 7) % 101) / 100.0);
    }
    for (int j = 0; j < attributes; ++j)
        topic->SetAttributeName(int16_t(j), QStringLiteral("Criterion %1").arg(j + 1));
    return topic;
}

frmMain &Window()
{
    static frmMain *window = [] {
        // The window starts on a new topic: without the settings dialog, which would wait.
        modParameters::ShowSettingsOnNew = false;
        modParameters::CurrentTopic = MakeTopic(1, 1);
        auto *created = new frmMain;
        created->Form_Load();
        return created;
    }();
    return *window;
}

void Show(frmMain &window, int options, int attributes, bool tied = true)
{
    modParameters::CurrentTopic = MakeTopic(options, attributes, tied);
    window.UpdateSliderArrays(false);
}

// One key step on the slider per iteration, up and down in turn, and the window painting
// what the step changed: the slider, the numbers, the score bars, an open analysis view.
void MoveBackAndForth(benchmark::State &state, MeterSlider &slider)
{
    bool up = true;
    for (auto _ : state) {
        QKeyEvent key(QEvent::KeyPress, up ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
        QApplication::sendEvent(&slider, &key);
        QApplication::processEvents();
        up = !up;
    }
}

// Arguments: the stability marks on (1) or off (0); a tied (1) or a decided (0) topic.
void SliderMoveOn10x10(benchmark::State &state)
{
    frmMain &window = Window();
    Show(window, 10, 10, state.range(1) != 0);
    window.resize(1000, 760);
    QApplication::processEvents();
    modParameters::ShowStability = state.range(0) != 0;
    window.UpdateSettings();
    const int storesBefore = window.ValueStores();
    MoveBackAndForth(state, *window.sliderRating[45]);
    state.counters["rating"] = modParameters::CurrentTopic->GetRating(4, 5);
    // Values stored into the topic per move: one, the display never rounding a key step.
    state.counters["stores"] =
        benchmark::Counter(window.ValueStores() - storesBefore, benchmark::Counter::kAvgIterations);
    modParameters::ShowStability = true;
}

// The same move on a decided topic whose every attribute is measured (1) or rated by hand
// (0): a measured cell's label shows its value in the unit, its slider's range is told in
// the unit, and each move carries the value along the scale.
void MeasuredSliderMoveOn10x10(benchmark::State &state)
{
    frmMain &window = Window();
    Show(window, 10, 10, false);
    if (state.range(0) != 0) {
        VeltraneTopic &topic = *modParameters::CurrentTopic;
        for (int16_t j = 0; j < 10; ++j) {
            topic.SetScale(j, {QStringLiteral("kg"), j % 2 ? 5.0 : 0.5, j % 2 ? 0.5 : 5.0, {{2.5, 0.4}}});
            for (int16_t i = 0; i < 10; ++i)
                topic.SetValue(i, j, ValueFunction::ValueOf(topic.GetScale(j), topic.GetRating(i, j)));
        }
    }
    window.resize(1000, 760);
    QApplication::processEvents();
    modParameters::ShowStability = true;
    window.UpdateSettings();
    MoveBackAndForth(state, *window.sliderRating[45]);
}

void SliderMoveWhileCounting(benchmark::State &state)
{
    frmMain &window = Window();
    modParameters::ShowStability = true;
    Show(window, 10, 10, state.range(0) != 0);
    window.resize(1000, 760);
    window.btnAnalysis_Click();
    window.Insight->Analysis()->ShowView(2);
    QApplication::processEvents();
    int counted = 0;
    const QMetaObject::Connection counting =
        QObject::connect(&window.Insight->Figures(), &ConfidenceRunner::Ready, [&counted] { ++counted; });
    MoveBackAndForth(state, *window.sliderRating[45]);
    QObject::disconnect(counting);
    window.Insight->Analysis()->close();
    state.counters["figures_shown"] = counted;
}

void SensitivityChartRepaint(benchmark::State &state)
{
    modParameters::CurrentTopic = MakeTopic(10, 10);
    SensitivityChart chart;
    chart.resize(800, 500);
    chart.SetAttribute(3);
    chart.Refresh(*modParameters::CurrentTopic);
    chart.show();
    QApplication::processEvents();
    for (auto _ : state) {
        // What a slider step costs the chart: new lines, then the repaint.
        if (state.range(0) != 0)
            chart.Refresh(*modParameters::CurrentTopic);
        chart.repaint();
    }
}

void WholeWindowRepaint(benchmark::State &state)
{
    frmMain &window = Window();
    Show(window, 10, 10);
    window.resize(1000, 760);
    QApplication::processEvents();
    for (auto _ : state)
        window.repaint();
}

// Rebuilds the arrays for a topic of the second size, starting from the first size.
void UpdateSliderArraysFromTo(benchmark::State &state)
{
    frmMain &window = Window();
    const int from = int(state.range(0));
    const int to = int(state.range(1));
    for (auto _ : state) {
        state.PauseTiming();
        Show(window, from, from);
        modParameters::CurrentTopic = MakeTopic(to, to);
        state.ResumeTiming();
        window.UpdateSliderArrays(false);
    }
}

} // namespace

BENCHMARK(SliderMoveOn10x10)
    ->ArgsProduct({{1, 0}, {0, 1}})
    ->ArgNames({"marks", "tied"})
    ->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(MeasuredSliderMoveOn10x10)->Arg(0)->Arg(1)->ArgName("measured")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(SliderMoveWhileCounting)->Arg(0)->Arg(1)->ArgName("tied")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(WholeWindowRepaint)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(SensitivityChartRepaint)->Arg(0)->Arg(1)->ArgName("refreshed")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(UpdateSliderArraysFromTo)
    ->Args({1, 10})
    ->Args({10, 1})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    return RunWindowBenchmarks(argc, argv);
}
