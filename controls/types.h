// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Plain values the controls hold: colours, fonts, alignment and circle styles.

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace controls {

struct Color {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(Color, Color) = default;
};

// The classic 16-colour palette, by index (taken modulo 16).
constexpr Color QBColor(int index) {
    constexpr std::array<Color, 16> palette = {{{0, 0, 0},
                                                {0, 0, 128},
                                                {0, 128, 0},
                                                {0, 128, 128},
                                                {128, 0, 0},
                                                {128, 0, 128},
                                                {128, 128, 0},
                                                {192, 192, 192},
                                                {128, 128, 128},
                                                {0, 0, 255},
                                                {0, 255, 0},
                                                {0, 255, 255},
                                                {255, 0, 0},
                                                {255, 0, 255},
                                                {255, 255, 0},
                                                {255, 255, 255}}};
    return palette[std::size_t(index & 15)];
}

// A font by the layout's name and size in points; an empty name is the platform's default
// user-interface font. Backends map the names to faces they have.
struct Font {
    std::string name;
    float points = 9;
    bool bold = false;
    bool italic = false;
    friend bool operator==(const Font&, const Font&) = default;
};

// Size in logical pixels of a font of `points` points at the classic 96 dots per inch, so that
// text keeps its size relative to the twips layout whatever the screen reports.
inline int FontPixels(float points) {
    const long px = std::lround(double(points) * 96.0 / 72.0);
    return px < 1 ? 1 : int(px);
}

enum class Align : std::uint8_t { Left, Right, Center };

struct CircleStyle {
    std::optional<Color> fill;    // none: transparent interior
    std::optional<Color> outline; // none: no outline
    friend bool operator==(const CircleStyle&, const CircleStyle&) = default;
};

// A circle drawn at the top-left corner of a body box, in a box of its own size (twips).
struct Disc {
    float width = 0;
    float height = 0;
    CircleStyle style;
    friend bool operator==(const Disc&, const Disc&) = default;
};

} // namespace controls
