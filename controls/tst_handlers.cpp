// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Which controls run their click handlers, by every route a click comes (a click, Enter or Space
// on the focused control, Enter for the default button, Esc for the cancel button): buttons and
// labels alike, shown or hidden, enabled or disabled, on a window that is open or closed.

#include "controls/form.h"
#include "controls/headless.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace controls;

enum class What { Button, Label };
enum class State { Shown, Hidden, Disabled, HiddenAndDisabled, WindowHidden, WindowClosed };
enum class Route { Click, EnterOnIt, SpaceOnIt, EnterAsDefault, EscAsCancel };

struct Window : Form {
    Window() : Form("frmTest") {
        button = Add<CommandButton>("cmdIt");
        button->onClick([this] { ++runs; });
        label = Add<Label>("lblIt");
        label->onClick([this] { ++runs; });
        other = Add<CommandButton>("cmdOther");
        other->onClick([this] { ++otherRuns; });
        setTabOrder({button, label, other});
    }
    CommandButton *button, *other;
    Label* label;
    int runs = 0, otherRuns = 0;
};

struct Row {
    What what;
    State state;
    Route route;
    bool runs;
};

const char* Name(What w) {
    return w == What::Button ? "Button" : "Label";
}
const char* Name(State s) {
    switch (s) {
    case State::Shown:
        return "Shown";
    case State::Hidden:
        return "Hidden";
    case State::Disabled:
        return "Disabled";
    case State::HiddenAndDisabled:
        return "HiddenAndDisabled";
    case State::WindowHidden:
        return "WindowHidden";
    case State::WindowClosed:
        return "WindowClosed";
    }
    return "";
}
const char* Name(Route r) {
    switch (r) {
    case Route::Click:
        return "Click";
    case Route::EnterOnIt:
        return "EnterOnIt";
    case Route::SpaceOnIt:
        return "SpaceOnIt";
    case Route::EnterAsDefault:
        return "EnterAsDefault";
    case Route::EscAsCancel:
        return "EscAsCancel";
    }
    return "";
}

void PrintTo(const Row& r, std::ostream* os) {
    *os << Name(r.what) << " " << Name(r.state) << " " << Name(r.route);
}

class Handlers : public testing::TestWithParam<Row> {};

TEST_P(Handlers, RunOrNot) {
    HeadlessBackend backend;
    Window w;
    w.Show();
    const Row& row = GetParam();
    Control& it = row.what == What::Button ? static_cast<Control&>(*w.button) : *w.label;
    if (row.route == Route::EnterAsDefault)
        w.setDefaultButton(w.button);
    if (row.route == Route::EscAsCancel)
        w.setCancelButton(w.button);
    // The focus is put on it while it still can take it; the state comes after.
    if (row.route == Route::EnterOnIt || row.route == Route::SpaceOnIt)
        it.SetFocus();
    switch (row.state) {
    case State::Shown:
        break;
    case State::Hidden:
        it.setVisible(false);
        break;
    case State::Disabled:
        it.setEnabled(false);
        break;
    case State::HiddenAndDisabled:
        it.setVisible(false);
        it.setEnabled(false);
        break;
    case State::WindowHidden:
        w.Hide();
        break;
    case State::WindowClosed:
        w.Close();
        break;
    }
    bool handled = false;
    switch (row.route) {
    case Route::Click:
        if (row.what == What::Button)
            w.button->Click();
        else
            w.label->Click();
        break;
    case Route::EnterOnIt:
    case Route::EnterAsDefault:
        handled = w.KeyDown(Key::Enter);
        break;
    case Route::SpaceOnIt:
        handled = w.KeyDown(Key::Space);
        break;
    case Route::EscAsCancel:
        handled = w.KeyDown(Key::Escape);
        break;
    }
    EXPECT_EQ(w.runs, row.runs ? 1 : 0);
    if (row.route != Route::Click) { // a key that did nothing is the backend's to pass on
        EXPECT_EQ(handled, row.runs);
    }
    EXPECT_EQ(w.otherRuns, 0); // never another control's handler instead
}

std::vector<Row> Rows() {
    std::vector<Row> rows;
    for (What what : {What::Button, What::Label})
        for (State state : {State::Shown, State::Hidden, State::Disabled, State::HiddenAndDisabled,
                            State::WindowHidden, State::WindowClosed})
            for (Route route : {Route::Click, Route::EnterOnIt, Route::SpaceOnIt,
                                Route::EnterAsDefault, Route::EscAsCancel}) {
                // Only a button is a window's default or cancel button.
                if (what == What::Label &&
                    (route == Route::EnterAsDefault || route == Route::EscAsCancel))
                    continue;
                // No key reaches a window that is not shown; its program may still click.
                if (state == State::WindowHidden && route != Route::Click)
                    continue;
                // Only a shown, enabled control of an open window runs its handler; a window
                // hidden but not closed still runs the handlers its program asks for.
                const bool runs = state == State::Shown || state == State::WindowHidden;
                rows.push_back({what, state, route, runs});
            }
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Table, Handlers, testing::ValuesIn(Rows()), [](const auto& p) {
    return std::string(Name(p.param.what)) + Name(p.param.state) + Name(p.param.route);
});

// A label without a handler is not pressed by Space, and Enter then goes to the default button.
TEST(Handlers, ALabelWithoutAHandlerPassesEnterToTheDefault) {
    HeadlessBackend backend;
    Window w;
    w.Show();
    auto* plain = w.Add<Label>("lblPlain");
    w.setTabOrder({w.button, plain, w.other});
    plain->SetFocus();
    ASSERT_EQ(w.Focused(), plain);
    w.setDefaultButton(w.other);
    EXPECT_FALSE(w.KeyDown(Key::Space));
    EXPECT_EQ(w.otherRuns, 0);
    EXPECT_TRUE(w.KeyDown(Key::Enter));
    EXPECT_EQ(w.otherRuns, 1);
    EXPECT_EQ(w.runs, 0);
}

// Enter on a focused button presses it, not the default button.
TEST(Handlers, EnterPressesTheFocusedButtonBeforeTheDefault) {
    HeadlessBackend backend;
    Window w;
    w.Show();
    w.setDefaultButton(w.other);
    w.button->SetFocus();
    EXPECT_TRUE(w.KeyDown(Key::Enter));
    EXPECT_EQ(w.runs, 1);
    EXPECT_EQ(w.otherRuns, 0);
    // Space never presses the default button.
    w.FocusMovedTo(nullptr);
    EXPECT_FALSE(w.KeyDown(Key::Space));
    EXPECT_EQ(w.otherRuns, 0);
}

// A handler that closes its own window: the keys that follow do nothing.
TEST(Handlers, NothingRunsAfterAHandlerClosedItsWindow) {
    HeadlessBackend backend;
    Window w;
    w.Show();
    w.button->onClick([&] {
        ++w.runs;
        w.Close();
    });
    w.setDefaultButton(w.button);
    w.setCancelButton(w.other);
    EXPECT_TRUE(w.KeyDown(Key::Enter));
    EXPECT_FALSE(w.KeyDown(Key::Enter));
    EXPECT_FALSE(w.KeyDown(Key::Escape));
    w.other->Click();
    w.label->Click();
    EXPECT_EQ(w.runs, 1);
    EXPECT_EQ(w.otherRuns, 0);
}

} // namespace
