// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's logic on the headless backend: start-up, run controls and their timers,
// keyboard roles, the tick as the window shows it, messages and trails (the view ranges, the
// modes, the counter and the ending are in tst_ranges.cpp).

#include "main_window/expected_texts.h"
#include "main_window/tst_support.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

using namespace controls;
using namespace testing_support;

namespace {

// Ticks of TmrWE that fire while the clock moves on by `ms`, one millisecond at a time; the
// time of the first one in `first`.
int TicksDuring(Rig& r, int ms, int* first = nullptr) {
    int ticks = 0;
    for (int t = 1; t <= ms; ++t) {
        const double y = r.w.s.Eth.Yn;
        r.backend.Advance(1);
        if (r.w.s.Eth.Yn != y && ticks++ == 0 && first)
            *first = t;
    }
    return ticks;
}

TEST(StartUp, StateAsLoaded) {
    Rig r;
    EXPECT_EQ(TopLeft(r.w.shpCom), (XY{10500, 7000}));
    EXPECT_EQ(From(r.w.LinTail), (XY{10500, 7000}));
    EXPECT_EQ(To(r.w.LinTail), (XY{10500, 7000}));
    EXPECT_FALSE(r.w.cmdFrm2->Enabled());
    EXPECT_EQ(r.w.TmrWE.Interval(), 0);
    EXPECT_EQ(r.w.TmrMes.Interval(), 0);
    EXPECT_FALSE(r.w.lblTomeru->Visible());
    EXPECT_FALSE(r.w.lblMes->Visible());
    EXPECT_TRUE(r.ScaleVisible(true));
    EXPECT_EQ(r.w.ScaleGroup().size(), 27u);
    EXPECT_EQ(r.w.lblMes->Top(), 7635 - 700); // the first resize, when first shown
    EXPECT_TRUE(r.w.cmdSTR[0]->HasFocus());
    EXPECT_EQ(r.backend.DotsDrawn(r.w), 0);
    EXPECT_EQ(r.backend.DotAt(r.w, 5005, 4215), (Color{32, 32, 32}));
    EXPECT_EQ(TicksDuring(r, 1000), 0);
}

class Start : public testing::TestWithParam<std::array<int, 2>> {};

TEST_P(Start, RunsAtItsIntervalUntilStopped) {
    const auto [index, interval] = GetParam();
    Rig r;
    r.w.cmdSTR[std::size_t(index)]->Click();
    EXPECT_EQ(r.w.TmrWE.Interval(), interval);
    EXPECT_TRUE(r.ScaleVisible(false));
    EXPECT_TRUE(r.w.picSun->Visible() && r.w.lblEthYear->Visible() && r.w.shpCom->Visible());
    EXPECT_TRUE(r.w.cmdSTP->HasFocus());
    EXPECT_FALSE(r.w.cmdSyo->Enabled());
    int first = 0;
    EXPECT_EQ(TicksDuring(r, 1800, &first), 1800 / interval);
    EXPECT_EQ(first, interval);
    r.w.cmdSTP->Click();
    EXPECT_EQ(r.w.TmrWE.Interval(), 0);
    EXPECT_TRUE(r.w.cmdSTR[0]->HasFocus());
    EXPECT_TRUE(r.w.cmdSyo->Enabled());
    const sim::State before = r.w.s;
    EXPECT_EQ(TicksDuring(r, 1000), 0);
    // Starting again resumes from the same state at full pace.
    r.w.cmdSTR[0]->Click();
    EXPECT_EQ(r.w.s.Eth.Xn, before.Eth.Xn);
    EXPECT_EQ(TicksDuring(r, 400), 10);
}

INSTANTIATE_TEST_SUITE_P(Paces, Start,
                         testing::Values(std::array{0, 40}, std::array{1, 60}, std::array{2, 100},
                                         std::array{3, 180}));

TEST(Start, TwoClicksWithinOneTickKeepTheLastPaceFromTheLastClick) {
    Rig r;
    r.w.cmdSTR[0]->Click();
    r.backend.Advance(20);
    r.w.cmdSTR[3]->Click();
    int first = 0;
    EXPECT_EQ(TicksDuring(r, 360, &first), 2);
    EXPECT_EQ(first, 180);
    // Start and stop between two ticks: nothing moves.
    r.w.cmdSTP->Click();
    r.w.cmdSTR[0]->Click();
    r.backend.Advance(39);
    r.w.cmdSTP->Click();
    EXPECT_EQ(TicksDuring(r, 200), 0);
}

TEST(Keyboard, TabOrderEnterAndEsc) {
    Rig r;
    const char* order[] = {"cmdSTR(0)", "cmdSTP",    "cmdEthST",  "cmdClr",
                           "cmdSyo",    "cmdEndWE",  "cmdTendo",  "cmdFrm2",
                           "cmdSTR(1)", "cmdSTR(2)", "cmdSTR(3)", "lblEthYear"};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(r.w.Find(order[i])->TabIndex(), i) << order[i];
    // Enter presses the focused button: start, which moves the focus to stop; then stop.
    EXPECT_TRUE(r.w.KeyDown(Key::Enter));
    EXPECT_EQ(r.w.TmrWE.Interval(), 40);
    EXPECT_TRUE(r.w.KeyDown(Key::Enter));
    EXPECT_EQ(r.w.TmrWE.Interval(), 0);
    // The counter, reached by Tab, is pressed by Space and Enter.
    r.w.s.n = 3;
    r.w.lblEthYear->setCaption("3");
    r.w.lblEthYear->SetFocus();
    EXPECT_TRUE(r.w.KeyDown(Key::Space));
    EXPECT_EQ(r.w.lblEthYear->Caption(), "0");
    EXPECT_EQ(r.w.s.n, 0);
    // With the focus on no control, Enter starts at the slowest pace.
    r.w.FocusMovedTo(nullptr);
    EXPECT_TRUE(r.w.KeyDown(Key::Enter));
    EXPECT_EQ(r.w.TmrWE.Interval(), 180);
    EXPECT_TRUE(r.w.KeyDown(Key::Escape));
    EXPECT_TRUE(r.backend.quitRequested);
    EXPECT_FALSE(r.w.Loaded());
}

// Every planet at rest on one line with the comet, which rests at (1000, 1000), at its
// distance to the right of it.
void PlaceAround(sim::State& s, const std::array<double, 6>& d) {
    s.Com = {1000, 1000, 1000, 1000, 0};
    s.Mon = {3000, 9000, 3000, 9000, 0};
    sim::Body* planets[] = {&s.Mrc, &s.Vns, &s.Eth, &s.Mas, &s.Jup, &s.Sat};
    for (std::size_t i = 0; i < 6; ++i)
        *planets[i] = {1000 + d[i], 1000, 1000 + d[i], 1000, 0};
}

struct Miss {
    const char* name;
    bool saturnRange;
    std::array<double, 6> d; // Mercury, Venus, Earth, Mars, Jupiter, Saturn
    const char* reported;    // the body of the message, or none
};
void PrintTo(const Miss& m, std::ostream* os) {
    *os << m.name;
}

class NearMiss : public testing::TestWithParam<Miss> {};

TEST_P(NearMiss, ThresholdOrderAndMessage) {
    const Miss& m = GetParam();
    Rig r;
    if (m.saturnRange)
        r.w.cmdSyo->Click();
    PlaceAround(r.w.s, m.d);
    r.w.TmrWE_Timer();
    if (!m.reported) {
        EXPECT_FALSE(r.w.lblMes->Visible());
        EXPECT_EQ(r.backend.beeps, 0);
        EXPECT_EQ(r.w.TmrMes.Interval(), 0);
        EXPECT_TRUE(r.backend.announcements.empty());
        return;
    }
    const std::string text = expected::Find(expected::When::NearMiss, m.reported);
    EXPECT_TRUE(r.w.lblMes->Visible());
    EXPECT_EQ(r.w.lblMes->Caption(), text);
    EXPECT_EQ(r.backend.beeps, 1);
    EXPECT_EQ(r.w.TmrMes.Interval(), 3500);
    EXPECT_EQ(r.backend.announcements, std::vector<std::string>{text});
    r.w.TmrWE_Timer(); // still near: a beep in every tick
    EXPECT_EQ(r.backend.beeps, 2);
}

constexpr double F = 10000; // far
constexpr double in = 1e-3; // just inside a threshold
INSTANTIATE_TEST_SUITE_P(
    Table, NearMiss,
    testing::Values(Miss{"Mercury", false, {180 - in, F, F, F, F, F}, "Mercury"},
                    Miss{"MercuryAt180", false, {180, F, F, F, F, F}, nullptr},
                    Miss{"Venus", false, {F, 200 - in, F, F, F, F}, "Venus"},
                    Miss{"VenusAt200", false, {F, 200, F, F, F, F}, nullptr},
                    Miss{"Earth", false, {F, F, 200 - in, F, F, F}, "Earth"},
                    Miss{"EarthAt200", false, {F, F, 200, F, F, F}, nullptr},
                    Miss{"Mars", false, {F, F, F, 180 - in, F, F}, "Mars"},
                    Miss{"MarsAt180", false, {F, F, F, 180, F, F}, nullptr},
                    Miss{"Jupiter", true, {F, F, F, F, 250 - in, F}, "Jupiter"},
                    Miss{"JupiterAt250", true, {F, F, F, F, 250, F}, nullptr},
                    Miss{"Saturn", true, {F, F, F, F, F, 250 - in}, "Saturn"},
                    Miss{"SaturnAt250", true, {F, F, F, F, F, 250}, nullptr},
                    Miss{"MercuryBeforeVenus", false, {150, 150, F, F, F, F}, "Mercury"},
                    Miss{"EarthBeforeNearerMars", false, {F, F, 199, 10, F, F}, "Earth"},
                    Miss{"JupiterBeforeSaturn", true, {F, F, F, F, 249, 1}, "Jupiter"},
                    Miss{"HiddenJupiterSilencesSaturn", false, {F, F, F, F, 240, 100}, nullptr},
                    Miss{"VenusBeforeNearerEarth", false, {F, 199, 5, F, F, F}, "Venus"},
                    Miss{"MarsBeforeNearerJupiter", true, {F, F, F, 179, 5, F}, "Mars"},
                    Miss{"MarsBeforeHiddenJupiter", false, {F, F, F, 179, 5, F}, "Mars"},
                    Miss{"MercuryBeforeAllOthers", true, {179, 5, 5, 5, 5, 5}, "Mercury"},
                    Miss{"EarthBeforeSaturn", true, {F, F, 199, F, F, 5}, "Earth"},
                    Miss{"VenusOutOfReachEarthIn", false, {F, 200, 199, F, F, F}, "Earth"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(Message, HiddenByTheMessageTimerWhichGoesOnFiring) {
    Rig r;
    PlaceAround(r.w.s, {F, F, 100, F, F, F});
    r.w.TmrWE_Timer();
    PlaceAround(r.w.s, {F, F, F, F, F, F});
    r.backend.Advance(3499);
    EXPECT_TRUE(r.w.lblMes->Visible());
    r.backend.Advance(1);
    EXPECT_FALSE(r.w.lblMes->Visible());
    EXPECT_EQ(r.w.TmrMes.Interval(), 3500);
    r.w.lblMes->setVisible(true);
    r.backend.Advance(3500);
    EXPECT_FALSE(r.w.lblMes->Visible());
}

class Resize : public testing::TestWithParam<std::array<double, 2>> {};

TEST_P(Resize, MessageLineKeeps700AboveTheBottom) {
    const auto [width, height] = GetParam();
    Rig r;
    r.w.Resized(width, height);
    EXPECT_EQ((XY{r.w.ScaleWidth(), r.w.ScaleHeight()}), (XY{width, height}));
    EXPECT_EQ(double(r.w.lblMes->Top()), height - 700);
    EXPECT_EQ(TopLeft(r.w.lblMes).x, 1080);
    EXPECT_EQ(TopLeft(r.w.picSun), (XY{4830, 4040})); // nothing else moves
}

INSTANTIATE_TEST_SUITE_P(Sizes, Resize,
                         testing::Values(std::array{10560.0, 7635.0}, std::array{12000.0, 10500.0},
                                         std::array{4500.0, 600.0}, std::array{12000.0, 7635.0},
                                         std::array{10560.0, 9000.0}, std::array{10560.0, 5000.0}));

// Every body leaves its dot, in its colour, at the centre of its box after the move.
TEST(Trails, EachBodyInItsColour) {
    Rig r;
    r.w.Resized(13000, 8000); // Saturn and the comet start beyond the design size
    r.w.cmdSyo->Click();      // every body moves in this range
    r.w.TmrWE_Timer();
    const struct {
        const Control* body;
        Color colour;
    } rows[] = {
        {r.w.picEth, {0, 0, 255}},   {r.w.picMon, {128, 128, 0}},   {r.w.picSun, {255, 255, 0}},
        {r.w.picMrc, {0, 128, 128}}, {r.w.picVns, {192, 192, 192}}, {r.w.picMas, {128, 0, 0}},
        {r.w.picJup, {0, 128, 128}}, {r.w.picSat, {0, 128, 128}},   {r.w.shpCom, {0, 128, 128}}};
    for (const auto& row : rows) {
        const XY c = Centre(row.body);
        EXPECT_EQ(r.backend.DotAt(r.w, c.x, c.y), row.colour) << row.body->Name();
    }
    // Erasing paints over them; the next tick draws again.
    r.w.cmdClr->Click();
    for (const auto& row : rows)
        EXPECT_EQ(r.backend.DotAt(r.w, Centre(row.body).x, Centre(row.body).y),
                  (Color{32, 32, 32}));
    EXPECT_EQ(r.w.DrawWidth(), 1);
    EXPECT_TRUE(r.w.cmdSTP->HasFocus());
    r.w.TmrWE_Timer();
    EXPECT_EQ(r.backend.DotAt(r.w, Centre(r.w.picSun).x, Centre(r.w.picSun).y),
              (Color{255, 255, 0}));
}

TEST(Trails, TheCometsTailPointsAwayFromTheSun) {
    Rig r;
    for (int i = 0; i < 200; ++i) {
        r.w.TmrWE_Timer();
        const Line& t = *r.w.LinTail;
        EXPECT_EQ(t.X1(), r.w.shpCom->Left() + 15);
        EXPECT_EQ(t.Y1(), r.w.shpCom->Top() + 15);
        const double tx = double(t.X2()) - double(r.w.shpCom->Left()),
                     ty = double(t.Y2()) - double(r.w.shpCom->Top());
        const double sx = r.w.s.SunXn - r.w.s.Com.Xn, sy = r.w.s.SunYn - r.w.s.Com.Yn;
        const double dist = std::hypot(sx, sy);
        ASSERT_NEAR(std::hypot(tx, ty), 398107.15625 / dist, 1e-2);
        ASSERT_NEAR(tx * sx + ty * sy, -std::hypot(tx, ty) * dist, 1e-2 * dist); // opposite
    }
}

} // namespace
