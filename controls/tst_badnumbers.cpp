// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Numbers that are not numbers, infinite or far beyond any screen (the limit is 10 000 000 twips),
// given to every call that takes a position or a size: the property stays as it was and the
// backend hears nothing. A point at such a place draws nothing.

#include "controls/form.h"
#include "controls/tst_recorder.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace controls;
using recorder::RecordingBackend;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kLimit = 1e7; // twips

struct Window : Form {
    Window() : Form("frmTest") {
        setClientSize(4500, 3000);
        box = Add<PictureBox>("picBox");
        box->Move(300, 450, 600, 750);
        box->setDisc(Disc{90, 120, {}});
        shape = Add<Shape>("shpDisc");
        shape->Move(1200, 1350, 150, 165);
        button = Add<CommandButton>("cmdGo");
        button->Move(15, 30, 930, 492);
        line = Add<Line>("LinTail");
        line->setPoints(9840, 6000, 10200, 6015);
    }
    void Form_Resize() override { ++resizes; }
    PictureBox* box;
    Shape* shape;
    CommandButton* button;
    Line* line;
    int resizes = 0;
};

// One call with one bad value, and the four numbers the call sets, read back.
struct Call {
    const char* name;
    std::function<void(Window&, double)> call;
    std::function<std::array<double, 4>(const Window&)> read;
    // The four numbers as the window was built.
    std::array<double, 4> built;
};

std::array<double, 4> Box(const Control& c) {
    return {double(c.Left()), double(c.Top()), double(c.Width()), double(c.Height())};
}
std::array<double, 4> Ends(const Line& l) {
    return {double(l.X1()), double(l.Y1()), double(l.X2()), double(l.Y2())};
}

const Call kCalls[] = {
    {"Move2Left",
     [](Window& w, double v) { w.box->Move(v, 450); },
     [](const Window& w) { return Box(*w.box); },
     {300, 450, 600, 750}},
    {"Move2Top",
     [](Window& w, double v) { w.box->Move(300, v); },
     [](const Window& w) { return Box(*w.box); },
     {300, 450, 600, 750}},
    {"Move4Left",
     [](Window& w, double v) { w.button->Move(v, 30, 930, 492); },
     [](const Window& w) { return Box(*w.button); },
     {15, 30, 930, 492}},
    {"Move4Top",
     [](Window& w, double v) { w.button->Move(15, v, 930, 492); },
     [](const Window& w) { return Box(*w.button); },
     {15, 30, 930, 492}},
    {"Move4Width",
     [](Window& w, double v) { w.button->Move(15, 30, v, 492); },
     [](const Window& w) { return Box(*w.button); },
     {15, 30, 930, 492}},
    {"Move4Height",
     [](Window& w, double v) { w.button->Move(15, 30, 930, v); },
     [](const Window& w) { return Box(*w.button); },
     {15, 30, 930, 492}},
    {"setLeft",
     [](Window& w, double v) { w.box->setLeft(v); },
     [](const Window& w) { return Box(*w.box); },
     {300, 450, 600, 750}},
    {"setTop",
     [](Window& w, double v) { w.box->setTop(v); },
     [](const Window& w) { return Box(*w.box); },
     {300, 450, 600, 750}},
    {"setWidth",
     [](Window& w, double v) { w.box->setWidth(v); },
     [](const Window& w) { return Box(*w.box); },
     {300, 450, 600, 750}},
    {"setHeight",
     [](Window& w, double v) { w.box->setHeight(v); },
     [](const Window& w) { return Box(*w.box); },
     {300, 450, 600, 750}},
    {"ShapeWidth",
     [](Window& w, double v) { w.shape->setWidth(v); },
     [](const Window& w) { return Box(*w.shape); },
     {1200, 1350, 150, 165}},
    {"ShapeHeight",
     [](Window& w, double v) { w.shape->setHeight(v); },
     [](const Window& w) { return Box(*w.shape); },
     {1200, 1350, 150, 165}},
    {"ShapeMove",
     [](Window& w, double v) { w.shape->Move(v, v, v, v); },
     [](const Window& w) { return Box(*w.shape); },
     {1200, 1350, 150, 165}},
    {"setPoints",
     [](Window& w, double v) { w.line->setPoints(v, 6000, 10200, 6015); },
     [](const Window& w) { return Ends(*w.line); },
     {9840, 6000, 10200, 6015}},
    {"setPointsLast",
     [](Window& w, double v) { w.line->setPoints(9840, 6000, 10200, v); },
     [](const Window& w) { return Ends(*w.line); },
     {9840, 6000, 10200, 6015}},
    {"setX1",
     [](Window& w, double v) { w.line->setX1(v); },
     [](const Window& w) { return Ends(*w.line); },
     {9840, 6000, 10200, 6015}},
    {"setY1",
     [](Window& w, double v) { w.line->setY1(v); },
     [](const Window& w) { return Ends(*w.line); },
     {9840, 6000, 10200, 6015}},
    {"setX2",
     [](Window& w, double v) { w.line->setX2(v); },
     [](const Window& w) { return Ends(*w.line); },
     {9840, 6000, 10200, 6015}},
    {"setY2",
     [](Window& w, double v) { w.line->setY2(v); },
     [](const Window& w) { return Ends(*w.line); },
     {9840, 6000, 10200, 6015}},
    {"setClientSizeWidth",
     [](Window& w, double v) { w.setClientSize(v, 3000); },
     [](const Window& w) {
         return std::array<double, 4>{w.ScaleWidth(), w.ScaleHeight(), 0, 0};
     },
     {4500, 3000, 0, 0}},
    {"setClientSizeHeight",
     [](Window& w, double v) { w.setClientSize(4500, v); },
     [](const Window& w) {
         return std::array<double, 4>{w.ScaleWidth(), w.ScaleHeight(), 0, 0};
     },
     {4500, 3000, 0, 0}},
    {"DiscWidth",
     [](Window& w, double v) {
         w.box->setDisc(Disc{float(v), 120, {}});
     },
     [](const Window& w) {
         return std::array<double, 4>{double(w.box->disc()->width), double(w.box->disc()->height),
                                      0, 0};
     },
     {90, 120, 0, 0}},
    {"DiscHeight",
     [](Window& w, double v) {
         w.box->setDisc(Disc{90, float(v), {}});
     },
     [](const Window& w) {
         return std::array<double, 4>{double(w.box->disc()->width), double(w.box->disc()->height),
                                      0, 0};
     },
     {90, 120, 0, 0}},
};

