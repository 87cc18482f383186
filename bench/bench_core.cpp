// Cost of the simulation core: one orbit step, and the arithmetic of one whole tick.

#include "init.h"
#include "step.h"
#include "tick.h"

#include <benchmark/benchmark.h>

namespace {

sim::State StartUp() {
    sim::State s;
    s.ComXnp = -5;
    s.ComYnp = 4;
    sim::PictureCentres c;
    c.Sun = {5005, 4215};
    c.Eth = {2677.5, 4217.5};
    c.Mon = {2519, 4210};
    c.Mrc = {4053, 4220};
    c.Vns = {3381, 4210};
    c.Mas = {1645, 4205};
    c.Jup = {8090, 4240};
    c.Sat = {9580, 4205};
    c.Com = {10530, 7030};
    sim::InitBodies(s, c);
    sim::StartUpFlags(s);
    return s;
}

void StepBody(benchmark::State& state) {
    sim::Body b{2677.5, 4197.5, 2677.5, 4217.5, 0.172};
    for (auto _ : state) {
        sim::StepBody(5005, 4215, b);
        benchmark::DoNotOptimize(b);
    }
}
BENCHMARK(StepBody);

void CoreTick(benchmark::State& state) {
    sim::State s = StartUp();
    s.yo = state.range(0) == 0; // 0: inner range, 1: outer range with Jupiter and Saturn
    s.Syo = !s.yo;
    sim::TickInputs in;
    in.Eth = {155, 155};
    in.Mon = {100, 100};
    in.Sun = {350, 350};
    in.Mrc = {120, 100};
    in.Vns = {130, 130};
    in.Mas = {130, 130};
    in.Jup = {220, 180};
    in.Sat = {200, 130};
    in.Com = {60, 60};
    for (auto _ : state) {
        sim::TickResult r = sim::Tick(s, in);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(CoreTick)->Arg(0)->Arg(1);

} // namespace

BENCHMARK_MAIN();
