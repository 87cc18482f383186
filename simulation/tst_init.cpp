// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulation/design_centres.h"
#include "simulation/init.h"

#include <gtest/gtest.h>

namespace {

using sim::Body;
using sim::State;

TEST(ClearBodies, ZeroesBodiesOnly) {
    State s = sim::testing_data::StartUpState();
    s.TendoXn = 12;
    s.n = 3;
    s.m = 1;
    sim::ClearBodies(s);
    for (const Body* b : {&s.Eth, &s.Mon, &s.Mrc, &s.Vns, &s.Mas, &s.Jup, &s.Sat, &s.Com}) {
        EXPECT_EQ(b->Xn, 0);
        EXPECT_EQ(b->Yp, 0);
        EXPECT_EQ(b->Vn, 0);
    }
    EXPECT_EQ(s.SunXn, 0);
    EXPECT_EQ(s.ComXnp, -5);
    EXPECT_EQ(s.TendoXn, 12);
    EXPECT_EQ(s.n, 3);
    EXPECT_EQ(s.m, 1);
    EXPECT_TRUE(s.yo);
}

} // namespace
