// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulation/step.h"

#include <cmath>

namespace sim {

namespace {
double sq(double v) {
    return v * v;
}
} // namespace

void StepBody(double Xs, double Ys, Body& b) {
    const double rp = std::sqrt(sq(Ys - b.Yp) + sq(Xs - b.Xp));
    const double rn = std::sqrt(sq(Ys - b.Yn) + sq(Xs - b.Xn));
    const double a = (b.Vn * sq(rp)) / sq(rn);
    const double x = (2 * b.Xn - b.Xp) + (a * (Xs - b.Xn)) / rn;
    const double y = (2 * b.Yn - b.Yp) + (a * (Ys - b.Yn)) / rn;
    b.Xp = b.Xn;
    b.Yp = b.Yn;
    b.Xn = x;
    b.Yn = y;
    b.Vn = a;
}

bool StepBodyChecked(double Xs, double Ys, Body& b) {
    Body next = b;
    StepBody(Xs, Ys, next);
    if (!std::isfinite(next.Xn) || !std::isfinite(next.Yn) || !std::isfinite(next.Vn))
        return false;
    b = next;
    return true;
}

} // namespace sim
