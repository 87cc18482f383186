// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Every text the program shows, in one place.

namespace txt {

// Main window
inline constexpr char kMainCaption[] = "惑星の動き";
inline constexpr char kStart[] = "始める";
inline constexpr char kResume[] = "動かす";
inline constexpr char kSlower[] = "動きを遅くします";
inline constexpr char kStop[] = "止める";
inline constexpr char kHoldEarth[] = "地球を止める";
inline constexpr char kReleaseEarth[] = "地球を動かす";
inline constexpr char kErase[] = "足跡を消す";
inline constexpr char kToSaturn[] = "土星まで表示する";
inline constexpr char kToMars[] = "火星まで表示する";
inline constexpr char kEarthCentred[] = "地球を中心に動かす";
inline constexpr char kSunCentred[] = "太陽を中心に動かす";
inline constexpr char kOpenEarthView[] = "これを地上から見ると…";
inline constexpr char kEnd[] = "終わる";
inline constexpr char kYearTip[] = "クリックで地球の週回数を0に戻します";
inline constexpr char kPleaseStop[] = "止めてください";
inline constexpr char kArrow[] = "←";

// Body names
inline constexpr char kSun[] = "太陽";
inline constexpr char kMercury[] = "水星";
inline constexpr char kVenus[] = "金星";
inline constexpr char kEarth[] = "地球";
inline constexpr char kMoon[] = "月";
inline constexpr char kMars[] = "火星";
inline constexpr char kJupiter[] = "木星";
inline constexpr char kSaturn[] = "土星";
inline constexpr char kComet[] = "彗星";

// Near-miss messages
inline constexpr char kMissMercury[] = "水星とニアミス！";
inline constexpr char kMissVenus[] = "金星とニアミス！";
inline constexpr char kMissEarth[] = "地球とニアミス！";
inline constexpr char kMissMars[] = "火星とニアミス！";
inline constexpr char kMissJupiter[] = "木星とニアミス！";
inline constexpr char kMissSaturn[] = "土星とニアミス！";

// Earth view window
inline constexpr char kEarthViewCaption[] = "地球から見ると";
inline constexpr char kViewStop[] = "停める";
inline constexpr char kViewMove[] = "動かす";
inline constexpr char kClose[] = "閉じる";
inline constexpr char kHideStars[] = "星座を消す";
inline constexpr char kShowStars[] = "星座を表す";

// Accessible names of controls that show no text of their own, or whose text alone does not
// say what they are.
namespace a11y {
inline constexpr char kSlow1[] = "少し遅く動かす";
inline constexpr char kSlow2[] = "遅く動かす";
inline constexpr char kSlow3[] = "とても遅く動かす";
inline constexpr char kYearCount[] = "地球の公転回数";
inline constexpr char kMessage[] = "ニアミスのお知らせ";
inline constexpr char kPleaseStop[] = "止めてください";
inline constexpr char kAxis[] = "距離の目盛りの軸";
inline constexpr char kTick[] = "の位置の目盛り";
inline constexpr char kBreak[] = "軸の省略記号";
inline constexpr char kDistance[] = "の太陽からの距離（天文単位）";
inline constexpr char kArrow[] = "太陽からの距離の矢印";
inline constexpr char kCometTail[] = "彗星の尾";
inline constexpr char kSkyCircle[] = "天球";
inline constexpr char kEcliptic[] = "黄道";
inline constexpr char kConstellations[] = "黄道十二星座";
inline constexpr char kEarthPicture[] = "北極の上から見た地球";
} // namespace a11y

} // namespace txt
