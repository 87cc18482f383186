// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Helpers shared by the window tests.

#include "accessibility.h"
#include "beep.h"
#include "fonts.h"
#include "twips.h"

#include <QImage>
#include <QWidget>

#include <cstdlib>

namespace testsupport {

// What every window test does first: the same fonts and accessibility as the program.
inline void SetUpApplication() {
    controls::InstallFontSubstitutions();
    controls::InstallAccessibility();
}

// Counts beeps instead of sounding them, for as long as it lives.
class BeepCounter final : public controls::BeepSink {
public:
    BeepCounter() : previous_(controls::SetBeepSink(this)) {}
    ~BeepCounter() override { controls::SetBeepSink(previous_); }
    BeepCounter(const BeepCounter&) = delete;
    BeepCounter& operator=(const BeepCounter&) = delete;
    void beep() override { ++count; }
    int count = 0;

private:
    controls::BeepSink* previous_;
};

// The window as it shows on screen, in device pixels.
inline QImage Grab(QWidget* w) {
    return w->grab().toImage();
}

// Colour of the on-screen pixel that holds the point (x, y) twips of `image`'s window.
inline QColor PixelAt(const QImage& image, double xTwips, double yTwips) {
    const double dpr = image.devicePixelRatio();
    const int x = int(xTwips / controls::kTwipsPerPixel * dpr);
    const int y = int(yTwips / controls::kTwipsPerPixel * dpr);
    return image.pixelColor(x, y);
}

// Whether two colours agree within `tolerance` in each channel: anti-aliased edges blend a
// little of what lies beside them.
inline bool Near(QColor a, QColor b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

} // namespace testsupport