struct Row {
    const Call* call;
    double value;
    const char* valueName;
};

void PrintTo(const Row& r, std::ostream* os) {
    *os << r.call->name << "(" << r.valueName << ")";
}

class BadNumbers : public testing::TestWithParam<Row> {};

TEST_P(BadNumbers, NeverReachABackend) {
    const Row& row = GetParam();
    RecordingBackend backend;
    Window w;
    w.Show();
    const std::array<double, 4> before = row.call->read(w);
    backend.clear();
    row.call->call(w, row.value);
    const std::array<double, 4> after = row.call->read(w);
    EXPECT_EQ(after, before);
    EXPECT_TRUE(backend.changes.empty()) << backend.changes.size() << " changes told";
    // The values as built: a call that dropped the whole move would keep them too, but one that
    // held the bad value at the limit would not.
    EXPECT_EQ(before, row.call->built);
    // Whatever was told, the backend read back only finite numbers within the limit.
    for (const auto& c : backend.changes)
        for (double v : {c.a, c.b, c.c, c.d}) {
            EXPECT_TRUE(std::isfinite(v)) << c.who;
            EXPECT_LE(std::abs(v), kLimit) << c.who;
        }
    EXPECT_TRUE(backend.dots.empty());
}

std::vector<Row> Rows() {
    std::vector<Row> rows;
    for (const Call& c : kCalls) {
        rows.push_back({&c, kNaN, "NaN"});
        rows.push_back({&c, -kNaN, "MinusNaN"});
        rows.push_back({&c, kInf, "Inf"});
        rows.push_back({&c, -kInf, "MinusInf"});
        rows.push_back({&c, 1e300, "Huge"});
        rows.push_back({&c, -1e300, "MinusHuge"});
        rows.push_back({&c, 1e7 + 1, "JustBeyond"});
    }
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Table, BadNumbers, testing::ValuesIn(Rows()), [](const auto& p) {
    return std::string(p.param.call->name) + "_" + p.param.valueName;
});

