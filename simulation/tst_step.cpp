// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulation/step.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <ostream>

using sim::Body;
using sim::StepBody;

namespace {

// Tolerance of a worked figure: half a unit in its last printed digit.
constexpr double digits(int n) {
    return 0.5 * std::pow(10.0, -n);
}

double radius(const Body& b, double cx, double cy) {
    return std::hypot(b.Xn - cx, b.Yn - cy);
}

TEST(StepBody, WorkedStepOnUnitCircleOfThousand) {
    Body b{1000, -10, 1000, 0, 0.4};
    StepBody(0, 0, b);
    EXPECT_EQ(b.Xp, 1000);
    EXPECT_EQ(b.Yp, 0);
    EXPECT_NEAR(b.Xn, 999.59996, digits(5));
    EXPECT_NEAR(b.Yn, 10, digits(12));
    EXPECT_NEAR(b.Vn, 0.40004, digits(5));
}

struct OrbitCase {
    const char* name;
    double cx, cy;
    Body start;
    int steps;
    double minR, maxR; // the bounds quoted, to their printed digits
};
void PrintTo(const OrbitCase& c, std::ostream* os) {
    *os << c.name;
}

class BoundedOrbit : public testing::TestWithParam<OrbitCase> {};

TEST_P(BoundedOrbit, StaysWithinItsRing) {
    const OrbitCase& c = GetParam();
    Body b = c.start;
    double lo = std::numeric_limits<double>::max(), hi = 0;
    for (int i = 0; i < c.steps; ++i) {
        StepBody(c.cx, c.cy, b);
        lo = std::min(lo, radius(b, c.cx, c.cy));
        hi = std::max(hi, radius(b, c.cx, c.cy));
    }
    EXPECT_NEAR(lo, c.minR, 0.05);
    EXPECT_NEAR(hi, c.maxR, 0.05);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BoundedOrbit,
    testing::Values(
        OrbitCase{"speed20radius1000", 0, 0, {1000, -20, 1000, 0, 0.4}, 3000, 989.8, 1009.8},
        OrbitCase{"earthLikeMarsRange",
                  5005,
                  4215,
                  {2677.5, 4197.5, 2677.5, 4217.5, 0.172},
                  730 * 4,
                  2317.8,
                  2333.3}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(StepBody, EarthLikeOrbitCrossesTheLineEvery730Steps) {
    Body b{2677.5, 4197.5, 2677.5, 4217.5, 0.172};
    const double Xs = 5005, Ys = 4215;
    int crossings = 0;
    for (int step = 1; step <= 730 * 5; ++step) {
        const double before = b.Yn;
        StepBody(Xs, Ys, b);
        // Downwards across the centre's line on the left side.
        if (b.Xn < Xs && before <= Ys && b.Yn > Ys) {
            ++crossings;
            EXPECT_EQ(step, 730 * crossings) << "crossing " << crossings;
        }
    }
    EXPECT_EQ(crossings, 5);
}

TEST(StepBody, LeavesTheCentreAloneAndMovesStraightFromIt) {
    // rp = 0 gives no pull at all: the body goes on in a straight line.
    Body b{0, 0, 3, 4, 0.5};
    StepBody(0, 0, b);
    EXPECT_EQ(b.Xn, 6);
    EXPECT_EQ(b.Yn, 8);
    EXPECT_EQ(b.Vn, 0);
}

TEST(StepBodyChecked, RefusesAStepThatIsNotFinite) {
    struct Fault {
        Body b;
        const char* why;
    };
    const double big = std::numeric_limits<double>::max();
    for (const Fault& f : {Fault{{10, 0, 0, 0, 0.4}, "body exactly at its centre"},
                           Fault{{0, 0, 0, 0, 0.4}, "body and its past at the centre"},
                           Fault{{1000, -20, 1000, 0, big}, "absurd acceleration overflows"}}) {
        Body b = f.b;
        EXPECT_FALSE(sim::StepBodyChecked(0, 0, b)) << f.why;
        EXPECT_EQ(b.Xn, f.b.Xn) << f.why;
        EXPECT_EQ(b.Yn, f.b.Yn) << f.why;
        EXPECT_EQ(b.Xp, f.b.Xp) << f.why;
        EXPECT_EQ(b.Vn, f.b.Vn) << f.why;
    }
    Body ok{1000, -10, 1000, 0, 0.4};
    EXPECT_TRUE(sim::StepBodyChecked(0, 0, ok));
    EXPECT_NEAR(ok.Xn, 999.59996, digits(5));
}

} // namespace
