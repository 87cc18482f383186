// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every handler of the Earth view, both branches of each toggle, the three ways to close it and
// its timer, each after the orders of events that reach it from both windows: after each order,
// every control of the view is checked for its visibility and its place, the buttons for their
// captions, and both timers and the main window's distance scale for their state. Only public
// handlers are used: the main window's buttons, the view's buttons, its keys and the clock.

#include "main_window/tst_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <sstream>
#include <string>

using namespace controls;
using namespace testing_support;

namespace {

constexpr double kPi = 3.1416; // the program's own value

// Every control of the Earth view, in groups: its buttons; its bodies, comet and tail; the
// Earth picture, the two circles and the constellations; its name labels. The strings of the
// table follow this order, with '|' between the groups.
const char* const kControls[] = {
    "cmdStop",  "cmdClos",  "cmdKesu", "|",        "picSun2", "picMon2",  "picMrc2",
    "picVns2",  "picMas2",  "picJup2", "picSat2",  "shpCom2", "LinTail2", "|",
    "imgTikyu", "shpTenku", "shpKodo", "imgTendo", "|",       "lblSun2",  "lblMon2",
    "lblMrc2",  "lblVns2",  "lblEth2", "lblMas2",  "lblJup2", "lblSat2",  "lblCom2"};

// Places, one letter a control:
//   D  as laid out;
//   C  where start-up puts it (the chart on the ecliptic circle, the circles and the
//      constellations fitted to the window);
//   S  on its own circle of the sky, in the direction in which the main window's Earth sees
//      its body now (a body, the comet; the tail from the comet towards its far end);
//   B  beside its body, as the view leaves a label when it stops;
//   K  where hiding or showing the constellations puts it;
//   .  not checked in that row.
struct Row {
    const char* name;
    const char* actions; // in order, by the words of Act below
    const char* visible;
    const char* places;
    const char* captions; // cmdStop|cmdClos|cmdKesu
    int tmrTendo, TmrWE;
    bool mainScale; // the main window's distance scale is shown
    bool loaded;
};
void PrintTo(const Row& r, std::ostream* os) {
    *os << r.actions;
}

struct Order : Rig {
    frmTendo* v = nullptr;

