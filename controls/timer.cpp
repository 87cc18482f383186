// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/timer.h"

#include <algorithm>

namespace controls {

namespace {
long long made = 0; // timers live on the one user-interface thread
} // namespace

Timer::Timer(std::function<void()> handler)
    : backend_(CurrentBackend()), handler_(std::move(handler)), order_(++made) {
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
