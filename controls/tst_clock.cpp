// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The timers' schedule kept by the headless and the browser backends.

#include "controls/clock.h"
#include "controls/headless.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using controls::Clock;
using controls::Timer;

TEST(Clock, EachTimerAtItsIntervalWithoutDrift) {
    controls::HeadlessBackend quiet; // timers report to it, not to this clock
    Clock clock;
    std::string log;
    Timer fast([&] { log += 'f'; }), slow([&] { log += 's'; });
    clock.add(fast);
    clock.add(slow);
    fast.setInterval(40);
    clock.set(fast);
    slow.setInterval(100);
    clock.set(slow);
    clock.Advance(200);
    // 40 80 | 100 | 120 160 200 | 200: at 200 both are due, the one set first fires first.
    EXPECT_EQ(log, "ffsfffs");
    EXPECT_EQ(clock.Fired(), 7);
    EXPECT_EQ(clock.NextDue(), 40);
}

TEST(Clock, TimeLostIsNotReplayed) {
    controls::HeadlessBackend quiet;
    Clock clock;
    int ticks = 0;
    Timer t([&] { ++ticks; });
    clock.add(t);
    t.setInterval(40);
    clock.set(t);
    clock.RunFor(40 * 100 + 10); // a tab hidden for four seconds
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(clock.NextDue(), 30); // still on its 40 ms phase
    t.setInterval(0);
    clock.set(t);
    clock.Advance(1000);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(clock.NextDue(), -1);
}

// A firing that reaches a stopped timer (one already on its way when a handler stopped it) runs
// nothing: an interval of 0 means stopped, whoever calls.
TEST(Timer, AStoppedTimerRunsNothingWhenFired) {
    controls::HeadlessBackend quiet;
    int ticks = 0;
    Timer t([&] { ++ticks; });
    t.Fire();
    t.setInterval(40);
    t.Fire();
    t.setInterval(0);
    t.Fire();
    EXPECT_EQ(ticks, 1);
}

} // namespace
