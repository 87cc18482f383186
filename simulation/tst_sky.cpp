// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the Earth view places a body: by its direction from the Earth, at its own radius.

#include "simulation/sky.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr sim::Point kEarth{5000, 4000};
constexpr sim::Point kCentre{4000, 3600};
constexpr double kHankei = 3000;

sim::SkyPoint Project(sim::Point body, std::int16_t hosei, double previous = 0.25) {
    return sim::ProjectToSky({kEarth, body, kCentre, kHankei, hosei, previous});
}

struct Direction {
    const char* what;
    sim::Point body;
    std::int16_t hosei;
    double x, y; // expected, from the centre plus R in the body's direction
};

class SkyDirection : public ::testing::TestWithParam<Direction> {};

TEST_P(SkyDirection, LandsOnItsCircleInItsDirection) {
    const Direction& d = GetParam();
    const sim::SkyPoint p = Project(d.body, d.hosei);
    EXPECT_NEAR(p.X2t, d.x, 1e-9) << d.what;
    EXPECT_NEAR(p.Y2t, d.y, 1e-9) << d.what;
}

const double kR45 = (kHankei - 100) * std::cos(std::atan(1.0));

INSTANTIATE_TEST_SUITE_P(
    Bodies, SkyDirection,
    ::testing::Values(
        Direction{"level, right", {6000, 4000}, -550, 4000 + 2450, 3600},
        Direction{"level, left", {1000, 4000}, 100, 4000 - 3100, 3600},
        Direction{"up right at 45 degrees", {5500, 3500}, -100, 4000 + kR45, 3600 - kR45},
        Direction{"down left at 45 degrees", {4500, 4500}, -100, 4000 - kR45, 3600 + kR45},
        Direction{"far on the same ray", {9000, 0}, -100, 4000 + kR45, 3600 - kR45}));

TEST(Sky, StraightAboveKeepsThePreviousAngleOnTheLeftHandSide) {
    const double previous = 0.4;
    const sim::SkyPoint p = Project({5000, 1000}, 0, previous);
    EXPECT_EQ(p.Kakudo, previous);
    EXPECT_EQ(p.X2t, 4000 - kHankei * std::cos(previous));
    EXPECT_EQ(p.Y2t, 3600 - kHankei * std::sin(previous));
}

TEST(Sky, ShiftingEverythingChangesNothing) {
    const sim::SkyPoint a = Project({7000, 2500}, -250);
    const sim::SkyPoint b = sim::ProjectToSky(
        {{kEarth.x + 1234, kEarth.y - 567}, {7000 + 1234, 2500 - 567}, kCentre, kHankei, -250, 0});
    EXPECT_DOUBLE_EQ(a.X2t, b.X2t);
    EXPECT_DOUBLE_EQ(a.Y2t, b.Y2t);
}

} // namespace
