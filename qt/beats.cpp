// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/beats.h"

#include <algorithm>

namespace qtb {

void Beats::remove(controls::Timer& timer) {
    for (auto& [interval, beat] : beats_) {
        auto& m = beat->members;
        m.erase(std::remove_if(m.begin(), m.end(),
                               [&timer](const Member& x) { return x.timer == &timer; }),
                m.end());
        if (m.empty())
            beat->timer.stop();
    }
}

void Beats::set(controls::Timer& timer) {
    remove(timer);
    const int interval = timer.Interval();
    if (interval == 0)
        return;
    auto& beat = beats_[interval];
    if (!beat) {
        beat = std::make_unique<Beat>();
        beat->timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&beat->timer, &QTimer::timeout,
                         [this, b = beat.get(), interval] { fire(*b, interval); });
    }
    // Kept in the order the timers were made, which is the order they fire.
    auto& m = beat->members;
    const auto at = std::find_if(
        m.begin(), m.end(), [&timer](const Member& x) { return x.timer->Order() > timer.Order(); });
    m.insert(at, {&timer, clock_.elapsed(), ++serials_});
    if (beat->members.size() == 1)
        beat->timer.start(interval);
}

void Beats::fire(Beat& beat, int interval) {
    // A handler may stop, restart or destroy any timer, this beat's members among them: each
    // is looked up again before it fires, and one that joined since this beat began waits for the
    // next.
    const qint64 now = clock_.elapsed();
    std::vector<Member> due;
    for (const Member& m : beat.members)
        if (2 * (now - m.joined) >= interval)
            due.push_back(m);
    for (const Member& d : due) {
        const auto still = std::find_if(beat.members.begin(), beat.members.end(),
                                        [&d](const Member& m) { return m.serial == d.serial; });
        if (still != beat.members.end())
            d.timer->Fire();
    }
}

int Beats::running() const {
    return int(std::count_if(beats_.begin(), beats_.end(),
                             [](const auto& b) { return b.second->timer.isActive(); }));
}

} // namespace qtb
