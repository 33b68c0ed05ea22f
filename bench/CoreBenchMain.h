// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main() of the benchmarks that need Qt's core event machinery but no window.

#include <QCoreApplication>

#include <benchmark/benchmark.h>

inline int RunCoreBenchmarks(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
