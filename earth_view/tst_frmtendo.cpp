// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Earth view's logic on the headless backend, opened from a real main window: start-up,
// the chart, the projection of every body, its buttons, its keys, closing and reopening, and
// the rare orders of events between the two windows.

#include "main_window/tst_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace controls;
using namespace testing_support;

namespace {

constexpr double kPi = 3.1416; // the program's own value

void MoveCentre(Control* c, XY p) {
    c->Move(p.x - double(c->Width()) / 2, p.y - double(c->Height()) / 2);
}

// Positions computed in double and held in single precision agree within a thousandth.
::testing::AssertionResult Near(XY got, XY want) {
    if (std::abs(got.x - want.x) < 1e-3 && std::abs(got.y - want.y) < 1e-3)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << got.x << ", " << got.y << ") instead of (" << want.x << ", " << want.y << ")";
}

struct View : Rig {
    frmTendo& v = OpenView();
    double X = v.OuterWidth() / 2, Y = v.OuterHeight() / 2 - 150;
    double H = (v.OuterHeight() - 1500) / 2;
    XY Sky(double dx = 0, double dy = 0) const { return {X + dx, Y + dy}; }
};

TEST(StartUp, SkyFittedToTheOuterSize) {
    View t;
    frmTendo& v = t.v;
    // The frame adds to the client size, which stays as laid out.
    EXPECT_EQ(v.ScaleWidth(), 8385);
    EXPECT_EQ(v.ScaleHeight(), 7605);
    EXPECT_GT(v.OuterWidth(), 8385);
    EXPECT_GT(v.OuterHeight(), 7605);
    EXPECT_EQ(v.TyusinX, t.X);
    EXPECT_EQ(v.TyusinY, t.Y);
    EXPECT_EQ(v.Hankei, double(v.shpKodo->Width()) / 2);
    EXPECT_EQ(v.Hankei, t.H);
    EXPECT_EQ(v.Kakudo, 0);
    EXPECT_FALSE(v.Kesu);
    const double h = v.OuterHeight();
    EXPECT_TRUE(Near(TopLeft(v.imgTendo), {t.X - (h + 700) / 2, 0}));
    EXPECT_EQ(SizeOf(v.imgTendo), (XY{Held(h + 700), Held(h - 300)}));
    EXPECT_EQ(SizeOf(v.shpTenku), (XY{Held(h - 500), Held(h - 500)}));
    EXPECT_EQ(SizeOf(v.shpKodo), (XY{Held(h - 1500), Held(h - 1500)}));
    EXPECT_TRUE(Near(Centre(v.shpTenku), t.Sky()));
    EXPECT_TRUE(Near(Centre(v.shpKodo), t.Sky()));
    EXPECT_TRUE(v.imgTendo->Visible() && v.shpTenku->Visible() && v.shpKodo->Visible());
    // The tail leaves the comet's centre 100 to the left and 200 down.
    const XY comet = Centre(v.shpCom2);
    EXPECT_TRUE(Near(From(v.LinTail2), comet));
    EXPECT_TRUE(Near(To(v.LinTail2), {comet.x - 100, comet.y + 200}));
    // Left as laid out.
    EXPECT_FALSE(v.imgTikyu->Visible());
    EXPECT_EQ(TopLeft(v.lblEth2), (XY{4200, 4080}));
    EXPECT_EQ(v.tmrTendo.Interval(), 0);
}

TEST(StartUp, ChartOfBodiesAndLabels) {
    View t;
    const double X = t.X, Y = t.Y, H = t.H, a = kPi / 6, b = kPi / 3;
    using std::cos, std::sin;
    const struct {
        const char *body, *label;
        XY centre, labelAt;
    } chart[] = {
        {"picSun2", "lblSun2", {X, Y - H}, {X, Y - H + 200}},
        {"picMon2", "lblMon2", {X - H, Y}, {X - H + 200, Y}},
        {"picMrc2",
         "lblMrc2",
         {X - H * cos(a), Y + H * sin(a)},
         {X - (H - 200) * cos(a), Y + (H - 400) * sin(a)}},
        {"picVns2",
         "lblVns2",
         {X - H * cos(b), Y + H * sin(b)},
         {X - (H - 200) * cos(b), Y + (H - 300) * sin(b)}},
        {"picMas2",
         "lblMas2",
         {X + H * cos(b), Y + H * sin(b)},
         {X + (H - 500) * cos(b), Y + (H - 400) * sin(b)}},
        {"picJup2",
         "lblJup2",
         {X + H * cos(a), Y + H * sin(a)},
         {X + (H - 500) * cos(a), Y + (H - 500) * sin(a)}},
        {"picSat2", "lblSat2", {X + H, Y}, {X + H - 500, Y}},
        {"shpCom2", "lblCom2", {X, Y + H}, {X, Y + H - 400}},
    };
    for (const auto& row : chart) {
        EXPECT_TRUE(Near(Centre(t.v.Find(row.body)), row.centre)) << row.body;
        EXPECT_TRUE(Near(TopLeft(t.v.Find(row.label)), row.labelAt)) << row.label;
        EXPECT_TRUE(t.v.Find(row.label)->Visible()) << row.label;
    }
}

struct Projection {
    const char *source, *target;
    int hosei;
    XY fromEarth;
};
void PrintTo(const Projection& p, std::ostream* os) {
    *os << p.target;
}

class Project : public testing::TestWithParam<Projection> {};

// A body in any direction from the Earth lands on its own circle in that direction.
TEST_P(Project, OnItsCircleInItsDirection) {
    const Projection& p = GetParam();
    View t;
    const XY earth = Centre(t.w.picEth);
    MoveCentre(t.w.Find(p.source), {earth.x + p.fromEarth.x, earth.y + p.fromEarth.y});
    t.v.tmrTendo_Timer();
    const double R = t.H + p.hosei, d = std::hypot(p.fromEarth.x, p.fromEarth.y);
    EXPECT_TRUE(
        Near(Centre(t.v.Find(p.target)), t.Sky(R * p.fromEarth.x / d, R * p.fromEarth.y / d)));
}

INSTANTIATE_TEST_SUITE_P(Bodies, Project,
                         testing::Values(Projection{"picMon", "picMon2", -550, {1000, 0}},
                                         Projection{"picSun", "picSun2", -350, {-700, 0}},
                                         Projection{"picMrc", "picMrc2", -250, {450, -450}},
                                         Projection{"picVns", "picVns2", -180, {-300, 400}},
                                         Projection{"picMas", "picMas2", -100, {-5, -2000}},
                                         Projection{"picJup", "picJup2", 0, {3000, 1000}},
                                         Projection{"picSat", "picSat2", 100, {9000, -10}},
                                         Projection{"shpCom", "shpCom2", 0, {2000, -3000}}),
                         [](const auto& p) { return std::string(p.param.target); });

TEST(Tick, TheTailIsAChordFromTheCometTowardsTheEndOfTheMainTail) {
    View t;
    const XY earth = Centre(t.w.picEth);
    MoveCentre(t.w.shpCom, {earth.x + 3000, earth.y});
    t.w.LinTail->setPoints(0, 0, earth.x + 3000, earth.y - 3000); // 45 degrees up right
    t.v.tmrTendo_Timer();
    const XY comet = Centre(t.v.shpCom2);
    EXPECT_TRUE(Near(comet, t.Sky(t.H, 0)));
    EXPECT_TRUE(Near(From(t.v.LinTail2), comet));
    const double c = t.H * std::cos(std::atan(1.0));
    EXPECT_TRUE(Near(To(t.v.LinTail2), t.Sky(c, -c)));
}

// A body at exactly the Earth's x: the angle of the projection before it, on the left side.
TEST(Tick, StraightAboveOrBelowKeepsThePreviousAngle) {
    for (double dy : {-500.0, 500.0}) {
        View t;
        const XY e = Centre(t.w.picEth);
        MoveCentre(t.w.picMon, {e.x, e.y + dy}); // first of all: the angle 0 of a fresh view
        MoveCentre(t.w.picVns, {e.x - 300, e.y - 300});
        MoveCentre(t.w.picMas, {e.x, e.y + dy}); // takes Venus's angle
        t.v.tmrTendo_Timer();
        EXPECT_TRUE(Near(Centre(t.v.picMon2), t.Sky(-(t.H - 550), 0)));
        const double c = (t.H - 100) * std::cos(std::atan(1.0));
        EXPECT_TRUE(Near(Centre(t.v.picMas2), t.Sky(-c, -c)));
        // Next tick the Moon takes the angle of the last tick's tail end.
        const double k = t.v.Kakudo;
        t.v.tmrTendo_Timer();
        const double R = t.H - 550;
        EXPECT_TRUE(Near(Centre(t.v.picMon2), t.Sky(-R * std::cos(k), -R * std::sin(k))));
    }
}

TEST(Tick, OuterPlanetsFollowTheMainJupiterAlone) {
    View t;
    const XY jup = Centre(t.v.picJup2), sat = Centre(t.v.picSat2), com = Centre(t.v.shpCom2);
    t.w.picJup->setVisible(false);
    t.w.picSat->setVisible(true); // not looked at
    MoveCentre(t.w.shpCom, {Centre(t.w.picEth).x, Centre(t.w.picEth).y - 900});
    t.v.tmrTendo_Timer();
    EXPECT_FALSE(t.v.picJup2->Visible() || t.v.picSat2->Visible());
    EXPECT_EQ(Centre(t.v.picJup2), jup);
    EXPECT_EQ(Centre(t.v.picSat2), sat);
    EXPECT_FALSE(Near(Centre(t.v.shpCom2), com));
    t.w.picJup->setVisible(true);
    t.v.tmrTendo_Timer();
    EXPECT_TRUE(t.v.picJup2->Visible() && t.v.picSat2->Visible());
    EXPECT_FALSE(Near(Centre(t.v.picJup2), jup) || Near(Centre(t.v.picSat2), sat));
}

TEST(Opener, StoppedOrRunningAndAgainWithoutANewStartUp) {
    for (bool running : {false, true}) {
        Rig r;
        if (running)
            r.w.cmdSTR[2]->Click();
        frmTendo& v = r.OpenView();
        EXPECT_EQ(v.Teisi, !running);
        EXPECT_EQ(v.tmrTendo.Interval(), running ? 40 : 0);
        EXPECT_EQ(v.shpKodo->Visible(), !running);
        for (const Label* l : v.NameLabels())
            EXPECT_EQ(l->Visible(), !running) << l->Name();
        // The view ticks by the clock every 40 ms while it runs.
        const XY sun = Centre(v.picSun2);
        r.backend.Advance(39);
        EXPECT_EQ(Centre(v.picSun2), sun);
        r.backend.Advance(1);
        EXPECT_EQ(Centre(v.picSun2) == sun, !running);
        // Opened again after the main motion was switched: only the running state applies.
        v.cmdKesu->Click();
        (running ? r.w.cmdSTP : r.w.cmdSTR[0])->Click();
        r.w.cmdFrm2->Click();
        EXPECT_EQ(r.w.EarthView(), &v);
        EXPECT_TRUE(v.Kesu);
        EXPECT_TRUE(v.Teisi);
        EXPECT_EQ(v.tmrTendo.Interval(), 40); // kept from before, or started now
        r.w.cmdFrm2->Click();                 // Teisi is set, not flipped
        EXPECT_TRUE(v.Teisi);
    }
}

// Opened while the main motion runs at 40 ms, the view ticks with the main window: right
// after it, from its first tick at least 20 ms away, so that it never shows a tick behind;
// and so again when the view's own button stops and restarts both.
TEST(Opener, ViewTicksWithTheMainWindow) {
    const struct {
        int openAt, firstTick;
    } rows[] = {{0, 40}, {13, 40}, {20, 40}, {27, 80}, {39, 80}};
    for (const auto& row : rows) {
        Rig r;
        r.w.cmdTendo->Click(); // Earth-centred: the Sun moves every tick
        r.w.cmdSTR[0]->Click();
        r.backend.Advance(row.openAt);
        frmTendo& v = r.OpenView();
        XY sun = Centre(v.picSun2);
        r.backend.Advance(row.firstTick - row.openAt - 1);
        EXPECT_EQ(Centre(v.picSun2), sun) << "opened at " << row.openAt;
        r.backend.Advance(1);
        EXPECT_NE(Centre(v.picSun2), sun) << "opened at " << row.openAt;
        const auto bothMoveTogether = [&](const char* when) {
            for (int tick = 0; tick < 3; ++tick) {
                const XY mainSun = Centre(r.w.picSun), view = Centre(v.picSun2);
                r.backend.Advance(39);
                EXPECT_EQ(Centre(r.w.picSun), mainSun) << when;
                EXPECT_EQ(Centre(v.picSun2), view) << when;
                r.backend.Advance(1);
                EXPECT_NE(Centre(r.w.picSun), mainSun) << when;
                // The view shows this tick: projecting again moves nothing.
                const XY shown = Centre(v.picSun2);
                EXPECT_NE(shown, view) << when;
                v.tmrTendo_Timer();
                EXPECT_EQ(Centre(v.picSun2), shown) << when << ", opened at " << row.openAt;
            }
        };
        bothMoveTogether("after opening");
        v.cmdStop->Click(); // 停める
        r.backend.Advance(17);
        v.cmdStop->Click(); // 動かす: the view's timer is set before the main window's
        bothMoveTogether("after the view's own restart");
    }
}

// Stop and move alternate; stopping names the bodies where they stand.
TEST(Buttons, StopAndMoveInBothRanges) {
    for (bool saturnRange : {false, true}) {
        Rig r;
        if (saturnRange)
            r.w.cmdSyo->Click();
        r.w.cmdSTR[3]->Click();
        frmTendo& v = r.OpenView();
        r.backend.Advance(720);
        ASSERT_EQ(r.w.picJup->Visible(), saturnRange);
        const struct {
            const Label* label;
            const Control* body;
            double offset;
        } beside[] = {{v.lblSun2, v.picSun2, 350}, {v.lblMon2, v.picMon2, 350},
                      {v.lblMrc2, v.picMrc2, 150}, {v.lblVns2, v.picVns2, 150},
                      {v.lblMas2, v.picMas2, 150}, {v.lblJup2, v.picJup2, 250},
                      {v.lblSat2, v.picSat2, 200}, {v.lblCom2, v.shpCom2, 150}};
        const XY eth2 = TopLeft(v.lblEth2);
        for (int round = 0; round < 2; ++round) {
            r.w.ShowScale();
            v.cmdStop->Click();
            EXPECT_TRUE(v.Teisi);
            EXPECT_EQ(v.tmrTendo.Interval(), 0);
            EXPECT_EQ(r.w.TmrWE.Interval(), 0);
            EXPECT_TRUE(v.lblEth2->Visible());
            EXPECT_EQ(TopLeft(v.lblEth2), eth2);
            EXPECT_FALSE(v.shpKodo->Visible());
            for (const auto& b : beside) {
                const bool outer = b.label == v.lblJup2 || b.label == v.lblSat2;
                EXPECT_EQ(b.label->Visible(), !outer || saturnRange) << b.label->Name();
                if (b.label->Visible()) {
                    EXPECT_EQ(TopLeft(b.label), (XY{Held(double(b.body->Left()) + b.offset),
                                                    Held(double(b.body->Top()) + 70)}));
                }
            }
            EXPECT_TRUE(r.ScaleVisible(true));
            v.cmdStop->Click();
            EXPECT_FALSE(v.Teisi);
            EXPECT_EQ(v.tmrTendo.Interval(), 40);
            EXPECT_EQ(r.w.TmrWE.Interval(), 40); // whatever the pace before
            EXPECT_FALSE(v.shpKodo->Visible());
            for (const Label* l : v.NameLabels())
                EXPECT_FALSE(l->Visible());
            EXPECT_TRUE(r.ScaleVisible(false));
            r.backend.Advance(400);
        }
    }
}

TEST(Buttons, StoppedBeforeTheFirstTickNamesTheChart) {
    Rig r;
    r.w.cmdSTR[0]->Click();
    frmTendo& v = r.OpenView();
    const XY sun = TopLeft(v.picSun2), comet = TopLeft(v.shpCom2);
    v.cmdStop->Click();
    EXPECT_TRUE(v.Teisi);
    EXPECT_EQ(r.w.TmrWE.Interval(), 0);
    EXPECT_EQ(TopLeft(v.picSun2), sun);
    EXPECT_EQ(TopLeft(v.lblSun2), (XY{Held(sun.x + 350), Held(sun.y + 70)}));
    EXPECT_EQ(TopLeft(v.lblCom2), (XY{Held(comet.x + 150), Held(comet.y + 70)}));
    r.backend.Advance(1000);
    EXPECT_EQ(TopLeft(v.picSun2), sun);
}

TEST(Buttons, ConstellationsHideAndShow) {
    View t;
    frmTendo& v = t.v;
    v.cmdKesu->Click();
    EXPECT_FALSE(v.imgTendo->Visible());
    EXPECT_TRUE(v.shpTenku->Visible() && v.imgTikyu->Visible());
    EXPECT_TRUE(Near(Centre(v.imgTikyu), t.Sky(20, 7)));
    v.cmdKesu->Click();
    EXPECT_TRUE(v.imgTendo->Visible());
    EXPECT_FALSE(v.shpTenku->Visible() || v.imgTikyu->Visible());
    // Now exactly as wide as the window.
    EXPECT_TRUE(Near(TopLeft(v.imgTendo), {t.X - v.OuterWidth() / 2, 0}));
    EXPECT_EQ(SizeOf(v.imgTendo), (XY{Held(v.OuterWidth()), Held(v.OuterHeight() - 300)}));
}

// Closed by its button, by Esc or by the frame; opened again it starts afresh.
TEST(Closing, EveryWayThenReopenedAfresh) {
    for (bool running : {false, true})
        for (int how = 0; how < 3; ++how) {
            Rig r;
            if (running)
                r.w.cmdSTR[1]->Click();
            frmTendo* v = &r.OpenView();
            r.backend.Advance(600);
            v->cmdKesu->Click();
            r.w.ShowScale();
            if (how == 0)
                v->cmdClos->Click();
            if (how == 1) {
                EXPECT_TRUE(v->KeyDown(Key::Escape));
            }
            if (how == 2)
                v->Close();
            EXPECT_EQ(r.w.EarthView(), nullptr);
            EXPECT_FALSE(v->Loaded());
            EXPECT_EQ(v->tmrTendo.Interval(), 0);
            EXPECT_TRUE(r.ScaleVisible(!running));
            EXPECT_EQ(r.w.TmrWE.Interval(), running ? 60 : 0);
            EXPECT_FALSE(r.backend.quitRequested);
            // A click on a closed window's button does nothing.
            v->cmdStop->Click();
            EXPECT_EQ(r.w.TmrWE.Interval(), running ? 60 : 0);
            r.w.cmdFrm2->Click();
            v = r.w.EarthView();
            ASSERT_NE(v, nullptr);
            EXPECT_FALSE(v->Kesu);
            EXPECT_EQ(v->Teisi, !running);
            EXPECT_EQ(v->Kakudo, 0);
            EXPECT_FALSE(v->imgTikyu->Visible());
            EXPECT_TRUE(Near(Centre(v->picSun2), {v->TyusinX, v->TyusinY - v->Hankei}));
        }
}

TEST(Keyboard, TabEnterAndEsc) {
    View t;
    frmTendo& v = t.v;
    EXPECT_TRUE(v.cmdStop->HasFocus());
    EXPECT_EQ(v.cmdStop->TabIndex(), 0);
    EXPECT_EQ(v.cmdClos->TabIndex(), 1);
    EXPECT_EQ(v.cmdKesu->TabIndex(), 2);
    EXPECT_TRUE(v.KeyDown(Key::Enter)); // moves
    EXPECT_FALSE(v.Teisi);
    v.FocusMovedTo(nullptr);
    EXPECT_TRUE(v.KeyDown(Key::Enter)); // stops, with the focus anywhere
    EXPECT_TRUE(v.Teisi);
    v.cmdKesu->SetFocus();
    EXPECT_TRUE(v.KeyDown(Key::Enter));
    EXPECT_TRUE(v.Kesu);
    EXPECT_TRUE(v.KeyDown(Key::Escape));
    EXPECT_EQ(t.w.EarthView(), nullptr);
    EXPECT_TRUE(t.w.Loaded());
}

// The main window's buttons used while the view is open.
TEST(RareOrders, RangeAndModeSwitchedWhileTheViewIsOpen) {
    Rig r;
    frmTendo& v = r.OpenView(); // stopped
    r.w.cmdSyo->Click();        // into the Saturn range: Jupiter shown again
    EXPECT_TRUE(r.w.s.Syo);
    v.cmdStop->Click(); // moves the whole motion
    r.backend.Advance(40);
    EXPECT_TRUE(v.picJup2->Visible() && v.picSat2->Visible());
    // Earth-centred display off: the opener is disabled, the open view follows on.
    r.w.cmdTendo->Click();
    EXPECT_FALSE(r.w.cmdFrm2->Enabled());
    EXPECT_EQ(r.w.EarthView(), &v);
    const XY sun = Centre(v.picSun2);
    r.backend.Advance(4000);
    EXPECT_NE(Centre(v.picSun2), sun);
    const double R = v.Hankei - 350;
    const XY d{Centre(v.picSun2).x - v.TyusinX, Centre(v.picSun2).y - v.TyusinY};
    EXPECT_NEAR(std::hypot(d.x, d.y), R, 1e-2);
    // The main window stopped by its own button: the view keeps its state.
    r.w.cmdSTP->Click();
    EXPECT_FALSE(v.Teisi);
    EXPECT_EQ(v.tmrTendo.Interval(), 40);
}

} // namespace
