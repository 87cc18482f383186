// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/timer.h"

#include <algorithm>

namespace controls {

Timer::Timer(std::function<void()> handler)
    : backend_(CurrentBackend()), handler_(std::move(handler)) {
    backend_.timerCreated(*this);
}

Timer::~Timer() {
    backend_.timerDestroyed(*this);
}

void Timer::setInterval(int ms) {
    interval_ = std::clamp(ms, 0, 65535);
    backend_.timerChanged(*this);
}

} // namespace controls
