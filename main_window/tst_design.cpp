// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window as the program builds it, every control row by row against the layout's
// tables (as the load handler and the first resize leave it), and every body's starting state
// read from the window's own boxes, at load and after switches of range made after running.

#include "main_window/tst_startup.h"
#include "main_window/tst_support.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace controls;
using namespace testing_support;

namespace {

constexpr Color kFace{128, 255, 255}, kBoxBack{16, 16, 32}, kWhite{255, 255, 255};
constexpr Color kRed{255, 0, 0}, kViolet{192, 192, 255}, kScale{0, 0, 192};
constexpr Color kText{0, 0, 0}; // the system window-text and button-text colours
const Font kGothic9{"ＭＳ ゴシック", 9, false, false};
const Font kP9{"ＭＳ Ｐゴシック", 9, false, false};
const Font kP75{"ＭＳ Ｐゴシック", 7.5, false, false};
const Font kP105Bold{"ＭＳ Ｐゴシック", 10.5, true, false};
// 12 point italic; W8 names the face's heavy weight, held as bold so that a substitute face is
// drawn heavy too.
const Font kRoundedW8{"HGP平成丸ｺﾞｼｯｸ体W8", 12, true, true};
constexpr auto L = Align::Left, R = Align::Right, C = Align::Center;
constexpr const char* kSlow = "動きを遅くします";

// Place in its layer, top first: z. Design values, except where start-up changed them.
struct ButtonRow {
    const char *name, *caption;
    float left, top, width, height;
    const char* tip;
    bool enabled;
    int z;
};
struct BoxRow {
    const char* name;
    float left, top, width, height;
    float discW, discH; // 0: a picture instead
    std::optional<Color> fill, outline;
    const char* picture;
    int z;
};
struct LabelRow {
    const char *name, *caption;
    float left, top, width, height;
    Color colour;
    Font font;
    Align align;
    bool visible;
    const char* tip;
    int z;
};
struct LineRow {
    const char* name;
    float x1, y1, x2, y2;
    Color colour;
    int width, z;
};

// clang-format off
const ButtonRow kButtons[] = {
    {"cmdSTR(0)", "始める", 350, 240, 930, 492, "", true, 15},
    {"cmdSTR(1)", "", 1305, 360, 120, 252, kSlow, true, 2},
    {"cmdSTR(2)", "", 1460, 360, 120, 252, kSlow, true, 1},
    {"cmdSTR(3)", "", 1610, 360, 120, 252, kSlow, true, 0},
    {"cmdSTP", "止める", 1750, 240, 930, 492, "", true, 14},
    {"cmdEthST", "地球を止める", 3060, 240, 1250, 492, "", true, 17},
    {"cmdClr", "足跡を消す", 4380, 240, 1100, 492, "", true, 16},
    {"cmdSyo", "土星まで表示する", 5550, 240, 1100, 492, "", true, 18},
    {"cmdTendo", "地球を中心に動かす", 6720, 240, 1100, 492, "", true, 4},
    {"cmdFrm2", "これを地上から見ると…", 7890, 240, 1100, 492, "", false /* start-up */, 3},
    {"cmdEndWE", "終わる", 9120, 240, 1100, 492, "", true, 13},
};
const BoxRow kBoxes[] = {
    {"picSun", 4830, 4040, 350, 350, 340, 340, Color{255, 255, 0}, kText, "", 8},
    {"picMrc", 3993, 4170, 120, 100, 150, 100, Color{128, 255, 255}, Color{64, 64, 255}, "", 12},
    {"picVns", 3316, 4145, 130, 130, 130, 130, Color{255, 255, 255}, Color{96, 96, 255}, "", 11},
    {"picEth", 2600, 4140, 155, 155, 144, 156, Color{128, 128, 255}, Color{192, 255, 255}, "", 10},
    {"picMon", 2469, 4160, 100, 100, 100, 100, Color{255, 255, 192}, Color{128, 128, 255}, "", 9},
    {"picMas", 1580, 4140, 130, 130, 120, 120, Color{255, 128, 128}, kText, "", 5},
    {"picJup", 7980, 4150, 220, 180, 0, 0, {}, {}, "jupiter.gif", 7},
    {"picSat", 9480, 4140, 200, 130, 0, 0, {}, {}, "saturn.gif", 6},
    {"shpCom", 10500, 7000 /* start-up */, 60, 60, 0, 0, kWhite, std::nullopt, "", 14},
};
const LabelRow kLabels[] = {
    {"lblEthYear", "0", 2600, 480, 372, 180, kViolet, kGothic9, R, true, "クリックで地球の週回数を0に戻します", 1},
    {"lblTomeru", "止めてください", 5520, 840, 1000, 252, kRed, kP75, C, false, "", 0},
    {"lblMes", "", 1080, 7635 - 700 /* first resize */, 2172, 276, kRed, kRoundedW8, L, false, "", 13},
    {"lblSun", "太陽", 4720, 3700, 492, 252, kWhite, kP9, C, true, "", 24},
    {"lblMrc", "水星", 3900, 4400, 372, 252, kWhite, kP9, C, true, "", 25},
    {"lblVns", "金星", 3240, 3696, 372, 252, kWhite, kP9, C, true, "", 26},
    {"lblEth", "地球", 2430, 4400, 492, 252, kWhite, kP9, C, true, "", 27},
    {"lblMon", "月", 2340, 3720, 372, 252, kWhite, kP9, C, true, "", 28},
    {"lblMas", "火星", 1390, 3700, 492, 204, kWhite, kP9, C, true, "", 6},
    {"lblJup", "木星", 7896, 3720, 372, 204, kWhite, kP9, C, true, "", 5},
    {"lblSat", "土星", 9396, 3720, 372, 204, kWhite, kP9, C, true, "", 4},
    {"lblSunN", "0.0", 4880, 5160, 372, 252, kWhite, kP105Bold, L, true, "", 16},
    {"lblMrcN", "0.4", 3940, 5160, 372, 252, kWhite, kP105Bold, L, true, "", 17},
    {"lblVnsN", "0.7", 3240, 5160, 372, 252, kWhite, kP105Bold, L, true, "", 18},
    {"lblEthN", "1.0", 2530, 5160, 492, 252, kWhite, kP105Bold, L, true, "", 19},
    {"lblMasN", "1.5", 1480, 5160, 372, 252, kWhite, kP105Bold, L, true, "", 9},
    {"lblJupN", "5.2", 7950, 5160, 372, 252, kWhite, kP105Bold, L, true, "", 8},
    {"lblSatN", "9.5", 9450, 5160, 372, 252, kWhite, kP105Bold, L, true, "", 7},
    {"lblsyun", "←", 300, 4110, 252, 852, kText, kGothic9, L, true, "", 31},
};
const LineRow kLines[] = {
    {"Line1", 456, 4200, 6960, 4200, kScale, 1, 29},
    {"Line2", 2680, 4700, 2680, 5050, kScale, 1, 23},
    {"Line3", 3370, 4500, 3370, 5050, kScale, 1, 22},
    {"Line4", 4050, 4700, 4050, 5050, kScale, 1, 21},
    {"Line5", 5000, 4500, 5000, 5050, kScale, 1, 20},
    {"Line6", 1630, 4500, 1630, 5050, kScale, 1, 12},
    {"Line7", 8070, 4500, 8070, 5050, kScale, 1, 11},
    {"Line8", 9580, 4500, 9580, 5050, kScale, 1, 10},
    {"Line9", 7200, 4200, 10080, 4200, kScale, 1, 30},
    {"Line10", 7164, 3840, 6720, 4680, kViolet, 2, 3},
    {"Line11", 7380, 3840, 6960, 4680, kViolet, 2, 2},
    {"LinTail", 10500, 7000, 10500, 7000 /* start-up: collapsed on the comet */, kViolet, 2, 15},
};
// clang-format on

template <class C> const C* Get(const Form& f, const char* name) {
    const C* c = dynamic_cast<const C*>(f.Find(name));
    if (!c)
        ADD_FAILURE() << name << " is missing or of another kind";
    return c;
}

void ExpectBox(const Control* c, float l, float t, float w, float h) {
    EXPECT_EQ(c->Left(), l);
    EXPECT_EQ(c->Top(), t);
    EXPECT_EQ(c->Width(), w);
    EXPECT_EQ(c->Height(), h);
}

TEST(Design, EveryRowOfTheMainWindow) {
    Rig r;
    const frmWE& w = r.w;
    EXPECT_EQ(w.Caption(), "惑星の動き");
    EXPECT_EQ((XY{w.ScaleWidth(), w.ScaleHeight()}), (XY{10560, 7635}));
    EXPECT_EQ(w.Border(), BorderStyle::Sizable);
    EXPECT_EQ(w.BackColor(), (Color{32, 32, 32}));
    EXPECT_EQ(w.ForeColor(), (Color{32, 32, 32}));
    EXPECT_EQ(w.font(), kGothic9);
    EXPECT_FALSE(w.Icon().empty());
    EXPECT_EQ(w.TmrWE.Interval(), 0);
    EXPECT_EQ(w.TmrMes.Interval(), 0);
    std::size_t rows = 0;
    for (const ButtonRow& d : kButtons) {
        SCOPED_TRACE(d.name);
        const auto* b = Get<CommandButton>(w, d.name);
        ASSERT_TRUE(b);
        ExpectBox(b, d.left, d.top, d.width, d.height);
        EXPECT_EQ(b->Caption(), d.caption);
        EXPECT_EQ(b->ToolTip(), d.tip);
        EXPECT_EQ(b->BackColor(), kFace);
        EXPECT_EQ(b->font(), kP9);
        EXPECT_TRUE(b->Visible());
        EXPECT_EQ(b->Enabled(), d.enabled);
        EXPECT_EQ(b->layer(), Layer::Windowed);
        EXPECT_EQ(b->ZIndex(), d.z);
        ++rows;
    }
    for (const BoxRow& d : kBoxes) {
        SCOPED_TRACE(d.name);
        const Control* c = w.Find(d.name);
        ASSERT_TRUE(c);
        ExpectBox(c, d.left, d.top, d.width, d.height);
        EXPECT_TRUE(c->Visible());
        EXPECT_EQ(c->ZIndex(), d.z);
        if (const auto* s = dynamic_cast<const Shape*>(c)) {
            EXPECT_EQ(s->layer(), Layer::Windowless);
            EXPECT_EQ(s->Style(), (CircleStyle{d.fill, d.outline}));
        } else {
            const auto* box = Get<PictureBox>(w, d.name);
            ASSERT_TRUE(box);
            EXPECT_EQ(box->layer(), Layer::Windowed);
            EXPECT_EQ(box->BackColor(), kBoxBack);
            if (d.discW > 0) {
                EXPECT_EQ(box->disc(), (Disc{d.discW, d.discH, {d.fill, d.outline}}));
            } else {
                EXPECT_FALSE(box->disc());
            }
            EXPECT_EQ(box->Picture(), d.picture);
        }
        ++rows;
    }
    for (const LabelRow& d : kLabels) {
        SCOPED_TRACE(d.name);
        const auto* l = Get<Label>(w, d.name);
        ASSERT_TRUE(l);
        ExpectBox(l, d.left, d.top, d.width, d.height);
        EXPECT_EQ(l->Caption(), d.caption);
        EXPECT_EQ(l->ForeColor(), d.colour);
        EXPECT_EQ(l->font(), d.font);
        EXPECT_EQ(l->Alignment(), d.align);
        EXPECT_EQ(l->Visible(), d.visible);
        EXPECT_EQ(l->ToolTip(), d.tip);
        EXPECT_EQ(l->layer(), Layer::Windowless);
        EXPECT_EQ(l->ZIndex(), d.z);
        ++rows;
    }
    for (const LineRow& d : kLines) {
        SCOPED_TRACE(d.name);
        const auto* l = Get<Line>(w, d.name);
        ASSERT_TRUE(l);
        EXPECT_EQ((XY{double(l->X1()), double(l->Y1())}), (XY{double(d.x1), double(d.y1)}));
        EXPECT_EQ((XY{double(l->X2()), double(l->Y2())}), (XY{double(d.x2), double(d.y2)}));
        EXPECT_EQ(l->BorderColor(), d.colour);
        EXPECT_EQ(l->BorderWidth(), d.width);
        EXPECT_TRUE(l->Visible());
        EXPECT_EQ(l->ZIndex(), d.z);
        ++rows;
    }
    EXPECT_EQ(rows, w.Controls().size()); // no control without its row
}

// Every body's starting state, from where its box stands: at load, then after running in
// one range and switching into the other, twice.
TEST(StartUp, EveryBodyFromItsOwnBox) {
    Rig r;
    r.w.Resized(13000, 8000);
    for (const Start* start : {&kAtLoad, &kSaturnRange, &kMarsAgain}) {
        SCOPED_TRACE(start->name);
        if (start != &kAtLoad) {
            r.w.cmdSTR[0]->Click();
            r.backend.Advance(400); // the switch restarts from wherever the motion was
            r.w.cmdSTP->Click();
            r.w.cmdSyo->Click();
        }
        const sim::State& s = r.w.s;
        EXPECT_EQ((XY{s.SunXn, s.SunYn}), (XY{start->SunXn, start->SunYn}));
        EXPECT_EQ(Centre(r.w.picSun), (XY{start->SunXn, start->SunYn}));
        for (const StartRow& row : start->rows) {
            SCOPED_TRACE(row.box);
            const sim::Body& b = s.*row.body;
            EXPECT_EQ(Centre(r.w.Find(row.box)), (XY{row.Xn, row.Yn}));
            EXPECT_TRUE(r.w.Find(row.box)->Visible());
            EXPECT_EQ(b.Xn, row.Xn);
            EXPECT_EQ(b.Yn, row.Yn);
            EXPECT_DOUBLE_EQ(b.Xp, row.Xp);
            EXPECT_DOUBLE_EQ(b.Yp, row.Yp);
            EXPECT_NEAR(b.Vn, row.Vn, row.vnTolerance);
        }
        const bool saturn = start == &kSaturnRange;
        EXPECT_EQ(s.yo, !saturn);
        EXPECT_EQ(s.Syo, saturn);
        EXPECT_FALSE(s.Ethstop);
        EXPECT_FALSE(s.Tendo);
        EXPECT_EQ(s.n, 0);
        EXPECT_EQ(r.w.TmrWE.Interval(), 0);
        if (start == &kAtLoad) {
            EXPECT_EQ(s.m, 0);
        }
    }
}

} // namespace
