// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A million ticks in each range: the Earth keeps its year and the comet its orbit.

#include "simulation/design_centres.h"
#include "simulation/tick.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <vector>

namespace {

using sim::State;

struct RangeCase {
    const char* name;
    bool outer;
    int year; // ticks per revolution of the Earth
};
void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.name;
}

State StartIn(const RangeCase& c) {
    return c.outer ? sim::testing_data::OuterRangeState() : sim::testing_data::StartUpState();
}

class LongRun : public testing::TestWithParam<RangeCase> {};

TEST_P(LongRun, EarthKeepsItsYearAndTheCometItsOrbit) {
    const RangeCase& c = GetParam();
    State s = StartIn(c);
    const sim::TickInputs in = sim::testing_data::DesignInputs();

    std::vector<long> counted;
    std::vector<double> perihelia, aphelia;
    double r1 = 0, r2 = 0;
    for (long t = 1; t <= 1'000'000; ++t) {
        const std::int16_t n = s.n;
        sim::Tick(s, in);
        if (s.n != n)
            counted.push_back(t);
        const double r = s.RComn;
        if (t > 2 && r1 < r2 && r1 < r)
            perihelia.push_back(r1);
        if (t > 2 && r1 > r2 && r1 > r)
            aphelia.push_back(r1);
        r2 = r1;
        r1 = r;
    }

    ASSERT_GT(counted.size(), 1000u);
    for (std::size_t i = 1; i < counted.size(); ++i)
        ASSERT_NEAR(counted[i] - counted[i - 1], c.year, 1) << "revolution " << i;
    ASSERT_GT(perihelia.size(), 100u);
    // The comet's orbit neither shrinks nor grows: the same closest and farthest distances
    // after a million ticks as on its first pass, to a fraction of a twip.
    EXPECT_NEAR(perihelia.back(), perihelia.front(), 0.5);
    EXPECT_NEAR(aphelia.back(), aphelia.front(), 0.5);
    // Whatever happened to the others, nothing in the state stopped being a number.
    for (const sim::Body* b : {&s.Eth, &s.Mon, &s.Mrc, &s.Vns, &s.Mas, &s.Jup, &s.Sat, &s.Com})
        EXPECT_TRUE(std::isfinite(b->Xn) && std::isfinite(b->Yn) && std::isfinite(b->Vn));
}

INSTANTIATE_TEST_SUITE_P(Ranges, LongRun,
                         testing::Values(RangeCase{"inner", false, 730},
                                         RangeCase{"outer", true, 314}),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
