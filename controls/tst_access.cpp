// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader hears of each kind of control, the same on every backend: its spoken name
// (controls::SpokenName), its description (its tooltip) and the text said at once when the
// program announces it (controls::AnnouncedText). Both functions are in controls/rules.h, and the
// backends apply them, so that the desktop and the page cannot differ.
// Expects: std::string controls::SpokenName(const controls::Control&) and
//          std::string controls::AnnouncedText(const controls::Control&).

#include "controls/form.h"
#include "controls/headless.h"
#include "controls/rules.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using namespace controls;

struct Row {
    const char* name;
    Kind kind;
    const char* accessibleName; // as the layout sets it
    const char* caption;        // a button's or a label's
    const char* toolTip;
    const char* spoken;    // what a screen reader calls it
    const char* announced; // what it says when the control is announced
};

void PrintTo(const Row& r, std::ostream* os) {
    *os << r.name;
}

const Row kRows[] = {
    // A button is called by its caption, unless it is named.
    {"ButtonByItsCaption", Kind::Button, "", "始める", "", "始める", "始める"},
    {"NamedButton", Kind::Button, "閉じる", "閉じる", "", "閉じる", "閉じる"},
    {"NameBeforeCaption", Kind::Button, "地球を止める", "止める", "", "地球を止める",
     "地球を止める"},
    // A captionless button is heard by its name, and described by its tooltip.
    {"CaptionlessNamedButton", Kind::Button, "遅くする", "", "動きを遅くします", "遅くする",
     "遅くする"},
    {"CaptionlessUnnamedButton", Kind::Button, "", "", "動きを遅くします", "", ""},
    // A label is called by its caption, unless named; announced, it says its caption, the new
    // text, even when it has a name of its own.
    {"LabelByItsCaption", Kind::Label, "", "止めてください", "", "止めてください",
     "止めてください"},
    {"NamedLabel", Kind::Label, "地球の公転回数", "3", "クリックで地球の週回数を0に戻します",
     "地球の公転回数", "3"},
    {"NamedEmptyLabel", Kind::Label, "メッセージ", "", "", "メッセージ", ""},
    {"EmptyLabel", Kind::Label, "", "", "", "", ""},
    // Pictures, shapes, lines and images have no caption: only their name.
    {"NamedBox", Kind::PictureBox, "太陽", "", "", "太陽", "太陽"},
    {"UnnamedBox", Kind::PictureBox, "", "", "", "", ""},
    {"NamedShape", Kind::Shape, "彗星", "", "", "彗星", "彗星"},
    {"UnnamedShape", Kind::Shape, "", "", "", "", ""},
    {"NamedLine", Kind::Line, "彗星の尾", "", "", "彗星の尾", "彗星の尾"},
    {"UnnamedLine", Kind::Line, "", "", "", "", ""},
    {"NamedImage", Kind::Image, "星座", "", "星座の絵", "星座", "星座"},
    {"UnnamedImage", Kind::Image, "", "", "", "", ""},
};

Control* Make(Form& f, const Row& r) {
    switch (r.kind) {
    case Kind::Button: {
        auto* b = f.Add<CommandButton>("cmdIt");
        b->setCaption(r.caption);
        return b;
    }
    case Kind::Label: {
        auto* l = f.Add<Label>("lblIt");
        l->setCaption(r.caption);
        return l;
    }
    case Kind::PictureBox:
        return f.Add<PictureBox>("picIt");
    case Kind::Shape:
        return f.Add<Shape>("shpIt");
    case Kind::Line:
        return f.Add<Line>("LinIt");
    case Kind::Image:
        return f.Add<Image>("imgIt");
    }
    return nullptr;
}

class Access : public testing::TestWithParam<Row> {};

TEST_P(Access, NameDescriptionAndAnnouncement) {
    HeadlessBackend backend;
    Form f("frmTest");
    const Row& r = GetParam();
    Control* c = Make(f, r);
    ASSERT_NE(c, nullptr);
    c->setAccessibleName(r.accessibleName);
    c->setToolTip(r.toolTip);
    EXPECT_EQ(SpokenName(*c), r.spoken);
    EXPECT_EQ(AnnouncedText(*c), r.announced);
    EXPECT_EQ(c->ToolTip(), r.toolTip); // the description, never the name
    EXPECT_EQ(c->AccessibleName(), r.accessibleName);
}

INSTANTIATE_TEST_SUITE_P(Table, Access, testing::ValuesIn(kRows),
                         [](const auto& p) { return std::string(p.param.name); });

// The name follows the caption as it changes, until the control is named; a name set to empty
// gives the caption back.
TEST(Access, TheNameFollowsTheCaption) {
    HeadlessBackend backend;
    Form f("frmTest");
    auto* b = f.Add<CommandButton>("cmdStop");
    b->setCaption("動かす");
    EXPECT_EQ(SpokenName(*b), "動かす");
    b->setCaption("停める");
    EXPECT_EQ(SpokenName(*b), "停める");
    b->setAccessibleName("止める");
    b->setCaption("動かす");
    EXPECT_EQ(SpokenName(*b), "止める");
    b->setAccessibleName("");
    EXPECT_EQ(SpokenName(*b), "動かす");
}

// An announcement goes through the backend with the label's text as it is then.
TEST(Access, AnAnnouncementSaysTheTextOfThatMoment) {
    HeadlessBackend backend;
    Form f("frmTest");
    auto* l = f.Add<Label>("lblMes");
    l->setAccessibleName("メッセージ");
    l->setCaption("金星とニアミス！");
    f.Announce(*l);
    l->setCaption("");
    ASSERT_EQ(backend.announcements.size(), 1u);
    EXPECT_EQ(backend.announcements[0], "金星とニアミス！");
}

} // namespace
