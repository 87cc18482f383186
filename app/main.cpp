// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// 惑星の動き: a teaching program about the motion of the planets.

#include "app/display.h"
#include "app/options.h"
#include "main_window/frmwe.h"
#include "qt/backend.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    // Before the display is looked for: --version and --help need none.
    switch (options::Read(argc, argv, stdout, stderr)) {
    case options::Outcome::Done:
        return 0;
    case options::Outcome::Mistake:
        return 2;
    case options::Outcome::Run:
        break;
    }
    display::Require(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("wakusei"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.wakusei.Wakusei"));
    qtb::InstallFontSubstitutions();
    qtb::InstallAccessibility();
    qtb::QtBackend backend;

    frmWE w;
    w.Show();
    return QApplication::exec();
}
