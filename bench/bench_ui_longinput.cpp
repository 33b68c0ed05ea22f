// SPDX-License-Identifier: GPL-3.0-or-later
// Input far beyond what a person types: a 200,000-character name fitted into a caption.
#include "ui/support/VLabel.h"
#include "ui/support/libmodTextMetrics.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include "WindowBenchMain.h"

namespace {

QString LongName(qsizetype length)
{
    const QString word = QStringLiteral("Laptop with a rather long name ");
    QString name;
    name.reserve(length);
    while (name.size() < length)
        name += word;
    name.truncate(length);
    return name;
}

// One fitting of a 200,000-character caption into a column (the argument is the limit).
void FitLongCaption(benchmark::State &state)
{
    QWidget window;
    auto *fontCalc = new QLineEdit(&window);
    libmodTextMetrics::SetFontCalcControl(fontCalc);
    VLabel label(&window);
    label.setFont(QFont(QStringLiteral("Comic Sans MS"), 8));
    const QString name = LongName(200000);
    for (auto _ : state) {
        state.PauseTiming();
        label.SetCaption(name);
        label.setGeometry(20, 20, 100, 16);
        state.ResumeTiming();
        FitLabelCaption(label, int32_t(state.range(0)));
    }
    state.counters["shown"] = double(label.Caption().size());
    libmodTextMetrics::SetFontCalcControl(nullptr);
}

} // namespace

BENCHMARK(FitLongCaption)->Arg(100)->Arg(600)->Arg(-1)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return RunWindowBenchmarks(argc, argv);
}
