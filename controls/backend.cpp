// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/backend.h"

namespace controls {

namespace {

// Shows nothing and sounds nothing: what a form gets when no backend has been set.
class SilentBackend final : public Backend {
public:
    void formCreated(Form&) override {}
    void formDestroyed(Form&) override {}
    void formShown(Form&, bool) override {}
    void formChanged(Form&, Prop) override {}
    void controlCreated(Control&) override {}
    void controlChanged(Control&, Prop) override {}
    void pointDrawn(Form&, const Dot&) override {}
    void timerCreated(Timer&) override {}
    void timerDestroyed(Timer&) override {}
    void timerChanged(Timer&) override {}
    void beep() override {}
    void announce(Control&) override {}
    void quit() override {}
};

SilentBackend silent;
Backend* current = &silent;

} // namespace

void SetBackend(Backend* backend) {
    current = backend ? backend : &silent;
}

Backend& CurrentBackend() {
    return *current;
}

void Beep() {
    current->beep();
}

} // namespace controls
