// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main() of the benchmarks that build windows: offscreen unless a display is asked for,
// a registry store of their own, the design's fonts, and no prompt that could wait.

#include "support/MsgBox.h"
#include "ui/support/FontSetup.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

inline int RunWindowBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir registry;
    qputenv("VELTRANE_REGISTRY_DIR", QFile::encodeName(registry.path()));
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    SetMsgBoxHandler([](const QString &, int, const QString &) { return int(vbNo); });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
