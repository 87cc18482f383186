#pragma once
// Centres of the main window's pictures at their design places (left + width / 2 and
// top + height / 2 of each box, the comet placed by start-up at 10500, 7000).
#include "init.h"

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

} // namespace sim::testing_data
