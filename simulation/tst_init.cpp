// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulation/design_centres.h"
#include "simulation/init.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace {

using sim::Body;
using sim::State;

struct StartRow {
    const char* name;
    Body State::*body;
    double Xn, Yn, Xp, Yp;
    double Vn;
    int vnDigits; // decimals printed for the magnitude
};
void PrintTo(const StartRow& c, std::ostream* os) {
    *os << c.name;
}

class StartUp : public testing::TestWithParam<StartRow> {};

TEST_P(StartUp, MatchesTheTable) {
    const State s = sim::testing_data::StartUpState();
    const StartRow& r = GetParam();
    const Body& b = s.*r.body;
    // Positions are exact: halves of whole twips.
    EXPECT_EQ(b.Xn, r.Xn);
    EXPECT_EQ(b.Yn, r.Yn);
    EXPECT_DOUBLE_EQ(b.Xp, r.Xp);
    EXPECT_DOUBLE_EQ(b.Yp, r.Yp);
    EXPECT_NEAR(b.Vn, r.Vn, 0.5 * std::pow(10.0, -r.vnDigits));
}

INSTANTIATE_TEST_SUITE_P(
    Table, StartUp,
    testing::Values(StartRow{"Earth", &State::Eth, 2677.5, 4217.5, 2677.5, 4197.5, 0.172, 12},
                    StartRow{"Moon", &State::Mon, 2519, 4210, 2519, 4202.1, 0.43371, 12},
                    StartRow{"Mercury", &State::Mrc, 4053, 4220, 4049, 4188.6, 1.02810, 5},
                    StartRow{"Venus", &State::Vns, 3381, 4210, 3381, 4186, 0.35329, 5},
                    StartRow{"Mars", &State::Mas, 1645, 4205, 1646.3, 4187.8, 0.08253, 5},
                    StartRow{"Jupiter", &State::Jup, 8090, 4240, 8090, 4248.7, 0.09790, 5},
                    StartRow{"Saturn", &State::Sat, 9580, 4205, 9580, 4211.5, 0.04452, 5},
                    StartRow{"Comet", &State::Com, 10530, 7030, 10525, 7034, 0.03052, 5}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(StartUp, SunFlagsAndMercurysTunedSpeed) {
    const State s = sim::testing_data::StartUpState();
    EXPECT_EQ(s.SunXn, 5005);
    EXPECT_EQ(s.SunYn, 4215);
    EXPECT_FALSE(s.Ethstop);
    EXPECT_FALSE(s.Tendo);
    EXPECT_TRUE(s.yo);
    EXPECT_FALSE(s.Syo);
    EXPECT_EQ(s.n, 0);
    EXPECT_EQ(s.m, 0);
    // The comet starts moving right and up.
    EXPECT_EQ(s.Com.Xn - s.Com.Xp, 5);
    EXPECT_EQ(s.Com.Yn - s.Com.Yp, -4);
}

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
