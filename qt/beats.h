// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The model's timers on Qt. Timers of the same interval keep step: they share one QTimer, so
// that the main window's tick and the Earth view's, both every 40 ms, wake the program once
// per period instead of twice, and the view always shows the bodies of the tick just run.

#include "controls/timer.h"

#include <QElapsedTimer>
#include <QTimer>

#include <map>
#include <memory>
#include <vector>

namespace qtb {

class Beats {
public:
    Beats() { clock_.start(); }

    // A timer got a new interval (0 stops it). Alone on its interval, it starts a beat of its
    // own and first fires one interval from now, as a fresh timer would. Joining a running beat
    // of the same interval, it first fires at the first beat at least half an interval away.
    // Within a beat, the timer made first fires first.
    void set(controls::Timer& timer);
    void remove(controls::Timer& timer);

    // How many beats are waiting to fire: a test reads it.
    int running() const;

private:
    struct Member {
        controls::Timer* timer;
        qint64 joined;    // ms on clock_
        long long serial; // tells a timer that left and joined again from the one that left
    };
    struct Beat {
        QTimer timer;
        std::vector<Member> members; // in the order the timers were made: the order they fire
    };
    void fire(Beat& beat, int interval);

    QElapsedTimer clock_;
    long long serials_ = 0;
    // One per interval used, kept while the backend lives: a beat may be left empty by a
    // handler it is running.
    std::map<int, std::unique_ptr<Beat>> beats_;
};

} // namespace qtb
