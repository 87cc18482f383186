// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Earth view's projection: where the Earth sees a body, on a circle about the sky's centre.

#include "simulation/state.h"

#include <cstdint>

namespace sim {

// The program's own value of π: the Earth view's angles are fractions of it.
inline constexpr double kPi = 3.1416;

struct SkyInputs {
    Point earth;            // the Earth's centre on the main window (EthX2, EthY2)
    Point body;             // the body's centre on the main window (X2w, Y2w)
    Point centre;           // the sky's centre on the Earth view (TyusinX, TyusinY)
    double Hankei = 0;      // radius of the ecliptic circle
    std::int16_t hosei = 0; // correction of the radius for this body
    double Kakudo = 0;      // the angle of the previous projection
};

struct SkyPoint {
    double X2t = 0, Y2t = 0; // the projected point
    double Kakudo = 0;       // the angle it lies at, for the next projection
};

// A body straight above or below the Earth has no angle of its own: it takes the previous
// projection's angle and lies on the left-hand side.
SkyPoint ProjectToSky(const SkyInputs& in);

} // namespace sim
