// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Twips: 1/1440 inch. The windows are laid out in twips; 15 twips make one logical pixel, and
// each backend maps logical pixels to the device's own.

#include <cmath>

namespace controls {

inline constexpr double kTwipsPerPixel = 15.0;

// Largest magnitude a control accepts for a position or size: far outside any screen, and
// small enough that pixel arithmetic can never overflow.
inline constexpr double kMaxTwips = 1.0e7;

// The single-precision twips value a control holds for `v`. A value that is not a finite number
// within the limit leaves the property as it was (`current`): nothing beyond the limit is ever
// held, so nothing beyond it reaches a backend.
inline float ToTwips(double v, float current) {
    if (!std::isfinite(v) || std::abs(v) > kMaxTwips)
        return current;
    return float(v);
}

// Whether `v` is a finite number within the limit.
inline bool WithinLimit(double v) {
    return std::isfinite(v) && std::abs(v) <= kMaxTwips;
}

// Logical pixels for a twips value a control holds (already within the limit).
inline int ToPixels(float twips) {
    return int(std::lround(double(twips) / kTwipsPerPixel));
}

inline double ToPixelsF(float twips) {
    return double(twips) / kTwipsPerPixel;
}

} // namespace controls
