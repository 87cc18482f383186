// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every caption, tooltip and accessible name of both windows, in the state where the handlers
// set it, against the one table of literal texts.

#include "main_window/expected_texts.h"
#include "main_window/tst_support.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <vector>

using expected::What;
using expected::When;
using namespace controls;
using testing_support::Rig;

namespace {

// Brings a fresh pair of windows into the state of a row; the Earth view, where needed.
frmTendo* Reach(Rig& r, When when) {
    switch (when) {
    case When::Started:
        r.w.cmdSTR[0]->Click();
        break;
    case When::EarthHeld:
        r.w.cmdEthST->Click();
        break;
    case When::EarthCentred:
        r.w.cmdTendo->Click();
        break;
    case When::SaturnRange:
        r.w.cmdSyo->Click();
        break;
    case When::ViewStopped:
        return &r.OpenView();
    case When::ViewRunning:
        r.w.cmdSTR[0]->Click();
        return &r.OpenView();
    case When::StarsHidden: {
        frmTendo& v = r.OpenView();
        v.cmdKesu->Click();
        return &v;
    }
    case When::Design:
    case When::NearMiss:
        break;
    }
    return nullptr;
}

std::string Read(const Form& f, const std::string& name, What what) {
    if (name == f.Name())
        return f.Caption();
    const Control* c = f.Find(name);
    if (!c)
        return "(no such control)";
    switch (what) {
    case What::ToolTip:
        return c->ToolTip();
    case What::Name:
        return c->AccessibleName();
    case What::Caption:
        break;
    }
    if (auto* b = dynamic_cast<const CommandButton*>(c))
        return b->Caption();
    if (auto* l = dynamic_cast<const Label*>(c))
        return l->Caption();
    return "(no caption)";
}

} // namespace

namespace expected {
void PrintTo(const Text& t, std::ostream* os) {
    *os << t.control << " \"" << t.text << "\"";
}
} // namespace expected

namespace {

class Texts : public testing::TestWithParam<expected::Text> {};

TEST_P(Texts, AsQuoted) {
    const expected::Text& t = GetParam();
    Rig r;
    frmTendo* view = Reach(r, t.when);
    const bool onView = view && view->Find(t.control) != nullptr;
    const bool isViewTitle = view && std::string(t.control) == view->Name();
    const Form& f = onView || isViewTitle ? static_cast<const Form&>(*view) : r.w;
    EXPECT_EQ(Read(f, t.control, t.what), t.text);
}

std::vector<expected::Text> Rows() {
    std::vector<expected::Text> rows;
    for (const expected::Text& t : expected::kTexts)
        if (t.when != When::NearMiss) // checked with the thresholds of the tick
            rows.push_back(t);
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Table, Texts, testing::ValuesIn(Rows()), [](const auto& p) {
    std::string name = std::to_string(p.index) + "_";
    for (char ch : std::string(p.param.control))
        name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    return name;
});

// The captions that the Earth view's handlers change go back to their design texts.
TEST(Texts, EachSecondClickRestoresTheDesignCaption) {
    Rig r;
    frmTendo& v = r.OpenView();
    v.cmdKesu->Click();
    v.cmdKesu->Click();
    EXPECT_EQ(v.cmdKesu->Caption(), expected::Find(When::ViewStopped, "cmdKesu"));
    v.cmdStop->Click();
    EXPECT_EQ(v.cmdStop->Caption(), expected::Find(When::ViewRunning, "cmdStop"));
    v.cmdStop->Click();
    EXPECT_EQ(v.cmdStop->Caption(), expected::Find(When::ViewStopped, "cmdStop"));
}

} // namespace
