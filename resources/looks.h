// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The looks both windows share: palette, fonts, and each body's disc or picture.

#include "controls/types.h"

namespace looks {

using controls::CircleStyle;
using controls::Color;
using controls::Disc;
using controls::Font;

inline constexpr Color kSky{32, 32, 32};
inline constexpr Color kButtonFace{128, 255, 255};
inline constexpr Color kBoxBack{16, 16, 32};
inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kRed{255, 0, 0};
inline constexpr Color kScaleLine{0, 0, 192};
inline constexpr Color kPaleViolet{192, 192, 255};
inline constexpr Color kSkyCircle{128, 128, 255};
inline constexpr Color kEcliptic{255, 255, 0};
// The system window-text and button-text colours of the standard scheme.
inline constexpr Color kWindowText{0, 0, 0};
inline constexpr Color kButtonText{0, 0, 0};

// Trail colours, by index of the classic palette.
inline constexpr int kTrailEarth = 9, kTrailMoon = 6, kTrailSun = 14, kTrailMercury = 3,
                     kTrailVenus = 7, kTrailMars = 4, kTrailOuter = 3, kTrailComet = 3;

// Font names as the layouts give them; each backend maps them to faces it has.
inline constexpr char kGothic[] = "ＭＳ ゴシック";
inline constexpr char kPGothic[] = "ＭＳ Ｐゴシック";
inline constexpr char kRounded[] = "HGP平成丸ｺﾞｼｯｸ体W8";

inline Font Gothic9() {
    return {kGothic, 9, false, false};
}
inline Font PGothic(float points, bool bold = false) {
    return {kPGothic, points, bold, false};
}
inline Font MessageFont() {
    return {kRounded, 12, true, true};
}
// The platform's default user-interface font.
inline Font SystemFont() {
    return {"", 9, false, false};
}

// The discs of the bodies (the Sun and Moon are larger in the Earth view).
inline constexpr Disc kSunDisc{340, 340, CircleStyle{Color{255, 255, 0}, kWindowText}};
inline constexpr Disc kSunDisc2{300, 300, CircleStyle{Color{255, 255, 0}, kWindowText}};
inline constexpr Disc kMercuryDisc{150, 100, CircleStyle{Color{128, 255, 255}, Color{64, 64, 255}}};
inline constexpr Disc kVenusDisc{130, 130, CircleStyle{Color{255, 255, 255}, Color{96, 96, 255}}};
inline constexpr Disc kEarthDisc{144, 156, CircleStyle{Color{128, 128, 255}, Color{192, 255, 255}}};
inline constexpr Disc kMoonDisc{100, 100, CircleStyle{Color{255, 255, 192}, Color{128, 128, 255}}};
inline constexpr Disc kMoonDisc2{300, 300, CircleStyle{Color{255, 255, 192}, Color{128, 128, 255}}};
inline constexpr Disc kMarsDisc{120, 120, CircleStyle{Color{255, 128, 128}, kWindowText}};
inline constexpr CircleStyle kComet{kWhite, std::nullopt};

// The program's pictures, by name.
inline constexpr char kJupiterPicture[] = "jupiter.gif";
inline constexpr char kSaturnPicture[] = "saturn.gif";
inline constexpr char kEarthPicture[] = "earth.jpg";
inline constexpr char kZodiacPicture[] = "zodiac.jpg";
inline constexpr char kMainIcon[] = "frmWE.ico";
inline constexpr char kViewIcon[] = "frmTendo.ico";

} // namespace looks
