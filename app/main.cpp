// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// 惑星の動き: a teaching program about the motion of the planets.

#include "app/display.h"
#include "main_window/frmwe.h"
#include "qt/backend.h"

#include <QApplication>

int main(int argc, char* argv[]) {
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
