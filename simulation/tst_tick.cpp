// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulation/design_centres.h"
#include "simulation/tick.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace {

using sim::NearMiss;
using sim::State;
using sim::TickInputs;

constexpr double digits(int n) {
    return 0.5 * std::pow(10.0, -n);
}

using sim::testing_data::DesignInputs;

TEST(Tick, FirstTickFromStartUp) {
    State s = sim::testing_data::StartUpState();
    const sim::TickResult r = sim::Tick(s, DesignInputs());
    ASSERT_TRUE(r.earthAdvanced);
    EXPECT_NEAR(s.Eth.Xn, 2677.6720094, digits(7));
    EXPECT_NEAR(s.Eth.Yn, 4237.4998152, digits(7));
    EXPECT_NEAR(s.Eth.Vn, 0.1720095, digits(7));
    // The Moon is carried by the Earth's displacement before its own step.
    EXPECT_NEAR(s.Mon.Xp, 2519.1720094, digits(7));
    EXPECT_NEAR(s.Mon.Yp, 4229.9998152, digits(7));
    EXPECT_NEAR(s.Mon.Xn, 2519.6083475, digits(7));
    EXPECT_NEAR(s.Mon.Yn, 4237.9204622, digits(7));
    EXPECT_NEAR(s.Mon.Vn, 0.4368262, digits(7));
    // Mercury's corner (3998.04, 4201.39) is inside the nudge window of the inner range.
    EXPECT_NEAR(s.Mrc.Yn, 4251.3945509, digits(7));
    EXPECT_NEAR(s.Mrc.Vn, 1.0375162, digits(7));
    EXPECT_NEAR(s.Mrc.Xp, 4052.86, digits(9));
    EXPECT_NEAR(s.Mrc.Xn, 4057.8975019, digits(7));
    // Mercury is drawn where it stood before the nudge.
    EXPECT_EQ(r.Mrc.left, float(4058.0375019 - 60));
    // The Earth's dot is its display point; the others' the centre of the placed box.
    EXPECT_EQ(r.Eth.dotX, float(s.Eth.Xn));
    EXPECT_EQ(r.Mon.dotX, float(double(r.Mon.left) + 50));
    EXPECT_FALSE(r.outerPlanets);
    EXPECT_EQ(s.Jup.Xn, 8090); // not advanced in the inner range
}

TEST(Tick, CometTailPointsAwayFromTheSun) {
    State s = sim::testing_data::StartUpState();
    const sim::TickResult r = sim::Tick(s, DesignInputs());
    ASSERT_TRUE(r.tailMoved);
    EXPECT_EQ(r.tail.x1, r.Com.left + 15);
    EXPECT_EQ(r.tail.y1, r.Com.top + 15);
    const double dx = double(r.tail.x2 - r.Com.left), dy = double(r.tail.y2 - r.Com.top);
    // Length K / distance, direction from the Sun through the comet.
    EXPECT_NEAR(std::hypot(dx, dy), 398107.15625 / s.RComn, 1e-3);
    // The end point is held in single precision near x = 10000 (a unit of 0.001 twips) on a
    // tail about 70 twips long.
    EXPECT_NEAR(dx / std::hypot(dx, dy), (s.Com.Xn - s.SunXn) / s.RComn, 1e-4);
}

TEST(Tick, HeldEarthStaysAndTheMoonCirclesIt) {
    State s = sim::testing_data::StartUpState();
    s.Ethstop = true;
    const sim::Body earth = s.Eth;
    for (int i = 0; i < 200; ++i) {
        const sim::TickResult r = sim::Tick(s, DesignInputs());
        EXPECT_FALSE(r.earthAdvanced);
        const double d = std::hypot(s.Mon.Xn - earth.Xn, s.Mon.Yn - earth.Yn);
        // The Moon's slightly eccentric orbit about the held Earth.
        EXPECT_GT(d, 110);
        EXPECT_LT(d, 170);
    }
    EXPECT_EQ(s.Eth.Xn, earth.Xn);
    EXPECT_EQ(s.Eth.Yp, earth.Yp);
    EXPECT_EQ(s.n, 0);
    // Released, it resumes exactly where it was.
    s.Ethstop = false;
    State fresh = sim::testing_data::StartUpState();
    sim::Tick(s, DesignInputs());
    sim::Tick(fresh, DesignInputs());
    EXPECT_EQ(s.Eth.Xn, fresh.Eth.Xn);
    EXPECT_EQ(s.Eth.Yn, fresh.Eth.Yn);
}

