// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "simulation/state.h"

namespace sim {

// Centres of the body pictures as the window reports them (left + width / 2, top + height / 2).
struct PictureCentres {
    Point Sun, Eth, Mon, Mrc, Vns, Mas, Jup, Sat, Com;
};

// Derives every body's starting state from where its picture stands: the starting velocities
// are built in, the Earth's and the Moon's pull too, and the other bodies' pull follows from
// the Earth's by the inverse-square law over their horizontal separations from the Sun.
void InitBodies(State& s, const PictureCentres& c);

// Pull of a body at horizontal position x, scaled from the Earth's by the inverse square of
// the horizontal separations from the Sun.
double PullFromEarth(const State& s, double x);

// The outer range's motion after InitBodies: a faster Moon and a stronger Sun that fit the
// Earth's circular orbit at 1000 twips, the planets' pull following from the Earth's. The comet
// keeps the pull InitBodies gave it.
void OuterRangePull(State& s);

// Zeroes the Sun and the five variables of every moving body; nothing else.
void ClearBodies(State& s);

// The flags and counters that the main window's start-up sets after InitBodies.
void StartUpFlags(State& s);

} // namespace sim
