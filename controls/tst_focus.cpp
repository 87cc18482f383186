// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the keyboard focus goes when the control that holds it is hidden or disabled, or its
// window closes, and which controls can take it at all.

#include "controls/form.h"
#include "controls/headless.h"
#include "controls/tst_recorder.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace controls;

// Three buttons and a clickable label in the tab order, a button out of it, a label without a
// click handler, and the window's default and cancel buttons.
struct Window : Form {
    Window() : Form("frmTest") {
        a = Add<CommandButton>("cmdA");
        b = Add<CommandButton>("cmdB");
        c = Add<CommandButton>("cmdC");
        link = Add<Label>("lblLink");
        link->onClick([this] { ++linkClicks; });
        plain = Add<Label>("lblPlain");
        outside = Add<CommandButton>("cmdOutside");
        ok = Add<CommandButton>("cmdOK");
        ok->onClick([this] { ++okClicks; });
        setDefaultButton(ok);
        setTabOrder({a, b, c, link, ok});
    }
    CommandButton *a, *b, *c, *outside, *ok;
    Label *link, *plain;
    int okClicks = 0, linkClicks = 0;
};

struct Row {
    const char* name;
    const char* focusedFirst; // where SetFocus puts it first
    std::function<void(Window&)> then;
    const char* focusAfter; // "" : on the window itself, on no control
};

void PrintTo(const Row& r, std::ostream* os) {
    *os << r.name;
}

class FocusAfter : public testing::TestWithParam<Row> {};

TEST_P(FocusAfter, Change) {
    HeadlessBackend backend;
    Window w;
    w.Show();
    const Row& row = GetParam();
    static_cast<Control*>(w.Find(row.focusedFirst))->SetFocus();
    ASSERT_EQ(w.Focused(), w.Find(row.focusedFirst));
    row.then(w);
    const std::string now = w.Focused() ? w.Focused()->Name() : "";
    EXPECT_EQ(now, row.focusAfter);
    // No control but the one named holds the focus.
    for (const auto& c : w.Controls())
        EXPECT_EQ(c->HasFocus(), c->Name() == row.focusAfter) << c->Name();
}

const Row kRows[] = {
    {"HidingItMovesItToTheWindow", "cmdA", [](Window& w) { w.a->setVisible(false); }, ""},
    {"DisablingItMovesItToTheWindow", "cmdA", [](Window& w) { w.a->setEnabled(false); }, ""},
    {"HidingAClickableLabel", "lblLink", [](Window& w) { w.link->setVisible(false); }, ""},
    {"DisablingAClickableLabel", "lblLink", [](Window& w) { w.link->setEnabled(false); }, ""},
    {"HidingAnotherLeavesIt", "cmdA", [](Window& w) { w.b->setVisible(false); }, "cmdA"},
    {"DisablingAnotherLeavesIt", "cmdA", [](Window& w) { w.b->setEnabled(false); }, "cmdA"},
    {"ShowingItAgainDoesNotBringItBack", "cmdA",
     [](Window& w) {
         w.a->setVisible(false);
         w.a->setVisible(true);
     },
     ""},
    {"EnablingItAgainDoesNotBringItBack", "cmdA",
     [](Window& w) {
         w.a->setEnabled(false);
         w.a->setEnabled(true);
     },
     ""},
    {"HidingTheWindowKeepsItForWhenItIsShown", "cmdB", [](Window& w) { w.Hide(); }, "cmdB"},
    {"ClosingTheWindowDropsIt", "cmdB", [](Window& w) { w.Close(); }, ""},
    {"NotToAHiddenControl", "cmdA",
     [](Window& w) {
         w.b->setVisible(false);
         w.b->SetFocus();
     },
     "cmdA"},
    {"NotToADisabledControl", "cmdA",
     [](Window& w) {
         w.b->setEnabled(false);
         w.b->SetFocus();
     },
     "cmdA"},
    {"NotToOneOutsideTheTabOrder", "cmdA", [](Window& w) { w.outside->SetFocus(); }, "cmdA"},
    {"NotToALabelOutsideTheTabOrder", "cmdA", [](Window& w) { w.plain->SetFocus(); }, "cmdA"},
    {"NotBackIntoAClosedWindow", "cmdA",
     [](Window& w) {
         w.Close();
         w.b->SetFocus();
     },
     ""},
    {"ToAnotherOfTheTabOrder", "cmdA", [](Window& w) { w.link->SetFocus(); }, "lblLink"},
    {"LeftOutOfTheTabOrderKeepsIt", "cmdA", [](Window& w) { w.setTabOrder({w.b}); }, "cmdA"},
};

INSTANTIATE_TEST_SUITE_P(Table, FocusAfter, testing::ValuesIn(kRows),
                         [](const auto& p) { return std::string(p.param.name); });

// Once the focused button is hidden, Enter goes to the default button, not to the hidden one.
TEST(Focus, EnterAfterTheFocusedButtonIsHiddenPressesTheDefault) {
    HeadlessBackend backend;
    Window w;
    w.Show();
    int aClicks = 0;
    w.a->onClick([&] { ++aClicks; });
    w.a->SetFocus();
    w.a->setVisible(false);
    EXPECT_TRUE(w.KeyDown(Key::Enter));
    EXPECT_EQ(aClicks, 0);
    EXPECT_EQ(w.okClicks, 1);
    // Space presses only what has the focus: there is none.
    EXPECT_FALSE(w.KeyDown(Key::Space));
    EXPECT_EQ(w.okClicks, 1);
}

// The model tells its backend when it moves the focus itself, once a move.
TEST(Focus, TheBackendIsToldOfEachMoveTheModelMakes) {
    recorder::RecordingBackend backend;
    Window w;
    w.Show();
    const auto moves = [&] {
        int n = 0;
        for (const auto& c : backend.changes)
            n += c.who == "form" && c.what == Prop::Focus;
        return n;
    };
    w.a->SetFocus();
    EXPECT_EQ(moves(), 1);
    w.a->SetFocus();       // already there
    w.outside->SetFocus(); // refused
    EXPECT_EQ(moves(), 1);
    w.link->SetFocus();
    EXPECT_EQ(moves(), 2);
    EXPECT_EQ(w.Focused(), w.link);
}

} // namespace
