// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Started with no display, Qt would abort with a core dump and a misleading hint to reinstall.
// These look ahead, before QApplication exists, at what Qt will try: plain C++, no Qt.
#pragma once

namespace display {

// True when the Qt platform that will be used (from -platform, else QT_QPA_PLATFORM, else Qt's
// default) is xcb or wayland and neither DISPLAY nor WAYLAND_DISPLAY is set.
bool Missing(int argc, char** argv);

// When Missing(), writes one line in Japanese and English to stderr and ends the program with
// status 1; otherwise returns.
void Require(int argc, char** argv);

} // namespace display
