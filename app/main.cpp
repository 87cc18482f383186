// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// 惑星の動き: a teaching program about the motion of the planets.

#include "accessibility.h"
#include "display.h"
#include "fonts.h"
#include "frmwe.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    display::Require(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("wakusei"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.wakusei.Wakusei"));
    controls::InstallFontSubstitutions();
    controls::InstallAccessibility();

    frmWE w;
    w.show();
    return QApplication::exec();
}
