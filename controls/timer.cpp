// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timer.h"

#include <algorithm>

namespace controls {

Timer::Timer(std::function<void()> handler) {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, std::move(handler));
}

void Timer::setInterval(int ms) {
    interval_ = std::clamp(ms, 0, 65535);
    if (interval_ == 0)
        timer_.stop();
    else
        timer_.start(interval_);
}

} // namespace controls
