// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Captions that may take two lines break between their phrases (文節), never inside a word:
// 土星まで|表示する, not 土星まで表|示する. The model keeps its texts as they are; a backend
// shows a caption in the form given here, in which a word joiner (U+2060) stands between the
// letters of each phrase, so that the toolkit may start a new line only where a phrase begins.

#include <string>
#include <string_view>
#include <vector>

namespace controls {

// The word joiner, as UTF-8.
inline constexpr std::string_view kWordJoiner = "\u2060";

// The phrases of a caption that can wrap, in order; empty for a caption the table does not hold.
std::vector<std::string_view> Phrases(std::string_view caption);

// The caption as a backend shows it: with word joiners inside each phrase of the table, or
// unchanged for a caption that is not in it.
std::string ShownCaption(std::string_view caption);

} // namespace controls
