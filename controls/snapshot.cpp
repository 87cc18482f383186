// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/snapshot.h"

#include <cstdio>

namespace controls {

namespace {

// Hexadecimal floating point: exact, and the same text on every platform.
std::string Exact(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%a", double(v));
    return buf;
}

} // namespace

std::string Snapshot(const Form& form) {
    std::string out = form.Name() + " \"" + form.Caption() + "\" " +
                      Exact(float(form.ScaleWidth())) + "x" + Exact(float(form.ScaleHeight())) +
                      (form.Visible() ? " shown" : " hidden") + "\n";
    for (const auto& owned : form.Controls()) {
        const Control& c = *owned;
        out += c.Name();
        // The space is added on its own: GCC 12 at -O3 warns (-Wrestrict) on " " + a temporary.
        out += ' ';
        if (const auto* l = dynamic_cast<const Line*>(&c))
            out +=
                Exact(l->X1()) + "," + Exact(l->Y1()) + "-" + Exact(l->X2()) + "," + Exact(l->Y2());
        else
            out += Exact(c.Left()) + "," + Exact(c.Top()) + " " + Exact(c.Width()) + "x" +
                   Exact(c.Height());
        if (const auto* b = dynamic_cast<const CommandButton*>(&c))
            out += " \"" + b->Caption() + "\"";
        if (const auto* l = dynamic_cast<const Label*>(&c))
            out += " \"" + l->Caption() + "\"";
        out += c.Visible() ? " visible" : " hidden";
        out += c.Enabled() ? "" : " disabled";
        out += c.HasFocus() ? " focus" : "";
        out += "\n";
    }
    return out;
}

} // namespace controls
