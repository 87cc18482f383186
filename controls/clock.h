// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The timers' schedule, for every backend (the headless one in tests, the browser's, Qt's): each
// running timer is due every interval after it was last set, in step with the others of its
// interval, and due timers fire in time order, of two due together the one made first.

#include "controls/backend.h"
#include "controls/timer.h"

#include <cstdint>
#include <map>

namespace controls {

class Clock {
public:
    void add(Timer& timer) { timers_[&timer]; }
    void remove(Timer& timer) { timers_.erase(&timer); }
    // The timer's interval changed: its schedule starts again from now, one interval on. While
    // another timer of the same interval runs, it keeps step with that one instead, from the
    // first of its due times at least half an interval away, so that the two fire together.
    void set(Timer& timer);

    // Moves the clock on by `ms`, firing every due timer at its due time.
    void Advance(int ms);
    // As Advance, except that a timer late by more than its interval (a hidden tab, a busy
    // machine) fires once and skips the ticks it missed, keeping its phase: time that was lost
    // is not replayed.
    void RunFor(int ms);
    // Time passed while the program waited for something else: the clock moves on by `ms`, but
    // never past the next due time, so that nothing fires. Returns how far it moved. A backend
    // whose clock lags the real one calls this before a timer is set from outside a firing,
    // so that the timer's schedule starts from now.
    int Idle(int ms);
    // Milliseconds until the next timer is due, or -1 when none runs.
    int NextDue() const;
    // How many timers run.
    int Running() const;

    std::int64_t Now() const { return now_; }
    long long Fired() const { return fired_; }

private:
    struct Schedule {
        std::int64_t due = 0;
        int interval = 0;
    };
    void fireUntil(std::int64_t end);

    std::map<Timer*, Schedule> timers_;
    std::int64_t now_ = 0;
    long long fired_ = 0;
};

// A backend whose timers keep the schedule above. It only hears when the schedule changed.
class ClockedBackend : public Backend {
public:
    void timerCreated(Timer& timer) final { clock_.add(timer); }
    void timerDestroyed(Timer& timer) final { clock_.remove(timer); }
    void timerChanged(Timer& timer) final {
        beforeSet();
        clock_.set(timer);
        scheduleChanged();
    }

protected:
    // Before a timer's new interval counts: a backend whose clock lags the real one catches up.
    virtual void beforeSet() {}
    // After a timer's schedule changed.
    virtual void scheduleChanged() {}

    Clock clock_;
};

} // namespace controls
