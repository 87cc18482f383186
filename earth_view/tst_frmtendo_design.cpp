// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Earth view as the program builds it, every control row by row against the layout's
// tables, as start-up leaves it: what start-up does not move keeps its design place, what it
// moves keeps its design size, and what it sizes is sized from the window's outer size.

#include "main_window/tst_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <limits>
#include <optional>
#include <string>

using namespace controls;
using namespace testing_support;

namespace {

constexpr Color kFace{128, 255, 255}, kBoxBack{16, 16, 32}, kWhite{255, 255, 255};
constexpr Color kText{0, 0, 0}; // the system window-text colour
const Font kP75{"ＭＳ Ｐゴシック", 7.5, false, false};
// Start-up places this control: its left and top are checked against the chart and the sky.
constexpr float kMoved = std::numeric_limits<float>::quiet_NaN();

// Place in its layer, top first: z.
struct Row {
    const char* name;
    Kind kind;
    float left, top, width, height; // a line's X1, Y1, X2, Y2
    const char* caption;
    std::optional<Color> fill, outline; // a button's or box's face; a disc's or circle's colours
    float discW, discH;                 // 0: no disc
    const char* picture;
    bool visible;
    int z;
};
constexpr auto B = Kind::Button, P = Kind::PictureBox, S = Kind::Shape, T = Kind::Label,
               I = Kind::Image, N = Kind::Line;
constexpr std::nullopt_t none = std::nullopt;

// clang-format off
const Row kRows[] = {
    {"cmdStop", B, 360, 240, 1080, 350, "動かす", kFace, none, 0, 0, "", true, 8},
    {"cmdClos", B, 6720, 240, 1080, 350, "閉じる", kFace, none, 0, 0, "", true, 7},
    {"cmdKesu", B, 360, 6960, 1100, 350, "星座を消す", kFace, none, 0, 0, "", true, 6},
    {"picSun2", P, kMoved, kMoved, 300, 300, "", Color{255, 255, 0}, kText, 300, 300, "", true, 1},
    {"picMon2", P, kMoved, kMoved, 300, 300, "", Color{255, 255, 192}, Color{128, 128, 255}, 300, 300, "", true, 0},
    {"picMrc2", P, kMoved, kMoved, 120, 100, "", Color{128, 255, 255}, Color{64, 64, 255}, 150, 100, "", true, 3},
    {"picVns2", P, kMoved, kMoved, 130, 130, "", Color{255, 255, 255}, Color{96, 96, 255}, 130, 130, "", true, 2},
    {"picMas2", P, kMoved, kMoved, 130, 130, "", Color{255, 128, 128}, kText, 120, 120, "", true, 4},
    {"picJup2", P, kMoved, kMoved, 220, 180, "", none, none, 0, 0, "jupiter.gif", true, 5},
    {"picSat2", P, kMoved, kMoved, 200, 130, "", none, none, 0, 0, "saturn.gif", true, 9},
    {"shpCom2", S, kMoved, kMoved, 60, 60, "", kWhite, none, 0, 0, "", true, 12},
    {"imgTikyu", I, 3240, 3500, 510, 510, "", none, none, 0, 0, "earth.jpg", false, 0},
    {"LinTail2", N, kMoved, kMoved, kMoved, kMoved, "", Color{192, 192, 255}, none, 0, 0, "", true, 11},
    {"shpTenku", S, kMoved, kMoved, kMoved, kMoved, "", none, Color{128, 128, 255}, 0, 0, "", true, 2},
    {"shpKodo", S, kMoved, kMoved, kMoved, kMoved, "", none, Color{255, 255, 0}, 0, 0, "", true, 13},
    {"lblSun2", T, kMoved, kMoved, 348, 204, "太陽", kWhite, none, 0, 0, "", true, 10},
    {"lblMon2", T, kMoved, kMoved, 228, 204, "月", kWhite, none, 0, 0, "", true, 9},
    {"lblMrc2", T, kMoved, kMoved, 348, 204, "水星", kWhite, none, 0, 0, "", true, 8},
    {"lblVns2", T, kMoved, kMoved, 348, 204, "金星", kWhite, none, 0, 0, "", true, 6},
    {"lblEth2", T, 4200, 4080, 348, 204, "地球", kWhite, none, 0, 0, "", true, 7},
    {"lblMas2", T, kMoved, kMoved, 348, 204, "火星", kWhite, none, 0, 0, "", true, 5},
    {"lblJup2", T, kMoved, kMoved, 348, 204, "木星", kWhite, none, 0, 0, "", true, 4},
    {"lblSat2", T, kMoved, kMoved, 348, 204, "土星", kWhite, none, 0, 0, "", true, 3},
    {"lblCom2", T, kMoved, kMoved, 348, 204, "彗星", kWhite, none, 0, 0, "", true, 1},
    {"imgTendo", I, kMoved, 0, kMoved, kMoved, "", none, none, 0, 0, "zodiac.jpg", true, 14},
};
// clang-format on

void Expect(float got, float want) {
    if (!std::isnan(want)) {
        EXPECT_EQ(got, want);
    }
}

TEST(Design, EveryRowOfTheEarthView) {
    Rig r;
    frmTendo& v = r.OpenView(); // opened while the motion stands: the chart stays as loaded
    EXPECT_EQ(v.Caption(), "地球から見ると");
    EXPECT_EQ((XY{v.ScaleWidth(), v.ScaleHeight()}), (XY{8385, 7605}));
    EXPECT_EQ(v.BackColor(), (Color{32, 32, 32}));
    EXPECT_EQ(v.font().name, ""); // the platform's own
    EXPECT_FALSE(v.Icon().empty());
    EXPECT_NE(v.Icon(), r.w.Icon());
    EXPECT_EQ(v.tmrTendo.Interval(), 0);
    for (const Row& d : kRows) {
        SCOPED_TRACE(d.name);
        const Control* c = v.Find(d.name);
        ASSERT_TRUE(c);
        EXPECT_EQ(c->kind(), d.kind);
        EXPECT_EQ(c->Visible(), d.visible);
        EXPECT_EQ(c->ZIndex(), d.z);
        if (const auto* l = dynamic_cast<const Line*>(c)) {
            EXPECT_EQ(l->BorderColor(), d.fill);
            EXPECT_EQ(l->BorderWidth(), 2);
            continue;
        }
        Expect(c->Left(), d.left);
        Expect(c->Top(), d.top);
        Expect(c->Width(), d.width);
        Expect(c->Height(), d.height);
        if (const auto* b = dynamic_cast<const CommandButton*>(c)) {
            EXPECT_EQ(b->Caption(), d.caption);
            EXPECT_EQ(b->BackColor(), d.fill);
            EXPECT_EQ(b->font().name, "");
            EXPECT_FALSE(b->font().bold);
            EXPECT_TRUE(b->Enabled());
        } else if (const auto* l = dynamic_cast<const Label*>(c)) {
            EXPECT_EQ(l->Caption(), d.caption);
            EXPECT_EQ(l->ForeColor(), d.fill);
            EXPECT_EQ(l->font(), kP75);
            EXPECT_EQ(l->Alignment(), Align::Left);
        } else if (const auto* p = dynamic_cast<const PictureBox*>(c)) {
            EXPECT_EQ(p->BackColor(), kBoxBack);
            if (d.discW > 0) {
                EXPECT_EQ(p->disc(), (Disc{d.discW, d.discH, {d.fill, d.outline}}));
            } else {
                EXPECT_FALSE(p->disc());
            }
            EXPECT_EQ(p->Picture(), d.picture);
        } else if (const auto* s = dynamic_cast<const Shape*>(c)) {
            EXPECT_EQ(s->Style(), (CircleStyle{d.fill, d.outline}));
        } else if (const auto* i = dynamic_cast<const Image*>(c)) {
            EXPECT_EQ(i->Picture(), d.picture);
        }
    }
    EXPECT_EQ(std::size(kRows), v.Controls().size()); // no control without its row
    // The pictures are the main window's own.
    EXPECT_EQ(v.picJup2->Picture(), r.w.picJup->Picture());
    EXPECT_EQ(v.picSat2->Picture(), r.w.picSat->Picture());
}

} // namespace
