// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "simulation/state.h"

namespace sim {

// One position-Verlet step of `b` about the centre (Xs, Ys) with unit time step. The
// acceleration magnitude is carried over by the inverse-square law. The arithmetic order is
// fixed so that results are reproducible to the last bit.
void StepBody(double Xs, double Ys, Body& b);

// StepBody that refuses a result that is not finite (a body exactly at its centre, an
// overflow): the body then keeps its state and false is returned.
bool StepBodyChecked(double Xs, double Ys, Body& b);

} // namespace sim