struct Decision {
    bool ethSt, tendoBtn, Ethstop, Tendo, advances;
};

TEST(Tick, EarthDecisionFromButtonStates) {
    // The three reachable states, and the combinations the buttons can be left in.
    for (const Decision& d : {Decision{true, true, false, false, true},   // normal
                              Decision{true, false, true, false, false},  // held
                              Decision{false, true, false, true, true},   // Earth-centred
                              Decision{false, false, false, true, false}, // both disabled
                              Decision{false, true, false, false, false}}) {
        State s;
        s.Ethstop = d.Ethstop;
        s.Tendo = d.Tendo;
        EXPECT_EQ(sim::EarthAdvances(s, d.ethSt, d.tendoBtn), d.advances)
            << d.ethSt << d.tendoBtn << d.Ethstop << d.Tendo;
    }
}

TEST(Tick, EarthCentredKeepsTheEarthAtThePinAndShiftsTheRest) {
    State s = sim::testing_data::StartUpState();
    s.Tendo = true;
    s.TendoXn = 2677.5;
    s.TendoYn = 4217.5;
    TickInputs in = DesignInputs();
    in.ethStEnabled = false;
    for (int i = 0; i < 50; ++i) {
        const sim::TickResult r = sim::Tick(s, in);
        EXPECT_EQ(r.Eth.left, float(2677.5 - 77.5));
        EXPECT_EQ(r.Eth.dotX, 2677.5f);
        const double offX = s.Eth.Xn - s.TendoXn;
        EXPECT_EQ(r.Sun.left, float(s.SunXn - offX - 175));
    }
}

TEST(Tick, RevolutionCountedOnceWhenTheEarthComesBackBelowTheLine) {
    struct Case {
        const char* name;
        double yBefore, yAfter; // Earth's y relative to the Sun's line
        std::int16_t m, n, nAfter, mAfter;
    };
    for (const Case& c : {Case{"crossesDownAfterBeingAbove", -1, 19, 1, 4, 5, 0},
                          Case{"endsExactlyOnTheLine", -20, 0, 1, 4, 4, 1},
                          Case{"endsOnTheLineNotYetAbove", -20, 0, 0, 4, 4, 0},
                          Case{"goesAbove", 10, -10, 0, 4, 4, 1},
                          Case{"holdsAtTheLargestCount", -1, 19, 1, 32767, 32767, 0}}) {
        State s;
        s.SunXn = 5000;
        s.SunYn = 4200;
        s.yo = true;
        // Straight-line motion: a zero pull keeps the step exact.
        s.Eth = {2680, 4200 + c.yBefore - (c.yAfter - c.yBefore), 2680, 4200 + c.yBefore, 0};
        s.m = c.m;
        s.n = c.n;
        s.Com = {9000, 9000, 9000, 9000, 0};
        sim::Tick(s, DesignInputs());
        EXPECT_EQ(s.Eth.Yn, 4200 + c.yAfter) << c.name;
        EXPECT_EQ(s.n, c.nAfter) << c.name;
        EXPECT_EQ(s.m, c.mAfter) << c.name;
    }
}

struct MissCase {
    const char* name;
    bool yo;
    double mrc, vns, eth, mas, jup, sat; // distances of each planet from the comet
    NearMiss expected;
};
void PrintTo(const MissCase& c, std::ostream* os) {
    *os << c.name;
}

class NearMissOrder : public testing::TestWithParam<MissCase> {};

TEST_P(NearMissOrder, FirstConditionInTheTableWins) {
    const MissCase& c = GetParam();
    State s;
    s.yo = c.yo;
    s.Com.Xn = 0;
    s.Com.Yn = 0;
    // Each planet straight below the comet at its distance.
    s.Mrc.Yn = c.mrc;
    s.Vns.Yn = c.vns;
    s.Eth.Yn = c.eth;
    s.Mas.Yn = c.mas;
    s.Jup.Yn = c.jup;
    s.Sat.Yn = c.sat;
    EXPECT_EQ(sim::CheckNearMiss(s), c.expected);
}

