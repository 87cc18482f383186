// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Orders of events: every caption, enabled state and the focus after each sequence of clicks;
// the Earth view opened while stopped and then set going in each way; the outer planets'
// boxes through range switches made after running.

#include "main_window/tst_support.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace controls;
using namespace testing_support;

namespace {

// The main window's buttons in their layout order.
const char* const kButtons[] = {"cmdSTR(0)", "cmdSTR(1)", "cmdSTR(2)", "cmdSTR(3)",
                                "cmdSTP",    "cmdEthST",  "cmdClr",    "cmdSyo",
                                "cmdTendo",  "cmdFrm2",   "cmdEndWE"};

struct Clicks {
    const char* clicks; // the buttons clicked, in order, by name
    // Captions of every button in layout order, joined by '|'; and which are enabled.
    const char* captions;
    const char* enabled;
    const char* focus;
};
void PrintTo(const Clicks& c, std::ostream* os) {
    *os << c.clicks;
}

class AfterClicks : public testing::TestWithParam<Clicks> {};

TEST_P(AfterClicks, EveryCaptionEnabledStateAndTheFocus) {
    const Clicks& c = GetParam();
    Rig r;
    std::istringstream in(c.clicks);
    for (std::string name; in >> name;) {
        auto* b = dynamic_cast<CommandButton*>(r.w.Find(name));
        ASSERT_TRUE(b) << name;
        b->Click();
    }
    std::string captions, enabled;
    for (const char* name : kButtons) {
        const auto* b = static_cast<const CommandButton*>(r.w.Find(name));
        captions += (captions.empty() ? "" : "|") + b->Caption();
        enabled += b->Enabled() ? '1' : '0';
    }
    EXPECT_EQ(captions, c.captions);
    EXPECT_EQ(enabled, c.enabled);
    ASSERT_TRUE(r.w.Focused());
    EXPECT_EQ(r.w.Focused()->Name(), c.focus);
}

// clang-format off
#define DESIGN "始める||||止める|地球を止める|足跡を消す|土星まで表示する|地球を中心に動かす|これを地上から見ると…|終わる"
#define STARTED "動かす||||止める|地球を止める|足跡を消す|土星まで表示する|地球を中心に動かす|これを地上から見ると…|終わる"
INSTANTIATE_TEST_SUITE_P(Sequences, AfterClicks, testing::Values(
    Clicks{"", DESIGN, "11111111101", "cmdSTR(0)"},
    Clicks{"cmdSTR(0)", STARTED, "11111110101", "cmdSTP"},
    Clicks{"cmdSTR(1)", STARTED, "11111110101", "cmdSTP"},
    Clicks{"cmdSTR(2)", STARTED, "11111110101", "cmdSTP"},
    Clicks{"cmdSTR(3)", STARTED, "11111110101", "cmdSTP"},
    Clicks{"cmdSTR(3) cmdSTP", STARTED, "11111111101", "cmdSTR(0)"},
    Clicks{"cmdSTR(2) cmdSyo", STARTED, "11111110101", "cmdSTP"},
    Clicks{"cmdClr", DESIGN, "11111111101", "cmdSTP"},
    Clicks{"cmdEthST", "始める||||止める|地球を動かす|足跡を消す|土星まで表示する|地球を中心に動かす|これを地上から見ると…|終わる", "11111111001", "cmdSTR(0)"},
    Clicks{"cmdEthST cmdEthST", DESIGN, "11111111101", "cmdSTR(0)"},
    Clicks{"cmdTendo", "始める||||止める|地球を止める|足跡を消す|土星まで表示する|太陽を中心に動かす|これを地上から見ると…|終わる", "11111011111", "cmdSTR(0)"},
    Clicks{"cmdTendo cmdTendo", DESIGN, "11111111101", "cmdSTR(0)"},
    Clicks{"cmdSTR(1) cmdTendo cmdSTP", "動かす||||止める|地球を止める|足跡を消す|土星まで表示する|太陽を中心に動かす|これを地上から見ると…|終わる", "11111011111", "cmdSTR(0)"},
    Clicks{"cmdSyo", "始める||||止める|地球を止める|足跡を消す|火星まで表示する|地球を中心に動かす|これを地上から見ると…|終わる", "11111111101", "cmdSTR(0)"},
    Clicks{"cmdSyo cmdSyo", DESIGN, "11111111101", "cmdSTR(0)"},
    Clicks{"cmdEthST cmdSyo cmdSTR(0)", "動かす||||止める|地球を動かす|足跡を消す|火星まで表示する|地球を中心に動かす|これを地上から見ると…|終わる", "11111110001", "cmdSTP"}),
    [](const auto& p) { return "Row" + std::to_string(p.index); });
#undef DESIGN
#undef STARTED
// clang-format on

// The Earth view opened while the motion stands, then set going: by its own button, by the
// main window's start and a second opening, or by the main window's start alone (which the
// view does not watch).
struct ViewOrder {
    const char* name;
    int how; // 0: the view's 動かす; 1: start, then open again; 2: start only
    bool teisi;
    const char* caption;
    int tmrTendo, TmrWE;
    bool chartShown; // the ecliptic circle and the nine name labels
    bool mainScale;
};
void PrintTo(const ViewOrder& v, std::ostream* os) {
    *os << v.name;
}

class OpenedStopped : public testing::TestWithParam<ViewOrder> {};

TEST_P(OpenedStopped, ThenStarted) {
    const ViewOrder& o = GetParam();
    Rig r;
    frmTendo& v = r.OpenView();
    ASSERT_TRUE(v.Teisi);
    ASSERT_TRUE(v.shpKodo->Visible());
    if (o.how == 0)
        v.cmdStop->Click();
    if (o.how >= 1)
        r.w.cmdSTR[1]->Click();
    if (o.how == 1)
        r.w.cmdFrm2->Click();
    EXPECT_EQ(v.Teisi, o.teisi);
    EXPECT_EQ(v.cmdStop->Caption(), o.caption);
    EXPECT_EQ(v.tmrTendo.Interval(), o.tmrTendo);
    EXPECT_EQ(r.w.TmrWE.Interval(), o.TmrWE);
    EXPECT_EQ(v.shpKodo->Visible(), o.chartShown);
    for (const Label* l : v.NameLabels())
        EXPECT_EQ(l->Visible(), o.chartShown) << l->Name();
    EXPECT_TRUE(r.ScaleVisible(o.mainScale));
    EXPECT_TRUE(v.imgTendo->Visible()); // the constellations stay
    // A few ticks later the view shows what it is meant to: the chart or the live sky.
    const XY sun = Centre(v.picSun2);
    r.backend.Advance(200);
    EXPECT_EQ(Centre(v.picSun2) == sun, o.tmrTendo == 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, OpenedStopped,
    testing::Values(ViewOrder{"ByItsOwnButton", 0, false, "停める", 40, 40, false, false},
                    // The opener sets the running state without touching Teisi.
                    ViewOrder{"ByStartThenOpenAgain", 1, true, "停める", 40, 60, false, false},
                    ViewOrder{"ByStartAlone", 2, true, "動かす", 0, 60, true, false}),
    [](const auto& p) { return std::string(p.param.name); });

// The tick hides the outer planets in the Mars range; every switch shows them again, whichever
// range it leaves and however long the motion ran there.
TEST(RangeAfterRunning, OuterPlanetsShownBySwitchHiddenByTheMarsTick) {
    Rig r;
    r.w.Resized(13000, 8000);
    for (int round = 0; round < 4; ++round) {
        SCOPED_TRACE(round);
        const bool saturn = r.w.s.Syo;
        r.w.cmdSTR[0]->Click();
        r.backend.Advance(40 * (5 + round));
        EXPECT_EQ(r.w.picJup->Visible(), saturn);
        EXPECT_EQ(r.w.picSat->Visible(), saturn);
        r.w.cmdSTP->Click();
        r.w.cmdSyo->Click();
        EXPECT_TRUE(r.w.picJup->Visible());
        EXPECT_TRUE(r.w.picSat->Visible());
        EXPECT_EQ(Centre(r.w.picJup), (XY{saturn ? 8070.0 : 7220.0, 4200}));
        EXPECT_EQ(Centre(r.w.picSat), (XY{saturn ? 9570.0 : 11515.0, 4200}));
        if (saturn) {
            EXPECT_TRUE(r.ScaleVisible(true)); // back in the Mars range, break marks too
        }
    }
}

} // namespace
