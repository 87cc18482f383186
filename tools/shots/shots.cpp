// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the windows at key moments to PNG files, for the README and for comparing backends.
// Usage: QT_QPA_PLATFORM=offscreen wakusei_shots OUTDIR

#include "main_window/frmwe.h"
#include "qt/backend.h"
#include "qt/widgets.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

namespace {

void Save(const controls::Form& f, const QString& path) {
    // Posted events only: the running timers must not fire a tick more before the picture.
    QCoreApplication::sendPostedEvents();
    qtb::WidgetOf(f)->grab().toImage().save(path);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    qtb::InstallFontSubstitutions();
    qtb::InstallAccessibility();
    qtb::QtBackend backend;
    backend.onBeep = [] {};
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);

    frmWE w;
    w.Show();
    Save(w, out + "/main-window.png");

    // A year and a half with the Earth at the centre, then the Earth view.
    w.cmdSTR[0]->Click();
    for (int i = 0; i < 200; ++i)
        w.TmrWE_Timer();
    w.cmdTendo->Click();
    for (int i = 0; i < 600; ++i)
        w.TmrWE_Timer();
    Save(w, out + "/earth-centred.png");
    w.cmdFrm2->Click();
    for (int i = 0; i < 3; ++i) {
        w.TmrWE_Timer();
        w.EarthView()->tmrTendo_Timer();
    }
    Save(*w.EarthView(), out + "/earth-view.png");
    w.EarthView()->cmdStop->Click();
    w.EarthView()->cmdKesu->Click();
    Save(*w.EarthView(), out + "/earth-view-stopped.png");
    return 0;
}
