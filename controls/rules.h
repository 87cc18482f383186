// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Rules every backend must apply alike, written once here: a backend only turns their result
// into its toolkit's calls, so that no two backends can tell a screen reader different things.

#include "controls/control.h"

#include <string>

namespace controls {

// What a screen reader calls the control: its accessible name; without one, the caption of a
// button or a label; without either, nothing (a picture, a shape or a line needs a name of its
// own to be heard).
std::string SpokenName(const Control& c);

// What a screen reader says at once when the program announces the control (Form::Announce):
// a label's caption, its new text, even where the label has a name of its own; for any other
// control its spoken name.
std::string AnnouncedText(const Control& c);

} // namespace controls
