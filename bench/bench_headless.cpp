// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Cost of the windows' own logic, without any toolkit: the main window's tick on the headless
// backend (the core, the controls' bookkeeping and the recorded dots), alone and with the
// Earth view following it.

#include "controls/headless.h"
#include "main_window/frmwe.h"

#include <benchmark/benchmark.h>

namespace {

void HeadlessTick(benchmark::State& state) {
    controls::HeadlessBackend backend;
    frmWE w;
    if (state.range(0) == 1)
        w.cmdSyo->Click();
    w.Show();
    frmTendo* view = nullptr;
    if (state.range(1) == 1) {
        w.cmdTendo->Click();
        w.cmdFrm2->Click();
        view = w.EarthView();
    }
    for (auto _ : state) {
        w.TmrWE_Timer();
        if (view)
            view->tmrTendo_Timer();
    }
}
// Arguments: range (0 inner, 1 outer), Earth view (0 closed, 1 open).
BENCHMARK(HeadlessTick)->Args({0, 0})->Args({1, 0})->Args({0, 1})->Args({1, 1});

} // namespace

BENCHMARK_MAIN();
