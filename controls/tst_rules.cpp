// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules every backend shows alike: stacking, the tab sequence, the font and face a control
// is drawn in, and the clock's catching up while nothing is due.

#include "controls/clock.h"
#include "controls/headless.h"
#include "controls/rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace controls;

std::vector<std::string> Names(const std::vector<Control*>& cs) {
    std::vector<std::string> names;
    for (const Control* c : cs)
        names.push_back(c->Name());
    return names;
}

struct Window {
    HeadlessBackend backend;
    Form form{"form"};
    // Made in this order: later ones start on top of their layer.
    CommandButton* b1 = form.Add<CommandButton>("b1");
    Label* l1 = form.Add<Label>("l1");
    PictureBox* p1 = form.Add<PictureBox>("p1");
    Shape* s1 = form.Add<Shape>("s1");
    Line* n1 = form.Add<Line>("n1");
    Image* i1 = form.Add<Image>("i1");
    CommandButton* b2 = form.Add<CommandButton>("b2");
};

TEST(StackingOrder, WindowlessUnderWindowedNewestOnTop) {
    Window w;
    EXPECT_EQ(Names(StackingOrder(w.form)),
              (std::vector<std::string>{"l1", "s1", "n1", "i1", "b1", "p1", "b2"}));
}

TEST(StackingOrder, AsTheWindowGivesItWithinEachLayer) {
    Window w;
    // Each layer top to bottom, as a layout gives it.
    w.form.setZOrder({w.p1, w.b2, w.b1}, {w.i1, w.l1, w.n1, w.s1});
    EXPECT_EQ(Names(StackingOrder(w.form)),
              (std::vector<std::string>{"s1", "n1", "l1", "i1", "b1", "b2", "p1"}));
}

TEST(TabSequence, OnlyTheListedInTheirOrder) {
    Window w;
    EXPECT_TRUE(TabSequence(w.form).empty());
    w.form.setTabOrder({w.b2, w.l1, w.b1});
    EXPECT_EQ(Names(TabSequence(w.form)), (std::vector<std::string>{"b2", "l1", "b1"}));
    w.form.setTabOrder({w.b1});
    EXPECT_EQ(Names(TabSequence(w.form)), (std::vector<std::string>{"b1"}));
}

TEST(EffectiveFont, OwnOrTheWindows) {
    Window w;
    const Font window{"ＭＳ Ｐゴシック", 9, false, false};
    w.form.setFont(window);
    EXPECT_EQ(EffectiveFont(*w.b1), window);
    const Font own{"ＭＳ ゴシック", 12, true, false};
    w.l1->setFont(own);
    EXPECT_EQ(EffectiveFont(*w.l1), own);
    EXPECT_EQ(EffectiveFont(*w.b2), window);
}

struct FaceRow {
    Font font;
    Face face;
};

class Faces : public testing::TestWithParam<FaceRow> {};

TEST_P(Faces, ByNameAndWeight) {
    EXPECT_EQ(FaceOf(GetParam().font), GetParam().face);
}

INSTANTIATE_TEST_SUITE_P(
    LayoutFonts, Faces,
    testing::Values(FaceRow{{"ＭＳ Ｐゴシック", 9, false, false}, Face::Gothic},
                    FaceRow{{"ＭＳ ゴシック", 9, true, false}, Face::GothicBold},
                    FaceRow{{"HGP平成丸ｺﾞｼｯｸ体W8", 14, false, false}, Face::Rounded},
                    FaceRow{{"HGP平成丸ｺﾞｼｯｸ体W8", 14, true, false}, Face::Rounded},
                    FaceRow{{"", 9, false, false}, Face::Gothic}));

// While nothing is due the clock may catch up with the real one; it never passes a due time,
// so nothing fires out of its handler's turn.
TEST(ClockIdle, NeverPastTheNextDueTime) {
    HeadlessBackend quiet;
    Clock clock;
    int ticks = 0;
    Timer t([&] { ++ticks; });
    clock.add(t);
    EXPECT_EQ(clock.Idle(500), 500); // nothing runs: all the time passes
    EXPECT_EQ(clock.Running(), 0);
    t.setInterval(40);
    clock.set(t); // due at 540
    EXPECT_EQ(clock.Running(), 1);
    EXPECT_EQ(clock.Idle(25), 25);
    EXPECT_EQ(clock.Idle(100), 15);
    EXPECT_EQ(clock.Now(), 540);
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(clock.NextDue(), 0);
    clock.Advance(0);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(clock.Idle(-5), 0);
}

} // namespace
