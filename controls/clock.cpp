// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/clock.h"

#include <algorithm>

namespace controls {

void Clock::fireUntil(std::int64_t end) {
    for (;;) {
        Timer* next = nullptr;
        std::int64_t due = end + 1;
        for (auto& [timer, s] : timers_)
            if (s.interval > 0 &&
                (s.due < due || (s.due == due && next && timer->Order() < next->Order()))) {
                due = s.due;
                next = timer;
            }
        if (!next)
            break;
        now_ = due;
        timers_[next].due = due + timers_[next].interval;
        ++fired_;
        next->Fire(); // may stop, restart or destroy timers
    }
    now_ = end;
}

void Clock::set(Timer& timer) {
    const int interval = timer.Interval();
    std::int64_t due = now_ + interval;
    for (const auto& [other, s] : timers_)
        if (other != &timer && s.interval == interval && interval > 0) {
            due = s.due;
            while (2 * (due - now_) < interval)
                due += interval;
            break;
        }
    timers_[&timer] = {due, interval};
}

void Clock::Advance(int ms) {
    fireUntil(now_ + std::max(0, ms));
}

void Clock::RunFor(int ms) {
    const std::int64_t end = now_ + std::max(0, ms);
    for (auto& [timer, s] : timers_)
        if (s.interval > 0 && end - s.due >= s.interval)
            s.due += (end - s.due) / s.interval * s.interval;
    fireUntil(end);
}

int Clock::Idle(int ms) {
    const int next = NextDue();
    const int moved = std::max(0, next < 0 ? ms : std::min(ms, next));
    now_ += moved;
    return moved;
}

int Clock::Running() const {
    return int(std::count_if(timers_.begin(), timers_.end(),
                             [](const auto& t) { return t.second.interval > 0; }));
}

int Clock::NextDue() const {
    std::int64_t due = -1;
    for (const auto& [timer, s] : timers_)
        if (s.interval > 0 && (due < 0 || s.due < due))
            due = s.due;
    return due < 0 ? -1 : int(std::max<std::int64_t>(0, due - now_));
}

} // namespace controls