constexpr double far = 5000;
INSTANTIATE_TEST_SUITE_P(
    Table, NearMissOrder,
    testing::Values(
        MissCase{"mercuryBeforeVenus", false, 150, 150, far, far, far, far, NearMiss::Mercury},
        MissCase{"venusAtItsLimitIsNoMiss", false, far, 200, far, far, far, far, NearMiss::None},
        MissCase{"earthBeforeNearerMars", false, far, far, 199, 10, far, far, NearMiss::Earth},
        MissCase{"mercuryAt180IsNoMiss", false, 180, far, far, 179.9, far, far, NearMiss::Mars},
        MissCase{"hiddenJupiterSilencesSaturn", true, far, far, far, far, 240, 100, NearMiss::None},
        MissCase{"hiddenSaturnAlone", true, far, far, far, far, far, 100, NearMiss::None},
        MissCase{"jupiterShown", false, far, far, far, far, 240, 100, NearMiss::Jupiter},
        MissCase{"saturnShown", false, far, far, far, far, 250, 249, NearMiss::Saturn}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(TickFaults, ABodyAtItsCentreKeepsItsStateAndTheOthersMoveOn) {
    State s = sim::testing_data::StartUpState();
    s.Vns = {s.SunXn + 10, s.SunYn, s.SunXn, s.SunYn, 0.3}; // exactly at the Sun
    s.Com = {s.SunXn, s.SunYn, s.SunXn, s.SunYn, 0.3};      // the comet too: no tail
    const sim::Body venus = s.Vns;
    const sim::Body mars = s.Mas;
    const sim::TickResult r = sim::Tick(s, DesignInputs());
    EXPECT_EQ(s.Vns.Xn, venus.Xn);
    EXPECT_EQ(s.Vns.Xp, venus.Xp);
    EXPECT_NE(s.Mas.Xn, mars.Xn);
    EXPECT_FALSE(r.tailMoved);
    EXPECT_EQ(s.RComn, 0);
    EXPECT_TRUE(std::isfinite(r.Vns.left));
}

TEST(TickFaults, NoAbsurdNumberReachesAControl) {
    State s = sim::testing_data::StartUpState();
    const double huge = 1e300;
    s.Mas = {huge, huge, huge, huge, 0};
    const sim::TickResult r = sim::Tick(s, DesignInputs());
    for (float v : {r.Mas.left, r.Mas.top, r.Mas.dotX, r.Mas.dotY}) {
        EXPECT_TRUE(std::isfinite(v));
        EXPECT_LE(std::fabs(v), sim::kMaxControlTwips);
    }
    EXPECT_EQ(sim::ToControl(std::numeric_limits<double>::quiet_NaN()), 0.0f);
    EXPECT_EQ(sim::ToControl(-std::numeric_limits<double>::infinity()), -1.0e7f);
    EXPECT_EQ(sim::ToControl(4057.5), 4057.5f);
}

} // namespace

namespace {

struct NudgeCase {
    const char* name;
    bool outer;       // Syo
    double left, top; // Mercury's corner after its step (box 120 × 100)
    double shift;
};
void PrintTo(const NudgeCase& c, std::ostream* os) {
    *os << c.name;
}

class MercuryNudge : public testing::TestWithParam<NudgeCase> {};

TEST_P(MercuryNudge, OnlyInsideItsWindow) {
    const NudgeCase& c = GetParam();
    State s;
    s.SunXn = 20000; // far away: Mercury moves in a straight line
    s.SunYn = 20000;
    s.Syo = c.outer;
    s.yo = !c.outer;
    s.Ethstop = true;
    const double x = c.left + 60, y = c.top + 50;
    s.Mrc = {x, y - 2, x, y - 1, 0}; // the step lands it on (x, y)
    s.Com = {0, 0, 0, 0, 0};
    TickInputs in = DesignInputs();
    sim::Tick(s, in);
    EXPECT_EQ(s.Mrc.Xn, x - c.shift);
    EXPECT_EQ(s.Mrc.Xp, x - c.shift);
    EXPECT_EQ(s.Mrc.Yn, y);
}

INSTANTIATE_TEST_SUITE_P(
    Window, MercuryNudge,
    testing::Values(NudgeCase{"innerTopEdgeIsInside", false, 4000, 4200, 0.14},
                    NudgeCase{"innerBottomEdgeIsOutside", false, 4000, 4250, 0},
                    NudgeCase{"innerJustAbove", false, 4000, 4199.5, 0},
                    NudgeCase{"innerLimitIsOutside", false, 4010, 4220, 0},
                    NudgeCase{"innerFarLeft", false, 100, 4249.5, 0.14},
                    NudgeCase{"outerInside", true, 1599.5, 4200, 0.5},
                    NudgeCase{"outerLimitIsOutside", true, 1600, 4220, 0},
                    NudgeCase{"outerIgnoresTheInnerLimit", true, 3000, 4220, 0}),
    [](const auto& p) { return std::string(p.param.name); });

} // namespace
