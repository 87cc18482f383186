// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What every backend must show alike, worked out once here: the stacking of a window's controls,
// the order Tab walks them, the font a control is drawn in, the name a screen reader gives it and
// the text it announces. A backend only turns these into its toolkit's calls.

#include "controls/control.h"
#include "controls/form.h"

#include <cstdint>
#include <string>
#include <vector>

namespace controls {

// The window's controls from the bottom of the stack to the top: the windowless layer under
// the windowed one, each in the order the window gave.
std::vector<Control*> StackingOrder(const Form& form);

// The controls Tab stops at, in the order it walks them; the others are left out.
std::vector<Control*> TabSequence(const Form& form);

// The font a control is drawn in: its own, or its window's when it names none.
const Font& EffectiveFont(const Control& c);

// The faces a backend draws the layout's fonts with. The message line's rounded Gothic has a
// face of its own; bold figures (the revolution counter) have one too, where the backend carries
// a subset of its faces.
enum class Face : std::uint8_t { Gothic, GothicBold, Rounded };
Face FaceOf(const Font& f);

// A click of the user's on the control, by pointer or key: a button or a clickable label runs
// its handler (each decides whether it is live). Says whether the control takes clicks at all.
bool Press(Control& c);

// What a screen reader calls the control: the name it was given, or else the caption of a
// button or label; other controls without a name are decoration.
std::string SpokenName(const Control& c);

// What the control says when it asks to be announced at once: a label's caption (the near-miss
// message), or else its spoken name.
std::string AnnouncedText(const Control& c);

} // namespace controls
