// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Building a window's body boxes from a table of design values, as both windows do.

#include "controls/form.h"

#include <initializer_list>
#include <optional>

namespace controls {

struct BoxDesign {
    PictureBox** slot;
    const char* name;
    double left, top, width, height;
    const char* accessible;
    std::optional<Disc> disc;
    const char* picture; // when there is no disc
};

// Makes each box on `form` with the background all body boxes share, and stores it in its slot.
inline void AddBoxes(Form& form, std::initializer_list<BoxDesign> boxes, Color background) {
    for (const BoxDesign& d : boxes) {
        auto* box = form.Add<PictureBox>(d.name);
        box->Move(d.left, d.top, d.width, d.height);
        box->setBackColor(background);
        if (d.disc)
            box->setDisc(*d.disc);
        else
            box->setPicture(d.picture);
        box->setAccessibleName(d.accessible);
        *d.slot = box;
    }
}

} // namespace controls
