// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/phrases.h"

#include <array>

namespace controls {

namespace {

// Every caption of the two windows that may take more than one line at its control's width,
// split into its phrases by '|'. Captions of one phrase ("始める", "閉じる") need no entry.
constexpr std::array kTable{
    // The main window's buttons, and the captions their handlers give them.
    std::string_view{"地球を|止める"},
    std::string_view{"地球を|動かす"},
    std::string_view{"足跡を|消す"},
    std::string_view{"土星まで|表示する"},
    std::string_view{"火星まで|表示する"},
    std::string_view{"地球を|中心に|動かす"},
    std::string_view{"太陽を|中心に|動かす"},
    std::string_view{"これを|地上から|見ると…"},
    // The main window's labels: the warning under the range switch and the near-miss messages.
    std::string_view{"止めて|ください"},
    std::string_view{"水星と|ニアミス！"},
    std::string_view{"金星と|ニアミス！"},
    std::string_view{"地球と|ニアミス！"},
    std::string_view{"火星と|ニアミス！"},
    std::string_view{"木星と|ニアミス！"},
    std::string_view{"土星と|ニアミス！"},
    // The Earth view's button of the constellations.
    std::string_view{"星座を|消す"},
    std::string_view{"星座を|表す"},
};

// The entry's text without its marks.
bool SameText(std::string_view entry, std::string_view caption) {
    std::size_t i = 0;
    for (char ch : entry) {
        if (ch == '|')
            continue;
        if (i >= caption.size() || caption[i] != ch)
            return false;
        ++i;
    }
    return i == caption.size();
}

std::vector<std::string_view> Split(std::string_view entry) {
    std::vector<std::string_view> out;
    for (;;) {
        const auto bar = entry.find('|');
        out.push_back(entry.substr(0, bar));
        if (bar == std::string_view::npos)
            return out;
        entry.remove_prefix(bar + 1);
    }
}

// The length in bytes of the UTF-8 sequence that starts with this byte.
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

} // namespace

std::vector<std::string_view> Phrases(std::string_view caption) {
    for (std::string_view entry : kTable)
        if (SameText(entry, caption))
            return Split(entry);
    return {};
}

std::string ShownCaption(std::string_view caption) {
    const auto phrases = Phrases(caption);
    if (phrases.empty())
        return std::string(caption);
    std::string out;
    for (std::string_view phrase : phrases) {
        for (std::size_t i = 0; i < phrase.size();) {
            const std::size_t n = SequenceLength(static_cast<unsigned char>(phrase[i]));
            if (i > 0)
                out += kWordJoiner;
            out.append(phrase.substr(i, n));
            i += n;
        }
    }
    return out;
}

} // namespace controls
