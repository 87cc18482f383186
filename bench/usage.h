// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What bench_running and its yardstick bench_baseline measure, the same way in both so that
// their figures compare: the share of one core and the memory over twenty seconds.

#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>

namespace bench {

inline double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

inline long PeakKiB() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// The memory of this process alone now: not the pages of libraries and fonts it shares with
// others, which count in the peak above.
inline long AnonymousKiB() {
    std::FILE* f = std::fopen("/proc/self/status", "r");
    if (!f)
        return 0;
    char line[256];
    long kib = 0;
    while (std::fgets(line, sizeof line, f))
        if (std::sscanf(line, "RssAnon: %ld", &kib) == 1)
            break;
    std::fclose(f);
    return kib;
}

// Measures the next twenty seconds of the event loop, prints one line about them, then calls
// next (which may measure again).
class Meter {
public:
    template <class Next> void measure(const char* what, Next next) {
        cpu0_ = CpuSeconds();
        wall_.restart();
        QTimer::singleShot(20000, [this, what, next] {
            const double share = (CpuSeconds() - cpu0_) / (double(wall_.nsecsElapsed()) / 1e9);
            std::printf("%s: %.1f %% of one core, peak memory %.1f MiB, anonymous %.1f MiB\n", what,
                        share * 100, double(PeakKiB()) / 1024, double(AnonymousKiB()) / 1024);
            std::fflush(stdout);
            next();
        });
    }

private:
    QElapsedTimer wall_;
    double cpu0_ = 0;
};

} // namespace bench
