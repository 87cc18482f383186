// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Building a window's controls from tables of design values, for what both windows share.

#include "form.h"
#include "picturebox.h"

#include <QImage>
#include <QString>

#include <initializer_list>
#include <optional>

namespace controls {

// Texts are written in UTF-8 in the sources.
inline QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

// A picture of the program, with its transparent pixels kept.
QImage LoadPicture(const char* resourcePath);

struct DiscDesign {
    float width, height;
    QColor fill;
    std::optional<QColor> outline;
};

// A body box holds a disc or a picture.
struct BoxDesign {
    PictureBox** slot;
    float left, top, width, height;
    const char* name; // its accessible name
    std::optional<DiscDesign> disc;
    const char* picture; // resource path when there is no disc
};

// Makes each box on `form` with the background all body boxes share, and stores it in its slot.
void BuildBoxes(Form* form, std::initializer_list<BoxDesign> boxes, QColor background);

} // namespace controls
