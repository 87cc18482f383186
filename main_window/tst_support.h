// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the window logic tests share: both windows on the headless backend, and small helpers.

#include "controls/headless.h"
#include "main_window/frmwe.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace testing_support {

struct XY {
    double x = 0, y = 0;
    friend bool operator==(XY, XY) = default;
};

inline XY Centre(const controls::Control* c) {
    return {double(c->Left()) + double(c->Width()) / 2, double(c->Top()) + double(c->Height()) / 2};
}
inline XY TopLeft(const controls::Control* c) {
    return {double(c->Left()), double(c->Top())};
}
inline XY SizeOf(const controls::Control* c) {
    return {double(c->Width()), double(c->Height())};
}
// A line's two ends.
inline XY From(const controls::Line* l) {
    return {double(l->X1()), double(l->Y1())};
}
inline XY To(const controls::Line* l) {
    return {double(l->X2()), double(l->Y2())};
}
// The value a control holds for v: its twips are single precision.
inline double Held(double v) {
    return double(float(v));
}

// The main window on a backend of its own; the Earth view opened as the user opens it.
struct Rig {
    controls::HeadlessBackend backend;
    frmWE w;

    Rig() { w.Show(); }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i)
            w.TmrWE_Timer();
    }
    frmTendo& OpenView() {
        if (!w.cmdFrm2->Enabled())
            w.cmdTendo->Click();
        w.cmdFrm2->Click();
        frmTendo* view = w.EarthView();
        if (!view) {
            std::fputs("the opener did not open the Earth view\n", stderr);
            std::abort();
        }
        return *view;
    }
    bool ScaleVisible(bool visible) const {
        for (const controls::Control* c : w.ScaleGroup())
            if (c->Visible() != visible)
                return false;
        return true;
    }
};

} // namespace testing_support
