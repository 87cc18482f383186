// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's logic on the headless backend, continued: the view ranges, the modes, the
// revolution counter and the ending.

#include "main_window/tst_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>
#include <utility>

using namespace controls;
using namespace testing_support;

namespace {

// The range tables: every body's box, tick line and labels, in both ranges.
struct RangeRow {
    const char* box;
    const char* tick; // none for the Moon
    float tickTop;
    const char* name;
    float nameOffset;
    const char* distance; // none for the Moon
    float distanceOffset;
    double marsX, saturnX;
};
void PrintTo(const RangeRow& r, std::ostream* os) {
    *os << r.box;
}

class Range : public testing::TestWithParam<RangeRow> {};

TEST_P(Range, BodiesAndTheirScaleInBothRanges) {
    const RangeRow& row = GetParam();
    Rig r;
    for (int click = 1; click <= 3; ++click) {
        r.w.cmdSyo->Click();
        const bool saturn = click % 2 == 1;
        const double x = saturn ? row.saturnX : row.marsX;
        const Control* box = r.w.Find(row.box);
        EXPECT_EQ(Centre(box), (XY{x, 4200})) << click;
        EXPECT_TRUE(box->Visible());
        if (row.tick) {
            const auto* tick = static_cast<const Line*>(r.w.Find(row.tick));
            EXPECT_EQ(tick->X1(), x);
            EXPECT_EQ(tick->X2(), x);
            const bool venus = std::string(row.tick) == "Line3";
            EXPECT_EQ(tick->Y1(), row.tickTop);
            EXPECT_EQ(tick->Y2(), venus && saturn ? 5400 : 5050);
        }
        EXPECT_EQ(r.w.Find(row.name)->Left(), box->Left() + row.nameOffset);
        if (row.distance) {
            const Control* d = r.w.Find(row.distance);
            EXPECT_EQ(d->Left(), box->Left() + row.distanceOffset);
            const bool venus = std::string(row.distance) == "lblVnsN";
            EXPECT_EQ(d->Top(), venus && saturn ? 5500 : 5160);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Range,
    testing::Values(RangeRow{"picSun", "Line5", 4500, "lblSun", -60, "lblSunN", 60, 5000, 2000},
                    RangeRow{"picMrc", "Line4", 4700, "lblMrc", -100, "lblMrcN", -60, 4050, 1600},
                    RangeRow{"picVns", "Line3", 4500, "lblVns", -100, "lblVnsN", -50, 3380, 1300},
                    RangeRow{"picEth", "Line2", 4700, "lblEth", -170, "lblEthN", -70, 2680, 1000},
                    RangeRow{"picMon", nullptr, 0, "lblMon", -140, nullptr, 0, 2520, 867.5},
                    RangeRow{"picMas", "Line6", 4500, "lblMas", -200, "lblMasN", -70, 1650, 550},
                    RangeRow{"picJup", "Line7", 4500, "lblJup", -100, "lblJupN", -20, 8070, 7220},
                    RangeRow{"picSat", "Line8", 4500, "lblSat", -90, "lblSatN", -10, 9570, 11515}),
    [](const auto& p) { return std::string(p.param.box); });

struct Axis {
    float x1, x2;
    friend bool operator==(Axis, Axis) = default;
};
Axis Span(const Line* l) {
    EXPECT_EQ(l->Y1(), 4200);
    EXPECT_EQ(l->Y2(), 4200);
    return {l->X1(), l->X2()};
}

TEST(Range, EverythingElseAndTheCometsRestartAfterEachSwitch) {
    Rig r;
    while (r.w.s.n == 0)
        r.w.TmrWE_Timer(); // a first revolution counted and shown
    r.w.HideScale();
    for (int click = 1; click <= 4; ++click) {
        r.Ticks(30); // the switch restarts from wherever the motion was
        if (click == 2) {
            EXPECT_EQ(r.w.lblEthYear->Caption(), "0"); // the next tick wrote the new count
        }
        r.w.cmdSyo->Click();
        if (click == 1) {
            EXPECT_EQ(r.w.lblEthYear->Caption(), "1"); // the old count, until a tick
        }
        const bool saturn = click % 2 == 1;
        const sim::State& s = r.w.s;
        EXPECT_EQ(s.Syo, saturn);
        EXPECT_EQ(s.yo, !saturn);
        const XY comet = saturn ? XY{11000, 6800} : XY{10500, 7000};
        EXPECT_EQ(TopLeft(r.w.shpCom), comet);
        EXPECT_EQ(From(r.w.LinTail), comet);
        EXPECT_EQ(To(r.w.LinTail), comet);
        EXPECT_EQ((XY{s.ComXnp, s.ComYnp}), saturn ? (XY{-0.6, 1}) : (XY{-5, 4}));
        EXPECT_EQ((XY{s.Com.Xn, s.Com.Yn}), (XY{comet.x + 30, comet.y + 30}));
        EXPECT_NEAR(s.Com.Xp - s.Com.Xn, saturn ? -0.6 : -5, 1e-9);
        EXPECT_NEAR(s.Com.Yp - s.Com.Yn, saturn ? 1 : 4, 1e-9);
        EXPECT_EQ(Span(r.w.Line1), (Axis{saturn && click == 1 ? 456.f : 450.f, 6960}));
        EXPECT_EQ(Span(r.w.Line9), saturn ? (Axis{6960, 11900}) : (Axis{7200, 10080}));
        EXPECT_EQ(r.w.Line10->Visible(), !saturn);
        EXPECT_EQ(r.w.Line11->Visible(), !saturn);
        // The scale is shown again, less the break marks in the Saturn range.
        for (const Control* c : r.w.ScaleGroup())
            EXPECT_EQ(c->Visible(), !saturn || (c != r.w.Line10 && c != r.w.Line11)) << c->Name();
        EXPECT_FALSE(r.w.lblTomeru->Visible());
        EXPECT_EQ(r.w.s.n, 0);
        EXPECT_TRUE(r.w.cmdSTR[0]->HasFocus());
        if (saturn) {
            EXPECT_EQ(s.Eth.Vn, 0.4);
            EXPECT_EQ(s.Mon.Vn, 0.8);
            EXPECT_NEAR(s.Mon.Yn - s.Mon.Yp, 10.2, 1e-9);
        } else {
            EXPECT_EQ(s.Eth.Vn, 0.172);
        }
    }
}

TEST(Range, ASwitchWhileRunningOnlyMovesTheFocus) {
    Rig r;
    r.w.TmrWE.setInterval(40); // as the Earth view starts it, leaving the switch enabled
    r.backend.Advance(200);
    r.w.cmdSTP->SetFocus();
    const sim::State before = r.w.s;
    const XY sun = TopLeft(r.w.picSun);
    r.w.cmdSyo->Click();
    EXPECT_TRUE(r.w.cmdSTR[0]->HasFocus());
    EXPECT_EQ(r.w.s.Eth.Xn, before.Eth.Xn);
    EXPECT_EQ(r.w.s.Syo, before.Syo);
    EXPECT_EQ(TopLeft(r.w.picSun), sun);
    EXPECT_TRUE(r.ScaleVisible(true));
    // The switch itself is disabled by the start buttons: a click then does nothing at all.
    r.w.cmdSTR[0]->Click();
    r.w.cmdSTP->SetFocus();
    r.w.cmdSyo->Click();
    EXPECT_TRUE(r.w.cmdSTP->HasFocus());
}

// The three button states and the Earth in the tick.
TEST(Modes, ThreeStatesAndTheFourthUnreachable) {
    Rig r;
    struct State {
        bool ethSt, tendo, frm2, Ethstop, Tendo;
    };
    auto check = [&r](State e, int line) {
        EXPECT_EQ(r.w.cmdEthST->Enabled(), e.ethSt) << line;
        EXPECT_EQ(r.w.cmdTendo->Enabled(), e.tendo) << line;
        EXPECT_EQ(r.w.cmdFrm2->Enabled(), e.frm2) << line;
        EXPECT_EQ(r.w.s.Ethstop, e.Ethstop) << line;
        EXPECT_EQ(r.w.s.Tendo, e.Tendo) << line;
    };
    const State normal{true, true, false, false, false}, held{true, false, false, true, false},
        centred{false, true, true, false, true};
    check(normal, __LINE__);
    r.w.cmdEthST->Click();
    check(held, __LINE__);
    r.w.cmdTendo->Click(); // disabled
    check(held, __LINE__);
    r.w.cmdFrm2->Click(); // disabled
    EXPECT_EQ(r.w.EarthView(), nullptr);
    r.w.cmdEthST->Click();
    check(normal, __LINE__);
    r.w.cmdTendo->Click();
    check(centred, __LINE__);
    r.w.cmdEthST->Click(); // disabled
    check(centred, __LINE__);
    r.w.cmdTendo->Click();
    check(normal, __LINE__);
}

TEST(Modes, HeldEarthStaysWithoutDotsOrCountWhileTheMoonCirclesIt) {
    Rig r;
    r.Ticks(100);
    r.w.cmdEthST->Click();
    const XY earth = TopLeft(r.w.picEth);
    const long dots = r.backend.DotsDrawn(r.w);
    r.w.s.m = 1; // a count would be due if the Earth moved below the line
    r.Ticks(200);
    EXPECT_EQ(TopLeft(r.w.picEth), earth);
    EXPECT_EQ(r.backend.DotsDrawn(r.w) - dots, 200 * 6); // every body but the Earth
    EXPECT_EQ(r.w.lblEthYear->Caption(), "0");
    const XY e = Centre(r.w.picEth), m = Centre(r.w.picMon);
    EXPECT_LT(std::hypot(m.x - e.x, m.y - e.y), 200);
}

TEST(Modes, EarthCentredPinsTheEarthAndShiftsEveryOtherBodyOnBothAxes) {
    Rig r;
    r.Ticks(40);
    r.w.cmdTendo->Click();
    const XY pin = Centre(r.w.picEth);
    EXPECT_EQ((XY{r.w.s.TendoXn, r.w.s.TendoYn}), pin);
    for (int i = 0; i < 300; ++i) {
        r.w.TmrWE_Timer();
        const sim::State& s = r.w.s;
        const XY off{s.Eth.Xn - s.TendoXn, s.Eth.Yn - s.TendoYn};
        ASSERT_EQ(Centre(r.w.picEth), pin);
        ASSERT_EQ(r.backend.DotAt(r.w, pin.x, pin.y), (Color{0, 0, 255}));
        for (auto [box, b] : {std::pair{r.w.picMon, s.Mon}, std::pair{r.w.picVns, s.Vns},
                              std::pair{r.w.picMas, s.Mas}}) {
            ASSERT_NEAR(Centre(box).x, b.Xn - off.x, 1e-3);
            ASSERT_NEAR(Centre(box).y, b.Yn - off.y, 1e-3);
        }
        ASSERT_NEAR(Centre(r.w.picSun).x, s.SunXn - off.x, 1e-3);
        ASSERT_NEAR(Centre(r.w.picSun).y, s.SunYn - off.y, 1e-3);
    }
    // A switch of range keeps the pin: the next tick puts the Earth back on it.
    r.w.cmdSyo->Click();
    EXPECT_EQ((XY{r.w.s.TendoXn, r.w.s.TendoYn}), pin);
    r.w.TmrWE_Timer();
    EXPECT_EQ(Centre(r.w.picEth), pin);
}

TEST(Counter, CountsShowsAndResetsWithoutRestartingTheRevolution) {
    Rig r;
    r.w.cmdSTR[0]->Click();
    int ticks = 0;
    while (r.w.s.n == 0 && ticks < 2000) {
        r.backend.Advance(40);
        ++ticks;
    }
    EXPECT_EQ(r.w.lblEthYear->Caption(), "1");
    r.Ticks(400); // past the top of the orbit
    const std::int16_t m = r.w.s.m;
    r.w.lblEthYear->Click();
    EXPECT_EQ(r.w.lblEthYear->Caption(), "0");
    EXPECT_EQ(r.w.s.n, 0);
    EXPECT_EQ(r.w.s.m, m);
    int after = 0;
    while (r.w.s.n == 0 && after < 2000) {
        r.w.TmrWE_Timer();
        ++after;
    }
    EXPECT_EQ(r.w.lblEthYear->Caption(), "1");
    EXPECT_LT(after, ticks - 300); // less than a revolution after the reset
}

TEST(Ending, EndButtonClosesBothWindowsAndStopsEveryTimer) {
    for (int how = 0; how < 3; ++how) {
        Rig r;
        r.w.cmdSTR[0]->Click();
        frmTendo& v = r.OpenView();
        r.backend.Advance(400);
        r.w.TmrWE_Timer(); // a message timer running too
        r.w.TmrMes.setInterval(3500);
        if (how == 0)
            r.w.cmdEndWE->Click();
        if (how == 1)
            r.w.KeyDown(Key::Escape);
        if (how == 2)
            r.w.Close(); // the frame's close box
        EXPECT_TRUE(r.backend.quitRequested);
        EXPECT_FALSE(r.w.Loaded());
        EXPECT_FALSE(v.Loaded());
        EXPECT_EQ(r.w.EarthView(), nullptr);
        EXPECT_EQ(r.w.TmrWE.Interval(), 0);
        EXPECT_EQ(r.w.TmrMes.Interval(), 0);
        EXPECT_EQ(v.tmrTendo.Interval(), 0);
        // Nothing runs afterwards: no input reaches the closed windows.
        const XY sun = TopLeft(r.w.picSun);
        r.backend.Advance(5000);
        r.w.cmdSTR[0]->Click();
        EXPECT_EQ(r.w.TmrWE.Interval(), 0);
        EXPECT_EQ(TopLeft(r.w.picSun), sun);
    }
}

} // namespace
