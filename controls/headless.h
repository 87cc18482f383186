// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A backend that shows nothing and records everything: the trail dots of each window in
// logical pixels, beeps, announcements, the end of the program, and timers run by a clock the
// test advances. Window logic is tested on it without any toolkit.

#include "controls/backend.h"
#include "controls/clock.h"
#include "controls/form.h"
#include "controls/timer.h"

#include <map>
#include <string>
#include <vector>

namespace controls {

class HeadlessBackend final : public ClockedBackend {
public:
    // Installs itself as the current backend for as long as it lives.
    HeadlessBackend();
    ~HeadlessBackend() override;
    HeadlessBackend(const HeadlessBackend&) = delete;
    HeadlessBackend& operator=(const HeadlessBackend&) = delete;

    void formCreated(Form& form) override;
    void formDestroyed(Form& form) override;
    void formShown(Form&, bool) override {}
    void formChanged(Form& form, Prop what) override;
    void controlCreated(Control&) override {}
    void controlChanged(Control&, Prop) override { ++changes; }
    void pointDrawn(Form& form, const Dot& dot) override;
    void beep() override { ++beeps; }
    void announce(Control& control) override;
    void quit() override { quitRequested = true; }

    // Colour of the logical pixel that holds (x, y) twips of the form's drawing: the form's
    // background where nothing was drawn.
    Color DotAt(const Form& form, double xTwips, double yTwips) const;
    // Points drawn on the form since it was created.
    long DotsDrawn(const Form& form) const;

    // Moves the clock on by `ms`, firing every due timer at its due time, in time order.
    void Advance(int ms) { clock_.Advance(ms); }
    long Now() const { return long(clock_.Now()); }

    int beeps = 0;
    long changes = 0;
    bool quitRequested = false;
    std::vector<std::string> announcements; // what was announced, in order

private:
    struct Surface {
        int width = 0, height = 0; // logical pixels
        std::vector<Color> pixels;
        long dots = 0;
    };
    void grow(Form& form);

    Backend* previous_;
    std::map<const Form*, Surface> surfaces_;
};

} // namespace controls
