// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/headless.h"

#include "controls/rules.h"

#include <algorithm>
#include <cmath>

namespace controls {

HeadlessBackend::HeadlessBackend() : previous_(&CurrentBackend()) {
    SetBackend(this);
}

HeadlessBackend::~HeadlessBackend() {
    SetBackend(previous_);
}

void HeadlessBackend::formCreated(Form& form) {
    surfaces_[&form];
}

void HeadlessBackend::formDestroyed(Form& form) {
    surfaces_.erase(&form);
}

void HeadlessBackend::formChanged(Form& form, Prop what) {
    if (what == Prop::ClientSize)
        grow(form);
    if (what == Prop::Colors) {
        Surface& s = surfaces_[&form];
        std::fill(s.pixels.begin(), s.pixels.end(), form.BackColor());
    }
}

// The surface only grows, as a real backing image does: trails beyond a window made smaller
// come back when it is enlarged.
void HeadlessBackend::grow(Form& form) {
    Surface& s = surfaces_[&form];
    const int w = std::max(s.width, int(std::ceil(form.ScaleWidth() / kTwipsPerPixel)));
    const int h = std::max(s.height, int(std::ceil(form.ScaleHeight() / kTwipsPerPixel)));
    if (w == s.width && h == s.height)
        return;
    std::vector<Color> grown(std::size_t(w) * std::size_t(h), form.BackColor());
    for (int y = 0; y < s.height; ++y)
        std::copy_n(s.pixels.begin() + std::ptrdiff_t(y) * s.width, s.width,
                    grown.begin() + std::ptrdiff_t(y) * w);
    s = Surface{w, h, std::move(grown), s.dots};
}

void HeadlessBackend::pointDrawn(Form& form, const Dot& dot) {
    grow(form); // the platform may have made the window larger since (Form::Resized)
    Surface& s = surfaces_[&form];
    ++s.dots;
    const double px = dot.x / kTwipsPerPixel, py = dot.y / kTwipsPerPixel;
    const Color c{dot.r, dot.g, dot.b};
    if (dot.diameter <= 1) {
        const double fx = std::floor(px), fy = std::floor(py);
        if (fx >= 0 && fy >= 0 && fx < s.width && fy < s.height)
            s.pixels[std::size_t(fy) * std::size_t(s.width) + std::size_t(fx)] = c;
        return;
    }
    // Every pixel whose centre lies inside the disc.
    const double r = dot.diameter / 2.0;
    const int x0 = int(std::clamp(std::floor(px - r), 0.0, double(s.width)));
    const int x1 = int(std::clamp(std::ceil(px + r), 0.0, double(s.width)));
    const int y0 = int(std::clamp(std::floor(py - r), 0.0, double(s.height)));
    const int y1 = int(std::clamp(std::ceil(py + r), 0.0, double(s.height)));
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const double dx = x + 0.5 - px, dy = y + 0.5 - py;
            if (dx * dx + dy * dy <= r * r)
                s.pixels[std::size_t(y) * std::size_t(s.width) + std::size_t(x)] = c;
        }
}

Color HeadlessBackend::DotAt(const Form& form, double xTwips, double yTwips) const {
    const auto it = surfaces_.find(&form);
    if (it == surfaces_.end())
        return form.BackColor();
    const Surface& s = it->second;
    const double x = std::floor(xTwips / kTwipsPerPixel), y = std::floor(yTwips / kTwipsPerPixel);
    if (x < 0 || y < 0 || x >= s.width || y >= s.height)
        return form.BackColor();
    return s.pixels[std::size_t(y) * std::size_t(s.width) + std::size_t(x)];
}

long HeadlessBackend::DotsDrawn(const Form& form) const {
    const auto it = surfaces_.find(&form);
    return it == surfaces_.end() ? 0 : it->second.dots;
}

void HeadlessBackend::announce(Control& control) {
    announcements.push_back(AnnouncedText(control));
}

} // namespace controls
