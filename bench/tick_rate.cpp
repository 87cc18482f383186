// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The tick rate the main window actually reaches at its shortest interval: runs the motion at
// 40 ms for ten seconds in the real event loop and counts the ticks.

#include "main_window/frmwe.h"
#include "qt/backend.h"
#include "qt/widgets.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qtb::InstallFontSubstitutions();
    qtb::InstallAccessibility();
    qtb::QtBackend backend;
    frmWE w;
    w.Show();

    // Each tick moves the Earth: a 1 ms probe notes the time of every change.
    long ticks = 0;
    qint64 first = 0, last = 0;
    QElapsedTimer clock;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    double lastY = w.s.Eth.Yn;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (w.s.Eth.Yn == lastY)
            return;
        lastY = w.s.Eth.Yn;
        last = clock.nsecsElapsed();
        if (ticks++ == 0)
            first = last;
    });
    QTimer::singleShot(500, [&] {
        clock.start();
        probe.start(1);
        w.cmdSTR[0]->Click();
        QTimer::singleShot(10000, [&] {
            const double seconds = double(last - first) / 1e9;
            std::printf("%ld ticks in %.3f s between the first and the last: %.3f ticks per "
                        "second\n",
                        ticks, seconds, double(ticks - 1) / seconds);
            QCoreApplication::exit(0);
        });
    });
    return QApplication::exec();
}
