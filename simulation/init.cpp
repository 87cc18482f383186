// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulation/init.h"

#include <initializer_list>

namespace sim {

namespace {
double sq(double v) {
    return v * v;
}

void place(Body& b, Point centre, double dx, double dy) {
    b.Xn = centre.x;
    b.Yn = centre.y;
    b.Xp = b.Xn + dx;
    b.Yp = b.Yn + dy;
}
} // namespace

double PullFromEarth(const State& s, double x) {
    return s.Eth.Vn * sq(s.SunXn - s.Eth.Xn) / sq(s.SunXn - x);
}

void InitBodies(State& s, const PictureCentres& c) {
    s.SunXn = c.Sun.x;
    s.SunYn = c.Sun.y;

    s.Eth.Xn = c.Eth.x;
    s.Eth.Yn = c.Eth.y;
    s.Eth.Vn = 0.172;
    s.Eth.Xp = s.Eth.Xn;
    s.Eth.Yp = s.Eth.Yn - 20;

    s.Mon.Xn = c.Mon.x;
    s.Mon.Yn = c.Mon.y;
    s.Mon.Xp = s.Mon.Xn;
    s.Mon.Yp = s.Mon.Yn - 7.9;
    s.Mon.Vn = 0.43371;

    // Mercury's speed is written 3.14 * 10 so that it is the double one unit in the last
    // place above 31.4, as the orbit was tuned with.
    place(s.Mrc, c.Mrc, -4, -(3.14 * 10));
    place(s.Vns, c.Vns, 0, -24);
    place(s.Mas, c.Mas, 1.3, -17.2);
    place(s.Jup, c.Jup, 0, 8.7);
    place(s.Sat, c.Sat, 0, 6.5);
    for (Body* b : {&s.Mrc, &s.Vns, &s.Mas, &s.Jup, &s.Sat})
        b->Vn = PullFromEarth(s, b->Xn);

    s.Com.Xn = c.Com.x;
    s.Com.Yn = c.Com.y;
    s.Com.Xp = s.ComXnp + s.Com.Xn;
    s.Com.Yp = s.ComYnp + s.Com.Yn;
    s.Com.Vn = PullFromEarth(s, s.Com.Xn);
}

void OuterRangePull(State& s) {
    s.Mon.Yp = s.Mon.Yn - 10.2;
    s.Eth.Vn = 0.4;
    s.Mon.Vn = 0.8;
    for (Body* b : {&s.Mrc, &s.Vns, &s.Mas, &s.Jup, &s.Sat})
        b->Vn = PullFromEarth(s, b->Xn);
}

void ClearBodies(State& s) {
    s.SunXn = 0;
    s.SunYn = 0;
    for (Body* b : {&s.Eth, &s.Mon, &s.Mrc, &s.Vns, &s.Mas, &s.Jup, &s.Sat, &s.Com})
        *b = Body{};
}

void StartUpFlags(State& s) {
    s.Ethstop = false;
    s.Tendo = false;
    s.yo = true;
    s.m = 0;
    s.n = 0;
}

} // namespace sim
