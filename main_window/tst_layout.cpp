// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window as it is laid out: the buttons and body boxes at their design places, and
// the stacking of both layers from top to bottom.

#include "main_window/tst_support.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

using namespace controls;
using namespace testing_support;

namespace {

struct Place {
    const char* name;
    float left, top, width, height;
};

class DesignPlace : public ::testing::TestWithParam<Place> {};

TEST_P(DesignPlace, AsLaidOut) {
    Rig r;
    const Place& p = GetParam();
    const Control* c = r.w.Find(p.name);
    ASSERT_NE(c, nullptr) << p.name;
    EXPECT_EQ(c->Left(), p.left) << p.name;
    EXPECT_EQ(c->Top(), p.top) << p.name;
    EXPECT_EQ(c->Width(), p.width) << p.name;
    EXPECT_EQ(c->Height(), p.height) << p.name;
}

INSTANTIATE_TEST_SUITE_P(
    ButtonsAndBoxes, DesignPlace,
    ::testing::Values(
        Place{"cmdSTR(0)", 350, 240, 930, 492}, Place{"cmdSTR(1)", 1305, 360, 120, 252},
        Place{"cmdSTR(2)", 1460, 360, 120, 252}, Place{"cmdSTR(3)", 1610, 360, 120, 252},
        Place{"cmdSTP", 1750, 240, 930, 492}, Place{"cmdEthST", 3060, 240, 1250, 492},
        Place{"cmdClr", 4380, 240, 1100, 492}, Place{"cmdSyo", 5550, 240, 1100, 492},
        Place{"cmdTendo", 6720, 240, 1100, 492}, Place{"cmdFrm2", 7890, 240, 1100, 492},
        Place{"cmdEndWE", 9120, 240, 1100, 492}, Place{"picSun", 4830, 4040, 350, 350},
        Place{"picMrc", 3993, 4170, 120, 100}, Place{"picVns", 3316, 4145, 130, 130},
        Place{"picEth", 2600, 4140, 155, 155}, Place{"picMon", 2469, 4160, 100, 100},
        Place{"picMas", 1580, 4140, 130, 130}, Place{"picJup", 7980, 4150, 220, 180},
        Place{"picSat", 9480, 4140, 200, 130}),
    [](const ::testing::TestParamInfo<Place>& row) {
        std::string name = row.param.name; // "cmdSTR(0)" becomes "cmdSTR_0_"
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

// Each layer's controls in their stacking order, top first.
std::vector<std::string> Stacking(const Form& f, Layer layer) {
    std::vector<const Control*> in;
    for (const auto& c : f.Controls())
        if (c->layer() == layer)
            in.push_back(c.get());
    std::vector<std::string> names(in.size());
    for (const Control* c : in)
        if (c->ZIndex() >= 0 && std::size_t(c->ZIndex()) < names.size())
            names[std::size_t(c->ZIndex())] = c->Name();
    return names;
}

TEST(Layering, BothLayersTopToBottom) {
    Rig r;
    const std::vector<std::string> windowed = {
        "cmdSTR(3)", "cmdSTR(2)", "cmdSTR(1)", "cmdFrm2",  "cmdTendo", "picMas", "picSat",
        "picJup",    "picSun",    "picMon",    "picEth",   "picVns",   "picMrc", "cmdEndWE",
        "cmdSTP",    "cmdSTR(0)", "cmdClr",    "cmdEthST", "cmdSyo"};
    const std::vector<std::string> windowless = {
        "lblTomeru", "lblEthYear", "Line11",  "Line10",  "lblSat", "lblJup", "lblMas", "lblSatN",
        "lblJupN",   "lblMasN",    "Line8",   "Line7",   "Line6",  "lblMes", "shpCom", "LinTail",
        "lblSunN",   "lblMrcN",    "lblVnsN", "lblEthN", "Line5",  "Line4",  "Line3",  "Line2",
        "lblSun",    "lblMrc",     "lblVns",  "lblEth",  "lblMon", "Line1",  "Line9",  "lblsyun"};
    EXPECT_EQ(Stacking(r.w, Layer::Windowed), windowed);
    EXPECT_EQ(Stacking(r.w, Layer::Windowless), windowless);
}

} // namespace
