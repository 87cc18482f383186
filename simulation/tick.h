// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The arithmetic of one tick of the main window's timer. The core computes what the window must
// show; the window applies it to its controls in the same order.

#include "simulation/state.h"

#include <cstdint>

namespace sim {

// Size of a control in twips, as the control holds it (single precision).
struct BoxSize {
    float w = 0;
    float h = 0;
};

// What the tick needs to know of the window.
struct TickInputs {
    bool ethStEnabled = true; // the Earth stop button is enabled
    bool tendoEnabled = true; // the Earth-centred display button is enabled
    BoxSize Eth, Mon, Sun, Mrc, Vns, Mas, Jup, Sat, Com;
};

// Where one picture goes: its new top-left corner as the control will hold it, and the trail
// dot at its centre after placing.
struct Placement {
    float left = 0;
    float top = 0;
    float dotX = 0;
    float dotY = 0;
};

struct Tail {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

enum class NearMiss : std::uint8_t { None, Mercury, Venus, Earth, Mars, Jupiter, Saturn };

struct TickResult {
    bool earthAdvanced = false; // Eth placement, dot and count are valid
    Placement Eth, Mon, Sun, Mrc, Vns, Mas;
    bool outerPlanets = false; // Jup and Sat are shown, placed and dotted
    Placement Jup, Sat;
    Placement Com;
    bool tailMoved = false; // the comet's tail got new end points
    Tail tail;
    NearMiss nearMiss = NearMiss::None;
};

// Largest distance from the origin, in twips, that a control is ever given: far outside any
// screen, and small enough that pixel arithmetic cannot overflow.
inline constexpr double kMaxControlTwips = 1.0e7;

// The single-precision value a control holds for a simulation value, clamped so that no
// non-finite or absurd number reaches a control.
float ToControl(double v);

// Tail factor 10^5.6, held in single precision: the tail is K / distance twips long.
inline constexpr float kTailFactor = 398107.15625f;

// The Earth advances unless it is held; the button states take part in the decision.
bool EarthAdvances(const State& s, bool ethStEnabled, bool tendoEnabled);

NearMiss CheckNearMiss(const State& s);

TickResult Tick(State& s, const TickInputs& in);

} // namespace sim
