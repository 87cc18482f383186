// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The simulated solar system: plain values, no windowing code.
//
// Positions are in twips of the main window's client area (x right, y down); one tick is one
// unit of time. A body's velocity is implicit in the difference of its last two positions and
// its acceleration is held as a magnitude only, re-scaled by the inverse-square law each step.

#include <cstdint>

namespace sim {

struct Point {
    double x = 0;
    double y = 0;
};

// One moving body: previous and current position and the acceleration magnitude at the
// previous position.
struct Body {
    double Xp = 0;
    double Yp = 0;
    double Xn = 0;
    double Yn = 0;
    double Vn = 0;
};

struct State {
    double SunXn = 0;
    double SunYn = 0;

    Body Eth; // Earth
    Body Mon; // Moon, stepped about the Earth but held in window coordinates
    Body Mrc; // Mercury
    Body Vns; // Venus
    Body Mas; // Mars
    Body Jup; // Jupiter
    Body Sat; // Saturn
    Body Com; // comet

    // The comet's starting previous position relative to its starting current position.
    double ComXnp = 0;
    double ComYnp = 0;
    // The comet's distance from the Sun in the last tick (for its tail).
    double RComn = 0;

    // Where the Earth's picture is held while the Earth-centred display is on.
    double TendoXn = 0;
    double TendoYn = 0;

    std::int16_t n = 0; // completed revolutions of the Earth
    std::int16_t m = 0; // 1 once the Earth has been above the Sun's horizontal line

    bool Tendo = false;   // Earth-centred display
    bool Ethstop = false; // the Earth is held still
    bool yo = false;      // inner range: Jupiter and Saturn hidden and not advanced
    bool Syo = false;     // outer range: selects the Mercury nudge window
};

} // namespace sim