// A point: drawn at the limit itself, not a twip beyond it, and never at a place that is not a
// number, in x or in y.
struct PointRow {
    double x, y;
    bool drawn;
};

class Points : public testing::TestWithParam<PointRow> {};

TEST_P(Points, DrawnOnlyWithinTheLimit) {
    const PointRow& row = GetParam();
    RecordingBackend backend;
    Window w;
    w.Show();
    backend.clear();
    w.PSet(row.x, row.y, {255, 0, 0});
    w.PSet(row.x, row.y);
    ASSERT_EQ(backend.dots.size(), row.drawn ? 2u : 0u);
    for (const Dot& d : backend.dots) {
        EXPECT_EQ(d.x, row.x);
        EXPECT_EQ(d.y, row.y);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Points,
                         testing::Values(PointRow{kNaN, 600, false}, PointRow{600, kNaN, false},
                                         PointRow{kInf, 600, false}, PointRow{600, -kInf, false},
                                         PointRow{1e300, 600, false}, PointRow{600, -1e300, false},
                                         PointRow{1e7 + 1, 0, false}, PointRow{0, -1e7 - 1, false},
                                         PointRow{1e7, -1e7, true}, PointRow{-1e7, 1e7, true},
                                         PointRow{600, 450, true}, PointRow{-15, -15, true}));

// The diameter of the points: at least one pixel, at most what 16 bits hold.
TEST(BadNumbers, DrawWidthIsHeldBetweenOneAndSixteenBits) {
    RecordingBackend backend;
    Window w;
    for (const auto& [asked, held] :
         std::vector<std::pair<int, int>>{{0, 1},
                                          {-5, 1},
                                          {std::numeric_limits<int>::min(), 1},
                                          {1, 1},
                                          {9, 9},
                                          {32767, 32767},
                                          {32768, 32767},
                                          {std::numeric_limits<int>::max(), 32767}}) {
        w.setDrawWidth(asked);
        EXPECT_EQ(w.DrawWidth(), held) << asked;
        backend.clear();
        w.PSet(600, 450);
        ASSERT_EQ(backend.dots.size(), 1u);
        EXPECT_EQ(backend.dots[0].diameter, held) << asked;
    }
}

// A line's width in pixels: from 1 to 64, whatever is asked.
TEST(BadNumbers, LineWidthIsHeldBetweenOneAndSixtyFour) {
    RecordingBackend backend;
    Window w;
    for (const auto& [asked, held] :
         std::vector<std::pair<int, int>>{{0, 1},
                                          {-1, 1},
                                          {std::numeric_limits<int>::min(), 1},
                                          {2, 2},
                                          {64, 64},
                                          {65, 64},
                                          {std::numeric_limits<int>::max(), 64}}) {
        w.line->setBorderWidth(asked);
        EXPECT_EQ(w.line->BorderWidth(), held) << asked;
    }
}

// The size the platform reports: not a number or infinite is ignored (no resize handler runs);
// so is a huge one. Within the limit a negative size is taken as nothing.
TEST(BadNumbers, ResizedByThePlatform) {
    RecordingBackend backend;
    Window w;
    w.Show();
    const int shown = w.resizes;
    for (const auto& [width, height] : std::vector<std::pair<double, double>>{
             {kNaN, 3000}, {4500, kNaN}, {kInf, 3000}, {4500, -kInf}}) {
        w.Resized(width, height);
        EXPECT_EQ(w.ScaleWidth(), 4500);
        EXPECT_EQ(w.ScaleHeight(), 3000);
    }
    EXPECT_EQ(w.resizes, shown);
    w.Resized(1e300, 3000);
    w.Resized(4500, -1e300);
    w.Resized(kLimit + 1, 3000);
    EXPECT_EQ(w.ScaleWidth(), 4500);
    EXPECT_EQ(w.ScaleHeight(), 3000);
    EXPECT_EQ(w.resizes, shown);
    w.Resized(kLimit, -15); // within the limit: taken, a negative size as nothing
    EXPECT_EQ(w.ScaleWidth(), kLimit);
    EXPECT_EQ(w.ScaleHeight(), 0);
    EXPECT_EQ(w.resizes, shown + 1);
    EXPECT_TRUE(backend.dots.empty());
}

} // namespace
