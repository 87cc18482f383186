// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Cost of the main window's whole tick: the core, moving the pictures, drawing the dots and
// painting what changed, measured on whatever platform QT_QPA_PLATFORM names (offscreen in the
// figures of the README).

#include "accessibility.h"
#include "fonts.h"
#include "frmwe.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

void WindowTick(benchmark::State& state) {
    frmWE w;
    if (state.range(0) == 1)
        w.cmdSyo->click(); // the outer range: two more planets to move
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        state.SkipWithError("window not exposed");
    w.HideScale();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        w.TmrWE_Timer();
        // Paint what the tick changed, as the event loop does before the next tick.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(WindowTick)->Arg(0)->Arg(1)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    controls::InstallFontSubstitutions();
    controls::InstallAccessibility();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
