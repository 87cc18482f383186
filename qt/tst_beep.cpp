// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Near misses on a real display with the real beep, wherever there is no sound device: run by
// tools/test-quiet-beep.sh, which fails on any word written to standard error.

#include "main_window/frmwe.h"
#include "qt/backend.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    qtb::InstallFontSubstitutions();
    qtb::QtBackend backend;
    int beeps = 0;
    backend.onBeep = [&beeps] {
        ++beeps;
        qtb::SystemBeep();
    };
    frmWE w;
    w.Show();
    w.cmdSTR[0]->Click();
    // The comet passes planets within the first few thousand ticks of the inner range.
    for (int tick = 0; tick < 20000 && beeps < 5; ++tick)
        w.TmrWE_Timer();
    std::printf("%d near-miss beeps\n", beeps);
    return beeps >= 5 ? 0 : 1;
}
