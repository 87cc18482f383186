// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Cost of the main window's whole tick on the Qt backend: the core, moving the pictures,
// drawing the dots and painting what changed, on whatever platform QT_QPA_PLATFORM names
// (offscreen in the figures of the README). Then the Earth view's tick alone, with its painting,
// while both windows run.

#include "main_window/frmwe.h"
#include "qt/backend.h"
#include "qt/widgets.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

void WindowTick(benchmark::State& state) {
    frmWE w;
    if (state.range(0) == 1)
        w.cmdSyo->Click(); // the outer range: two more planets to move
    w.Show();
    if (!QTest::qWaitForWindowExposed(qtb::WidgetOf(w)))
        state.SkipWithError("window not exposed");
    w.HideScale();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        w.TmrWE_Timer();
        // Paint what the tick changed, as the event loop does before the next tick.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(WindowTick)->Arg(0)->Arg(1)->Repetitions(5)->ReportAggregatesOnly(true);

// The main window's tick runs untimed before each Earth view tick, so that the view has
// something new to show, as it does every 40 ms.
void EarthViewTick(benchmark::State& state) {
    frmWE w;
    if (state.range(0) == 1)
        w.cmdSyo->Click();
    w.Show();
    w.cmdSTR[0]->Click();
    w.cmdTendo->Click();
    w.cmdFrm2->Click();
    frmTendo* v = w.EarthView();
    if (!v || !QTest::qWaitForWindowExposed(qtb::WidgetOf(*v)))
        state.SkipWithError("Earth view not exposed");
    // The ticks come from here, not from the clock.
    w.TmrWE.setInterval(0);
    v->tmrTendo.setInterval(0);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        w.TmrWE_Timer();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        v->tmrTendo_Timer();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(EarthViewTick)->Arg(0)->Arg(1)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qtb::InstallFontSubstitutions();
    qtb::InstallAccessibility();
    qtb::QtBackend backend;
    backend.onBeep = [] {}; // a near-miss may come up: silent
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
