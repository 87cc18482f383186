// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Centres of the main window's pictures at their design places (left + width / 2 and
// top + height / 2 of each box, the comet placed by start-up at 10500, 7000).
#include "simulation/init.h"
#include "simulation/tick.h"

namespace sim::testing_data {

inline PictureCentres DesignCentres() {
    PictureCentres c;
    c.Sun = {4830 + 350 / 2.0, 4040 + 350 / 2.0};
    c.Eth = {2600 + 155 / 2.0, 4140 + 155 / 2.0};
    c.Mon = {2469 + 100 / 2.0, 4160 + 100 / 2.0};
    c.Mrc = {3993 + 120 / 2.0, 4170 + 100 / 2.0};
    c.Vns = {3316 + 130 / 2.0, 4145 + 130 / 2.0};
    c.Mas = {1580 + 130 / 2.0, 4140 + 130 / 2.0};
    c.Jup = {7980 + 220 / 2.0, 4150 + 180 / 2.0};
    c.Sat = {9480 + 200 / 2.0, 4140 + 130 / 2.0};
    c.Com = {10500 + 60 / 2.0, 7000 + 60 / 2.0};
    return c;
}

inline State StartUpState() {
    State s;
    s.ComXnp = -5;
    s.ComYnp = 4;
    InitBodies(s, DesignCentres());
    StartUpFlags(s);
    return s;
}

// The sizes of the main window's boxes as the tick reads them.
inline TickInputs DesignInputs() {
    TickInputs in;
    in.Eth = {155, 155};
    in.Mon = {100, 100};
    in.Sun = {350, 350};
    in.Mrc = {120, 100};
    in.Vns = {130, 130};
    in.Mas = {130, 130};
    in.Jup = {220, 180};
    in.Sat = {200, 130};
    in.Com = {60, 60};
    return in;
}

// The outer range as its switch lays it out: every box centred on the axis.
inline State OuterRangeState() {
    State s;
    s.ComXnp = -0.6;
    s.ComYnp = 1;
    PictureCentres p;
    p.Sun = {2000, 4200};
    p.Mrc = {1600, 4200};
    p.Vns = {1300, 4200};
    p.Eth = {1000, 4200};
    p.Mon = {867.5, 4200};
    p.Mas = {550, 4200};
    p.Jup = {7220, 4200};
    p.Sat = {11515, 4200};
    p.Com = {11000 + 30, 6800 + 30};
    InitBodies(s, p);
    StartUpFlags(s);
    s.yo = false;
    s.Syo = true;
    OuterRangePull(s);
    return s;
}

} // namespace sim::testing_data
