// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Cost of the simulation core: one orbit step, and the arithmetic of one whole tick.

#include "simulation/design_centres.h"
#include "simulation/step.h"
#include "simulation/tick.h"

#include <benchmark/benchmark.h>

namespace {

void StepBody(benchmark::State& state) {
    sim::Body b{2677.5, 4197.5, 2677.5, 4217.5, 0.172};
    for (auto _ : state) {
        sim::StepBody(5005, 4215, b);
        benchmark::DoNotOptimize(b);
    }
}
BENCHMARK(StepBody);

void CoreTick(benchmark::State& state) {
    sim::State s = state.range(0) == 0 ? sim::testing_data::StartUpState()
                                       : sim::testing_data::OuterRangeState();
    const sim::TickInputs in = sim::testing_data::DesignInputs();
    for (auto _ : state) {
        sim::TickResult r = sim::Tick(s, in);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(CoreTick)->Arg(0)->Arg(1);

} // namespace

BENCHMARK_MAIN();
