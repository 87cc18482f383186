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
    // 40 80 | 100 | 120 160 200 | 200: at 200 both are due, the one made first fires first.
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

// A timer started while another of its interval runs keeps step with it, from the first of its
// due times at least half an interval away; one of another interval keeps its own pace.
TEST(Clock, SameIntervalKeepsStep) {
    const struct {
        int joinAt, interval, firstDue;
    } rows[] = {
        {0, 40, 40},  {13, 40, 40}, {20, 40, 40},  {21, 40, 80}, {33, 40, 80},
        {39, 40, 80}, {40, 40, 80}, {61, 40, 120}, {13, 60, 73}, {13, 100, 113},
    };
    for (const auto& row : rows) {
        controls::HeadlessBackend quiet;
        Clock clock;
        std::string log;
        std::int64_t first = -1;
        Timer a([&] { log += 'a'; }), b([&] {
            log += 'b';
            if (first < 0)
                first = clock.Now();
        });
        clock.add(a);
        clock.add(b);
        a.setInterval(40);
        clock.set(a);
        clock.Advance(row.joinAt);
        b.setInterval(row.interval);
        clock.set(b);
        clock.Advance(200 - row.joinAt);
        EXPECT_EQ(first, row.firstDue) << "joined at " << row.joinAt << ", every " << row.interval;
        if (row.interval != 40)
            continue;
        // Together from then on, the one made first first.
        std::string together;
        for (std::int64_t t = row.firstDue; t <= 200; t += 40)
            together += "ab";
        EXPECT_EQ(log.substr(log.find('b') - 1), together) << "joined at " << row.joinAt;
    }
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
