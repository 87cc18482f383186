// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The texts of both windows that the main window's layout table and its table of clicks do not
// hold: the Earth view's texts, the accessible names and the near-miss messages, as literal
// Japanese text.

#include <cstring>

namespace expected {

// The state in which a row holds.
enum class When {
    Design,
    Started,
    EarthHeld,
    EarthCentred,
    SaturnRange,
    ViewStopped,
    ViewRunning,
    StarsHidden,
    NearMiss
};
enum class What { Caption, ToolTip, Name };

struct Text {
    When when;
    const char* control; // a control's layout name, or the window's name for its title
    What what;
    const char* text;
};

inline constexpr Text kTexts[] = {
    // A body is named by its own name wherever it stands.
    {When::Design, "picSun", What::Name, "太陽"},
    {When::Design, "picMrc", What::Name, "水星"},
    {When::Design, "picVns", What::Name, "金星"},
    {When::Design, "picEth", What::Name, "地球"},
    {When::Design, "picMon", What::Name, "月"},
    {When::Design, "picMas", What::Name, "火星"},
    {When::Design, "picJup", What::Name, "木星"},
    {When::Design, "picSat", What::Name, "土星"},
    {When::Design, "shpCom", What::Name, "彗星"},
    {When::SaturnRange, "lblSatN", What::Caption, "9.5"},
    {When::ViewStopped, "frmTendo", What::Caption, "地球から見ると"},
    {When::ViewStopped, "cmdStop", What::Caption, "動かす"},
    {When::ViewStopped, "cmdClos", What::Caption, "閉じる"},
    {When::ViewStopped, "cmdClos", What::Name, "閉じる"},
    {When::ViewStopped, "cmdKesu", What::Caption, "星座を消す"},
    {When::ViewStopped, "lblSun2", What::Caption, "太陽"},
    {When::ViewStopped, "lblMon2", What::Caption, "月"},
    {When::ViewStopped, "lblMrc2", What::Caption, "水星"},
    {When::ViewStopped, "lblVns2", What::Caption, "金星"},
    {When::ViewStopped, "lblEth2", What::Caption, "地球"},
    {When::ViewStopped, "lblMas2", What::Caption, "火星"},
    {When::ViewStopped, "lblJup2", What::Caption, "木星"},
    {When::ViewStopped, "lblSat2", What::Caption, "土星"},
    {When::ViewStopped, "lblCom2", What::Caption, "彗星"},
    {When::ViewStopped, "picSun2", What::Name, "太陽"},
    {When::ViewStopped, "picMon2", What::Name, "月"},
    {When::ViewStopped, "picMrc2", What::Name, "水星"},
    {When::ViewStopped, "picVns2", What::Name, "金星"},
    {When::ViewStopped, "picMas2", What::Name, "火星"},
    {When::ViewStopped, "picJup2", What::Name, "木星"},
    {When::ViewStopped, "picSat2", What::Name, "土星"},
    {When::ViewStopped, "shpCom2", What::Name, "彗星"},
    {When::ViewRunning, "cmdStop", What::Caption, "停める"},
    {When::StarsHidden, "cmdKesu", What::Caption, "星座を表す"},
    // The near-miss messages, by the body the comet passes.
    {When::NearMiss, "Mercury", What::Caption, "水星とニアミス！"},
    {When::NearMiss, "Venus", What::Caption, "金星とニアミス！"},
    {When::NearMiss, "Earth", What::Caption, "地球とニアミス！"},
    {When::NearMiss, "Mars", What::Caption, "火星とニアミス！"},
    {When::NearMiss, "Jupiter", What::Caption, "木星とニアミス！"},
    {When::NearMiss, "Saturn", What::Caption, "土星とニアミス！"},
};

// The table's text for one control in one state; nullptr where the table has none.
inline const char* Find(When when, const char* control, What what = What::Caption) {
    for (const Text& t : kTexts)
        if (t.when == when && t.what == what && std::strcmp(t.control, control) == 0)
            return t.text;
    return nullptr;
}

} // namespace expected
