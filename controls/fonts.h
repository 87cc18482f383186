// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace controls {

// Maps the font names of the layouts to Japanese fonts from Debian with the same metrics, so
// that kana, kanji and Latin letters share one face.
void InstallFontSubstitutions();

} // namespace controls
