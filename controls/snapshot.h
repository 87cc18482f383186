// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A text of everything a window's controls hold that a user can see: one line per control with
// its geometry to the bit, caption, visibility, enabled state and focus. Two backends that
// ran the same scenario give the same text.

#include "controls/form.h"

#include <string>

namespace controls {

std::string Snapshot(const Form& form);

} // namespace controls
