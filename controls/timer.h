// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A timer whose interval is its run state: 0 means stopped, any other value (re)starts it.

#include <QObject>
#include <QTimer>

#include <functional>

namespace controls {

class Timer {
public:
    explicit Timer(std::function<void()> handler);

    int Interval() const { return interval_; }
    void setInterval(int ms);

private:
    QTimer timer_;
    int interval_ = 0;
};

} // namespace controls
