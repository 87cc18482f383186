// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A timer whose interval is its run state: 0 means stopped, any other value (re)starts it.

#include "controls/backend.h"

#include <functional>

namespace controls {

class Timer {
public:
    explicit Timer(std::function<void()> handler);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    ~Timer();

    int Interval() const { return interval_; }
    // Of timers due at the same moment, the one made first fires first: the main window's
    // tick before the Earth view's, which shows what that tick drew.
    long long Order() const { return order_; }
    void setInterval(int ms);

    // The backend calls this each time the interval has passed.
    void Fire() {
        if (interval_ != 0)
            handler_();
    }

    void* peer = nullptr;

private:
    Backend& backend_;
    std::function<void()> handler_;
    int interval_ = 0;
    long long order_;
};

} // namespace controls
