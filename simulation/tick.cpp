// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulation/tick.h"

#include "simulation/step.h"

#include <cmath>
#include <limits>

namespace sim {

namespace {

double sq(double v) {
    return v * v;
}

double distance(double x1, double y1, double x2, double y2) {
    return std::sqrt(sq(x1 - x2) + sq(y1 - y2));
}

// Moves a picture so that its centre lies on (x, y); the dot goes where the picture reports
// its centre afterwards.
Placement place(double x, double y, BoxSize size) {
    Placement p;
    p.left = ToControl(x - double(size.w) / 2);
    p.top = ToControl(y - double(size.h) / 2);
    p.dotX = ToControl(double(p.left) + double(size.w) / 2);
    p.dotY = ToControl(double(p.top) + double(size.h) / 2);
    return p;
}

// Mercury is moved a fraction of a twip to the left while it passes a small window just below
// the Sun's line on its starting side, which keeps its orbit from turning over the years.
void nudgeMercury(State& s, BoxSize size) {
    const double left = s.Mrc.Xn - double(size.w) / 2;
    const double top = s.Mrc.Yn - double(size.h) / 2;
    if (!(top >= 4200 && top < 4250))
        return;
    const double limit = s.Syo ? 1600 : 4010;
    const double shift = s.Syo ? 0.5 : 0.14;
    if (left < limit) {
        s.Mrc.Xp = s.Mrc.Xp - shift;
        s.Mrc.Xn = s.Mrc.Xn - shift;
    }
}

} // namespace

float ToControl(double v) {
    if (std::isnan(v))
        return 0.0f;
    if (v > kMaxControlTwips)
        return float(kMaxControlTwips);
    if (v < -kMaxControlTwips)
        return float(-kMaxControlTwips);
    return float(v);
}

bool EarthAdvances(const State& s, bool ethStEnabled, bool tendoEnabled) {
    return (ethStEnabled && !s.Ethstop) || (!ethStEnabled && s.Tendo && tendoEnabled);
}

NearMiss CheckNearMiss(const State& s) {
    const Body& c = s.Com;
    auto within = [&c](const Body& b, double limit) {
        return distance(c.Xn, c.Yn, b.Xn, b.Yn) < limit;
    };
    if (within(s.Mrc, 180))
        return NearMiss::Mercury;
    if (within(s.Vns, 200))
        return NearMiss::Venus;
    if (within(s.Eth, 200))
        return NearMiss::Earth;
    if (within(s.Mas, 180))
        return NearMiss::Mars;
    // A hidden Jupiter ends the check silently, even with Saturn near.
    if (within(s.Jup, 250))
        return s.yo ? NearMiss::None : NearMiss::Jupiter;
    if (within(s.Sat, 250))
        return s.yo ? NearMiss::None : NearMiss::Saturn;
    return NearMiss::None;
}

TickResult Tick(State& s, const TickInputs& in) {
    TickResult r;
    double offX = 0;
    double offY = 0;
    double moveX = 0;
    double moveY = 0;

    r.earthAdvanced = EarthAdvances(s, in.ethStEnabled, in.tendoEnabled);
    if (r.earthAdvanced) {
        if (StepBodyChecked(s.SunXn, s.SunYn, s.Eth)) {
            moveX = s.Eth.Xn - s.Eth.Xp;
            moveY = s.Eth.Yn - s.Eth.Yp;
        }
        double showX = s.Eth.Xn;
        double showY = s.Eth.Yn;
        if (s.Tendo) {
            offX = s.Eth.Xn - s.TendoXn;
            offY = s.Eth.Yn - s.TendoYn;
            showX = s.TendoXn;
            showY = s.TendoYn;
        }
        r.Eth = place(showX, showY, in.Eth);
        r.Eth.dotX = ToControl(showX);
        r.Eth.dotY = ToControl(showY);

        if (s.Eth.Yn > s.SunYn && s.m == 1) {
            // The counter holds at its largest value rather than wrapping round.
            if (s.n < std::numeric_limits<std::int16_t>::max())
                ++s.n;
            s.m = 0;
        }
        if (s.Eth.Yn < s.SunYn)
            s.m = 1;
    }

    s.Mon.Xp += moveX;
    s.Mon.Xn += moveX;
    s.Mon.Yp += moveY;
    s.Mon.Yn += moveY;
    StepBodyChecked(s.Eth.Xn, s.Eth.Yn, s.Mon);
    r.Mon = place(s.Mon.Xn - offX, s.Mon.Yn - offY, in.Mon);

    r.Sun = place(s.SunXn - offX, s.SunYn - offY, in.Sun);

    StepBodyChecked(s.SunXn, s.SunYn, s.Mrc);
    r.Mrc = place(s.Mrc.Xn - offX, s.Mrc.Yn - offY, in.Mrc);
    nudgeMercury(s, in.Mrc);

    StepBodyChecked(s.SunXn, s.SunYn, s.Vns);
    r.Vns = place(s.Vns.Xn - offX, s.Vns.Yn - offY, in.Vns);

    StepBodyChecked(s.SunXn, s.SunYn, s.Mas);
    r.Mas = place(s.Mas.Xn - offX, s.Mas.Yn - offY, in.Mas);

    r.outerPlanets = !s.yo;
    if (r.outerPlanets) {
        StepBodyChecked(s.SunXn, s.SunYn, s.Jup);
        r.Jup = place(s.Jup.Xn - offX, s.Jup.Yn - offY, in.Jup);
        StepBodyChecked(s.SunXn, s.SunYn, s.Sat);
        r.Sat = place(s.Sat.Xn - offX, s.Sat.Yn - offY, in.Sat);
    }

    StepBodyChecked(s.SunXn, s.SunYn, s.Com);
    r.Com = place(s.Com.Xn - offX, s.Com.Yn - offY, in.Com);

    s.RComn = distance(s.SunXn, s.SunYn, s.Com.Xn, s.Com.Yn);
    const double r2 = sq(s.RComn);
    if (r2 > 0 && std::isfinite(r2)) {
        const double left = double(r.Com.left);
        const double top = double(r.Com.top);
        r.tailMoved = true;
        r.tail.x1 = ToControl(left + 15);
        r.tail.y1 = ToControl(top + 15);
        r.tail.x2 = ToControl(left - double(kTailFactor) * (s.SunXn - s.Com.Xn) / r2);
        r.tail.y2 = ToControl(top - double(kTailFactor) * (s.SunYn - s.Com.Yn) / r2);
    }

    r.nearMiss = CheckNearMiss(s);
    return r;
}

} // namespace sim