    void Act(const std::string& a) {
        if (a == "open") { // the main window's button, which needs the Earth at the centre
            if (!w.cmdFrm2->Enabled())
                w.cmdTendo->Click();
            w.cmdFrm2->Click();
            v = w.EarthView();
        } else if (a == "start") {
            w.cmdSTR[0]->Click();
        } else if (a == "slow") {
            w.cmdSTR[3]->Click();
        } else if (a == "mstop") {
            w.cmdSTP->Click();
        } else if (a == "syo") {
            w.cmdSyo->Click();
        } else if (a == "scale") {
            w.ShowScale();
        } else if (a == "tick") {
            // A span every interval divides, so that both windows' timers have just fired, the
            // main window's first.
            backend.Advance(1800);
        } else if (a == "stop") {
            v->cmdStop->Click();
        } else if (a == "kesu") {
            v->cmdKesu->Click();
        } else if (a == "clos") {
            v->cmdClos->Click();
        } else if (a == "esc") {
            v->KeyDown(Key::Escape);
        } else if (a == "box") { // the frame's close box
            v->Close();
        } else {
            ADD_FAILURE() << "no such action: " << a;
        }
    }
};

// Within a hundredth of a twip: computed in double, held in single precision.
::testing::AssertionResult Near(XY got, XY want) {
    if (std::abs(got.x - want.x) < 1e-2 && std::abs(got.y - want.y) < 1e-2)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << got.x << ", " << got.y << ") instead of (" << want.x << ", " << want.y << ")";
}

struct Layout {
    const char* name;
    double left, top, width, height;
};
// As laid out, for the controls whose place or size the table checks against the layout.
const Layout kLayout[] = {
    {"cmdStop", 360, 240, 1080, 350},  {"cmdClos", 6720, 240, 1080, 350},
    {"cmdKesu", 360, 6960, 1100, 350}, {"imgTikyu", 3240, 3500, 510, 510},
    {"lblEth2", 4200, 4080, 348, 204}, {"picSun2", 3864, 430, 300, 300},
    {"picMon2", 820, 3500, 300, 300},  {"picMrc2", 1350, 5200, 120, 100},
    {"picVns2", 2400, 6180, 130, 130}, {"picMas2", 5600, 6100, 130, 130},
    {"picJup2", 6550, 5100, 220, 180}, {"picSat2", 7000, 3450, 200, 130},
    {"shpCom2", 4050, 6650, 60, 60},   {"lblSun2", 4150, 780, 348, 204},
    {"lblMon2", 1200, 3650, 228, 204}, {"lblMrc2", 1550, 5050, 348, 204},
    {"lblVns2", 2500, 6000, 348, 204}, {"lblMas2", 5200, 5950, 348, 204},
    {"lblJup2", 6200, 4900, 348, 204}, {"lblSat2", 6650, 3550, 348, 204},
    {"lblCom2", 4000, 6400, 348, 204},
};
const Layout& LaidOut(const std::string& name) {
    for (const Layout& l : kLayout)
        if (name == l.name)
            return l;
    static const Layout none{"", 0, 0, 0, 0};
    ADD_FAILURE() << "no layout row for " << name;
    return none;
}

// Each body of the view: its source in the main window, its radius correction, its place in
// the chart as a direction from the centre, its label, the label's place in the chart (the
// label's distance from the centre along x and along y) and beside the body.
struct Body {
    const char *target, *source;
    int hosei;
    double x, y; // direction in the chart
    const char* label;
    double inX, inY; // the label is moved in by these from the ecliptic circle
    double beside;   // the label's left edge from the body's when the view stops
};
const double ca = std::cos(kPi / 6), sa = std::sin(kPi / 6);
const double cb = std::cos(kPi / 3), sb = std::sin(kPi / 3);
const Body kBodies[] = {
    {"picSun2", "picSun", -350, 0, -1, "lblSun2", 0, 200, 350},
    {"picMon2", "picMon", -550, -1, 0, "lblMon2", 200, 0, 350},
    {"picMrc2", "picMrc", -250, -ca, sa, "lblMrc2", 200, 400, 150},
    {"picVns2", "picVns", -180, -cb, sb, "lblVns2", 200, 300, 150},
    {"picMas2", "picMas", -100, cb, sb, "lblMas2", 500, 400, 150},
    {"picJup2", "picJup", 0, ca, sa, "lblJup2", 500, 500, 250},
    {"picSat2", "picSat", 100, 1, 0, "lblSat2", 500, 0, 200},
    {"shpCom2", "shpCom", 0, 0, 1, "lblCom2", 0, 400, 150},
};

// Where the view shows a point of the main window: on the circle of radius Hankei + hosei
// about the sky's centre, in the direction from the main window's Earth.
XY OnTheSky(const Order& r, XY source, int hosei) {
    const frmTendo& v = *r.v;
    const XY earth = Centre(r.w.picEth);
    const double X = v.OuterWidth() / 2, Y = v.OuterHeight() / 2 - 150;
    const double R = Held(v.OuterHeight() - 1500) / 2 + hosei;
    const double dx = source.x - earth.x, dy = source.y - earth.y, d = std::hypot(dx, dy);
    return {X + R * dx / d, Y + R * dy / d};
}

void CheckPlace(const Order& r, const std::string& name, char code) {
    SCOPED_TRACE(name + " " + code);
    const frmTendo& v = *r.v;
    const Control* c = v.Find(name);
    const double W = v.OuterWidth(), h = v.OuterHeight();
    const double X = W / 2, Y = h / 2 - 150, H = Held(h - 1500) / 2;
    const Body* body = nullptr;
    const Body* labelled = nullptr;
    for (const Body& b : kBodies) {
        if (name == b.target)
            body = &b;
        if (name == b.label)
            labelled = &b;
    }
    // Bodies and labels never change size.
    if (body || labelled || name == "lblEth2") {
        EXPECT_EQ(SizeOf(c), (XY{LaidOut(name).width, LaidOut(name).height}));
    }

    if (name == "LinTail2") {
        const auto* tail = static_cast<const Line*>(c);
        const XY comet = Centre(v.shpCom2);
        if (code == 'C') {
            EXPECT_TRUE(Near(From(tail), {X, Y + H}));
            EXPECT_TRUE(Near(To(tail), {X - 100, Y + H + 200}));
        } else if (code == 'S') {
            EXPECT_TRUE(Near(From(tail), comet));
            EXPECT_TRUE(Near(To(tail), OnTheSky(r, To(r.w.LinTail), 0)));
        } else {
            ADD_FAILURE() << "no such place for the tail";
        }
        return;
    }
    switch (code) {
    case 'D': {
        const Layout& l = LaidOut(name);
        EXPECT_EQ(TopLeft(c), (XY{l.left, l.top}));
        EXPECT_EQ(SizeOf(c), (XY{l.width, l.height}));
        break;
    }
    case 'C':
        if (body) {
            EXPECT_TRUE(Near(Centre(c), {X + H * body->x, Y + H * body->y}));
        } else if (labelled) {
            EXPECT_TRUE(Near(TopLeft(c), {X + (H - labelled->inX) * labelled->x,
                                          Y + (H - labelled->inY) * labelled->y}));
        } else if (name == "imgTendo") {
            EXPECT_TRUE(Near(TopLeft(c), {X - Held(h + 700) / 2, 0}));
            EXPECT_EQ(SizeOf(c), (XY{Held(h + 700), Held(h - 300)}));
        } else if (name == "shpTenku" || name == "shpKodo") {
            const double side = Held(h - (name == "shpTenku" ? 500 : 1500));
            EXPECT_TRUE(Near(Centre(c), {X, Y}));
            EXPECT_EQ(SizeOf(c), (XY{side, side}));
        } else {
            ADD_FAILURE() << "no chart place";
        }
        break;
    case 'S':
        if (!body) {
            ADD_FAILURE() << "not a body";
            break;
        }
        EXPECT_TRUE(Near(Centre(c), OnTheSky(r, Centre(r.w.Find(body->source)), body->hosei)));
        break;
    case 'B': {
        if (!labelled) {
            ADD_FAILURE() << "not a body's label";
            break;
        }
        const XY at = TopLeft(v.Find(labelled->target));
        EXPECT_EQ(TopLeft(c), (XY{Held(at.x + labelled->beside), Held(at.y + 70)}));
        break;
    }
    case 'K':
        if (name == "imgTikyu") {
            EXPECT_TRUE(Near(TopLeft(c), {X - 255 + 20, Y - 255 + 7}));
            EXPECT_EQ(SizeOf(c), (XY{510, 510}));
        } else if (name == "imgTendo") {
            EXPECT_TRUE(Near(TopLeft(c), {X - Held(W) / 2, 0}));
            EXPECT_EQ(SizeOf(c), (XY{Held(W), Held(h - 300)}));
        } else {
            ADD_FAILURE() << "no such place";
        }
        break;
    default:
        ADD_FAILURE() << "no such place code";
    }
}

class EarthViewHandlers : public testing::TestWithParam<Row> {};

TEST_P(EarthViewHandlers, EveryControlAfterTheOrder) {
    const Row& row = GetParam();
    Order r;
    std::istringstream in(row.actions);
    for (std::string a; in >> a;)
        r.Act(a);
    ASSERT_NE(r.v, nullptr);
    const frmTendo& v = *r.v;
    // The table names every control of the view.
    EXPECT_EQ(v.Controls().size(), std::size(kControls) - 3);
    std::string visible;
    for (const char* name : kControls) {
        const Control* c = name[0] == '|' ? nullptr : v.Find(name);
        visible += c ? (c->Visible() ? '1' : '0') : '|';
        if (name[0] != '|') {
            ASSERT_NE(c, nullptr) << name;
        }
    }
    EXPECT_EQ(visible, row.visible);
    const std::string places = row.places;
    ASSERT_EQ(places.size(), std::size(kControls));
    for (std::size_t i = 0; i < places.size(); ++i)
        if (places[i] != '|' && places[i] != '.')
            CheckPlace(r, kControls[i], places[i]);
    EXPECT_EQ(v.cmdStop->Caption() + "|" + v.cmdClos->Caption() + "|" + v.cmdKesu->Caption(),
              row.captions);
    EXPECT_EQ(v.tmrTendo.Interval(), row.tmrTendo);
    EXPECT_EQ(r.w.TmrWE.Interval(), row.TmrWE);
    EXPECT_TRUE(r.ScaleVisible(row.mainScale));
    EXPECT_EQ(v.Loaded(), row.loaded);
    EXPECT_EQ(r.w.EarthView() != nullptr, row.loaded);
    EXPECT_TRUE(r.w.Loaded());
}

// clang-format off
#define STOPPED "動かす|閉じる|星座を消す"
#define RUNNING "停める|閉じる|星座を消す"
#define CHART   "DDD|CCCCCCCCC|DCCC|CCCCDCCCC"
const Row kRows[] = {
    // Opened while the motion stands: the chart, stopped.
    {"Opened", "open", "111|111111111|0111|111111111", CHART, STOPPED, 0, 0, true, true},
    {"OpenedTicks", "open tick", "111|111111111|0111|111111111", CHART, STOPPED, 0, 0, true, true},
    // 動かす: both windows run, the circle and the labels go, and so does the main scale.
    {"Moved", "open stop", "111|111111111|0101|000000000", CHART, RUNNING, 40, 40, false, true},
    // In the Mars range the main window's tick hides Jupiter and Saturn, and so does the view.
    {"MovedTicks", "open stop tick", "111|111110011|0101|000000000",
     "DDD|SSSSSCCSS|DCCC|CCCCDCCCC", RUNNING, 40, 40, false, true},
    // 停める: the labels beside the bodies, but not beside the hidden outer planets.
    {"MovedStopped", "open stop tick stop", "111|111110011|0101|111111001",
     "DDD|SSSSSCCSS|DCCC|BBBBDBCCB", STOPPED, 0, 0, false, true},
    {"MovedStoppedTicks", "open stop tick stop tick", "111|111110011|0101|111111001",
     "DDD|SSSSSCCSS|DCCC|BBBBDBCCB", STOPPED, 0, 0, false, true},
    {"MovedStoppedMoved", "open stop tick stop stop", "111|111110011|0101|000000000",
     "DDD|SSSSSCCSS|DCCC|BBBBDBCCB", RUNNING, 40, 40, false, true},
    // In the Saturn range both outer planets are seen and named.
    {"SaturnRangeStopped", "syo open stop tick stop", "111|111111111|0101|111111111",
     "DDD|SSSSSSSSS|DCCC|BBBBDBBBB", STOPPED, 0, 0, false, true},
    // Opened while the motion runs: running at once, and stopped by its own button.
    {"OpenedRunning", "start open", "111|111111111|0101|000000000", CHART, RUNNING, 40, 40, false,
     true},
    {"OpenedRunningTicks", "start open tick", "111|111110011|0101|000000000",
     "DDD|SSSSSCCSS|DCCC|CCCCDCCCC", RUNNING, 40, 40, false, true},
    {"OpenedRunningStopped", "start open tick stop", "111|111110011|0101|111111001",
     "DDD|SSSSSCCSS|DCCC|BBBBDBCCB", STOPPED, 0, 0, false, true},
    // Moving again runs the main window at 40 ms, whatever its pace was.
    // (The view's first ticks come before the main window's first, slower one hides Jupiter:
    // the hidden outer planets stay where those ticks put them.)
    {"SlowStoppedMoved", "slow open tick stop stop", "111|111110011|0101|000000000",
     "DDD|SSSSS..SS|DCCC|BBBBDBCCB", RUNNING, 40, 40, false, true},
    // The main window's buttons while the view is open: the view does not watch them.
    {"MainStoppedUnderIt", "open stop mstop", "111|111111111|0101|000000000", CHART, RUNNING, 40,
     0, false, true},
    {"MainStoppedUnderItTicks", "open stop mstop tick", "111|111111111|0101|000000000",
     "DDD|SSSSSSSSS|DCCC|CCCCDCCCC", RUNNING, 40, 0, false, true},
    {"OpenedAgainStopped", "open stop mstop open", "111|111111111|0101|000000000", CHART, STOPPED,
     40, 0, false, true},
    {"OpenedAgainStoppedMoved", "open stop mstop open stop", "111|111111111|0101|000000000", CHART,
     RUNNING, 40, 40, false, true},
    // The constellations, hidden and shown, twice round.
    {"StarsHidden", "open kesu", "111|111111111|1110|111111111", "DDD|CCCCCCCCC|KCCC|CCCCDCCCC",
     "動かす|閉じる|星座を表す", 0, 0, true, true},
    {"StarsShown", "open kesu kesu", "111|111111111|0011|111111111",
     "DDD|CCCCCCCCC|KCCK|CCCCDCCCC", STOPPED, 0, 0, true, true},
    {"StarsHiddenAgain", "open kesu kesu kesu", "111|111111111|1110|111111111",
     "DDD|CCCCCCCCC|KCCK|CCCCDCCCC", "動かす|閉じる|星座を表す", 0, 0, true, true},
    // Closed while stopped: the main scale is left as it is; its controls stay as they were.
    {"ClosedStopped", "open clos", "111|111111111|0111|111111111", CHART, STOPPED, 0, 0, true,
     false},
    {"EscStopped", "open esc", "111|111111111|0111|111111111", CHART, STOPPED, 0, 0, true, false},
    {"BoxStopped", "open box", "111|111111111|0111|111111111", CHART, STOPPED, 0, 0, true, false},
    // Closed while the main window runs: the scale goes, the motion goes on.
    {"ClosedRunning", "start open scale clos", "111|111111111|0101|000000000", CHART, RUNNING, 0,
     40, false, false},
    {"EscRunning", "start open scale esc", "111|111111111|0101|000000000", CHART, RUNNING, 0, 40,
     false, false},
    {"BoxRunning", "start open scale box", "111|111111111|0101|000000000", CHART, RUNNING, 0, 40,
     false, false},
    // Opened again after closing: a fresh start-up, in the main window's running state.
    {"ReopenedStopped", "open kesu clos open", "111|111111111|0111|111111111", CHART, STOPPED, 0,
     0, true, true},
    {"ReopenedRunning", "open stop tick clos open", "111|111111111|0101|000000000", CHART, RUNNING,
     40, 40, false, true},
};
#undef STOPPED
#undef RUNNING
#undef CHART
// clang-format on

INSTANTIATE_TEST_SUITE_P(Orders, EarthViewHandlers, testing::ValuesIn(kRows),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
