// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program running for twenty seconds at 25 ticks per second, as a class would leave it on
// the projector: the share of one core it takes and its peak memory. Once with the main window
// alone, once with the Earth view open and following the motion as well.

#include "main_window/frmwe.h"
#include "qt/backend.h"
#include "qt/widgets.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>

namespace {

double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

long PeakKiB() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// The memory of this process alone now: not the pages of libraries and fonts it shares with
// others, which count in the peak above.
long AnonymousKiB() {
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

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qtb::InstallFontSubstitutions();
    qtb::InstallAccessibility();
    qtb::QtBackend backend;
    frmWE w;
    w.Show();

    QElapsedTimer wall;
    double cpu0 = 0;
    auto measure = [&](const char* what, auto next) {
        cpu0 = CpuSeconds();
        wall.restart();
        QTimer::singleShot(20000, [&, what, next] {
            const double share = (CpuSeconds() - cpu0) / (double(wall.nsecsElapsed()) / 1e9);
            std::printf("%s: %.1f %% of one core, peak memory %.1f MiB, anonymous %.1f MiB\n", what,
                        share * 100, double(PeakKiB()) / 1024, double(AnonymousKiB()) / 1024);
            std::fflush(stdout);
            next();
        });
    };
    QTimer::singleShot(1000, [&] {
        w.cmdSTR[0]->Click();
        measure("main window running", [&] {
            w.cmdTendo->Click();
            w.cmdFrm2->Click();
            measure("with the Earth view running", [] { QCoreApplication::exit(0); });
        });
    });
    return QApplication::exec();
}
