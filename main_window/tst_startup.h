// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where every body starts, as worked by hand from the boxes' design places: at load (the Mars
// range as laid out), after a switch into the Saturn range, and after a switch back into the
// Mars range (every box then exactly on its table centre).

#include "simulation/state.h"

namespace testing_support {

struct StartRow {
    const char* box; // the body's box, whose centre is its starting position
    sim::Body sim::State::*body;
    double Xn, Yn, Xp, Yp;
    double Vn, vnTolerance; // half a unit in the last digit written
};

struct Start {
    const char* name;
    double SunXn, SunYn;
    StartRow rows[8]; // Earth, Moon, Mercury, Venus, Mars, Jupiter, Saturn, comet
};

using sim::State;

// clang-format off
inline const Start kAtLoad{"AtLoad", 5005, 4215, {
    {"picEth", &State::Eth, 2677.5, 4217.5, 2677.5, 4197.5, 0.172, 0},
    {"picMon", &State::Mon, 2519, 4210, 2519, 4202.1, 0.43371, 0},
    {"picMrc", &State::Mrc, 4053, 4220, 4049, 4188.6, 1.02810, 5e-6},
    {"picVns", &State::Vns, 3381, 4210, 3381, 4186, 0.35329, 5e-6},
    {"picMas", &State::Mas, 1645, 4205, 1646.3, 4187.8, 0.08253, 5e-6},
    {"picJup", &State::Jup, 8090, 4240, 8090, 4248.7, 0.09790, 5e-6},
    {"picSat", &State::Sat, 9580, 4205, 9580, 4211.5, 0.04452, 5e-6},
    {"shpCom", &State::Com, 10530, 7030, 10525, 7034, 0.03052, 5e-6},
}};

inline const Start kSaturnRange{"SaturnRange", 2000, 4200, {
    {"picEth", &State::Eth, 1000, 4200, 1000, 4180, 0.4, 0},
    {"picMon", &State::Mon, 867.5, 4200, 867.5, 4189.8, 0.8, 0},
    {"picMrc", &State::Mrc, 1600, 4200, 1596, 4168.6, 2.5, 5e-13},
    {"picVns", &State::Vns, 1300, 4200, 1300, 4176, 0.816327, 5e-7},
    {"picMas", &State::Mas, 550, 4200, 551.3, 4182.8, 0.190250, 5e-7},
    {"picJup", &State::Jup, 7220, 4200, 7220, 4208.7, 0.0146798, 5e-8},
    {"picSat", &State::Sat, 11515, 4200, 11515, 4206.5, 0.00441817, 5e-9},
    {"shpCom", &State::Com, 11030, 6830, 11029.4, 6831, 0.00210937, 5e-9}, // pulled as at 0.172
}};

inline const Start kMarsAgain{"MarsAgain", 5000, 4200, {
    {"picEth", &State::Eth, 2680, 4200, 2680, 4180, 0.172, 0},
    {"picMon", &State::Mon, 2520, 4200, 2520, 4192.1, 0.43371, 0},
    {"picMrc", &State::Mrc, 4050, 4200, 4046, 4168.6, 1.025787, 5e-7},
    {"picVns", &State::Vns, 3380, 4200, 3380, 4176, 0.3527560, 5e-8},
    {"picMas", &State::Mas, 1650, 4200, 1651.3, 4182.8, 0.08249256, 5e-9},
    {"picJup", &State::Jup, 8070, 4200, 8070, 4208.7, 0.09822627, 5e-9},
    {"picSat", &State::Sat, 9570, 4200, 9570, 4206.5, 0.04432738, 5e-9},
    {"shpCom", &State::Com, 10530, 7030, 10525, 7034, 0.03027291, 5e-9},
}};
// clang-format on

} // namespace testing_support
