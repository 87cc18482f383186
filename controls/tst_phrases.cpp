// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Captions that wrap break only between their phrases.

#include "controls/phrases.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using controls::Phrases;
using controls::ShownCaption;

const std::string WJ = "\u2060";

struct Case {
    std::string caption;
    std::vector<std::string> phrases;
};

class CaptionPhrases : public ::testing::TestWithParam<Case> {};

TEST_P(CaptionPhrases, SplitWhereAReaderPauses) {
    const Case& c = GetParam();
    std::vector<std::string> got;
    for (auto p : Phrases(c.caption))
        got.emplace_back(p);
    EXPECT_EQ(got, c.phrases);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, CaptionPhrases,
    ::testing::Values(
        Case{"土星まで表示する", {"土星まで", "表示する"}},
        Case{"火星まで表示する", {"火星まで", "表示する"}},
        Case{"地球を中心に動かす", {"地球を", "中心に", "動かす"}},
        Case{"太陽を中心に動かす", {"太陽を", "中心に", "動かす"}},
        Case{"これを地上から見ると…", {"これを", "地上から", "見ると…"}},
        Case{"地球を止める", {"地球を", "止める"}}, Case{"地球を動かす", {"地球を", "動かす"}},
        Case{"足跡を消す", {"足跡を", "消す"}}, Case{"星座を消す", {"星座を", "消す"}},
        Case{"星座を表す", {"星座を", "表す"}}, Case{"止めてください", {"止めて", "ください"}},
        Case{"地球とニアミス！", {"地球と", "ニアミス！"}},
        Case{"土星とニアミス！", {"土星と", "ニアミス！"}},
        // Not in the table: one phrase, or not a caption of the program.
        Case{"始める", {}}, Case{"閉じる", {}}, Case{"", {}},
        // Only the whole caption matches, not a part of one.
        Case{"土星まで", {}}, Case{"土星まで表示するか", {}}));

TEST(ShownCaption, JoinsTheLettersOfEachPhraseAndNothingElse) {
    EXPECT_EQ(ShownCaption("土星まで表示する"),
              "土" + WJ + "星" + WJ + "ま" + WJ + "で" + "表" + WJ + "示" + WJ + "す" + WJ + "る");
    // The ellipsis belongs to its phrase.
    EXPECT_EQ(ShownCaption("これを地上から見ると…"), "こ" + WJ + "れ" + WJ + "を" + "地" + WJ +
                                                         "上" + WJ + "か" + WJ + "ら" + "見" + WJ +
                                                         "る" + WJ + "と" + WJ + "…");
}

TEST(ShownCaption, LeavesOtherTextsAsTheyAre) {
    for (std::string t : {"始める", "0", "12", "", "地球から見ると", "abc"})
        EXPECT_EQ(ShownCaption(t), t);
}

TEST(ShownCaption, WithoutTheJoinersIsTheCaptionAgain) {
    for (std::string t : {"地球を中心に動かす", "星座を表す", "火星とニアミス！"}) {
        std::string shown = ShownCaption(t);
        EXPECT_NE(shown, t);
        for (auto at = shown.find(WJ); at != std::string::npos; at = shown.find(WJ))
            shown.erase(at, WJ.size());
        EXPECT_EQ(shown, t);
    }
}

} // namespace
