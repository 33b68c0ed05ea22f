// How long the main window's background takes to paint: it is repainted after every
// layout pass, so while the user drags the window's size.
#include "gfx/PictureBox.h"
#include "gfx/modFormElements.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

struct MainWindowModel
{
    PictureBox window;

    explicit MainWindowModel(QSize size)
    {
        window.resize(size);
        const char *names[] = {"picScoreFrame", "picWeightingFrame", "picRatingFrame"};
        const int height = (size.height() - 80) / 3;
        for (int i = 0; i < 3; ++i) {
            auto *panel = new PictureBox(&window);
            panel->setObjectName(QString::fromLatin1(names[i]));
            panel->setGeometry(10, 45 + i * (height + 10), size.width() - 20, height);
        }
    }
};

void PaintMainBackgroundAt(benchmark::State &state)
{
    MainWindowModel model(QSize(int(state.range(0)), int(state.range(1))));
    for (auto _ : state)
        PaintMainBackground(model.window);
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}

void DecoratePanelAt(benchmark::State &state)
{
    PictureBox panel;
    panel.resize(int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        DecoratePanel(panel);
}

} // namespace

BENCHMARK(PaintMainBackgroundAt)->Args({607, 415})->Args({1920, 1080})->Unit(benchmark::kMillisecond);
BENCHMARK(DecoratePanelAt)->Args({587, 150})->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
