// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The browser backend: shows the control model's windows as DOM elements of one page, through
// the page's functions listed in web/bridge.def. Every element is made and changed from here;
// the page reports clicks, keys, focus and the close box back through the functions in
// backend.cpp.

#include "controls/backend.h"
#include "controls/clock.h"
#include "controls/form.h"
#include "controls/timer.h"

#include <cstdint>
#include <map>

namespace web {

class WebBackend final : public controls::ClockedBackend {
public:
    // Installs itself as the current backend for as long as it lives.
    WebBackend();
    ~WebBackend() override;
    WebBackend(const WebBackend&) = delete;
    WebBackend& operator=(const WebBackend&) = delete;

    void formCreated(controls::Form& form) override;
    void formDestroyed(controls::Form& form) override;
    void formShown(controls::Form& form, bool shown) override;
    void formChanged(controls::Form& form, controls::Prop what) override;
    void controlCreated(controls::Control& control) override;
    void controlChanged(controls::Control& control, controls::Prop what) override;
    void pointDrawn(controls::Form& form, const controls::Dot& dot) override;
    void beep() override;
    void announce(controls::Control& control) override;
    void quit() override;

    // The clock, in milliseconds. Advance fires every due timer at its due time, in time order,
    // as the headless backend does: the tests' deterministic clock.
    void Advance(int ms) { clock_.Advance(ms); }
    // The real clock moved on by `ms`: as Advance, except that a timer late by more than its
    // interval (a hidden tab, a busy page) fires once and skips the ticks it missed, so that
    // the simulation never jumps.
    void RunFor(int ms) { clock_.RunFor(ms); }
    // Milliseconds until the next timer is due, or -1 when none runs.
    int NextDue() const { return clock_.NextDue(); }
    long long Fired() const { return clock_.Fired(); }

    controls::Form* FormById(int id) const;
    controls::Control* ControlById(int id) const;

private:
    void applyAll(controls::Control& c);
    void apply(controls::Control& c, controls::Prop what);
    void restack(controls::Form& form);
    void retab(controls::Form& form);
    void scheduleChanged() override;

    controls::Backend* previous_;
    int nextId_ = 1;
    std::map<int, controls::Form*> forms_;
    std::map<int, controls::Control*> controls_;
};

// The one backend of the page, for the page's callbacks.
WebBackend* Current();

} // namespace web
