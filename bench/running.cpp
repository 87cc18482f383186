// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program running for twenty seconds at 25 ticks per second, as a class would leave it on
// the projector: the share of one core it takes and its peak memory. Once with the main window
// alone, once with the Earth view open and following the motion as well.

#include "main_window/frmwe.h"
#include "qt/backend.h"
#include "qt/widgets.h"
#include "usage.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qtb::InstallFontSubstitutions();
    qtb::InstallAccessibility();
    qtb::QtBackend backend;
    frmWE w;
    w.Show();

    bench::Meter meter;
    QTimer::singleShot(1000, [&] {
        w.cmdSTR[0]->Click();
        meter.measure("main window running", [&] {
            w.cmdTendo->Click();
            w.cmdFrm2->Click();
            meter.measure("with the Earth view running", [] { QCoreApplication::exit(0); });
        });
    });
    return QApplication::exec();
}
