// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/rules.h"

namespace controls {

namespace {

const std::string* CaptionOf(const Control& c) {
    switch (c.kind()) {
    case Kind::Button:
        return &static_cast<const CommandButton&>(c).Caption();
    case Kind::Label:
        return &static_cast<const Label&>(c).Caption();
    case Kind::PictureBox:
    case Kind::Shape:
    case Kind::Line:
    case Kind::Image:
        break;
    }
    return nullptr;
}

} // namespace

std::string SpokenName(const Control& c) {
    if (!c.AccessibleName().empty())
        return c.AccessibleName();
    const std::string* caption = CaptionOf(c);
    return caption ? *caption : std::string();
}

std::string AnnouncedText(const Control& c) {
    if (c.kind() == Kind::Label)
        return static_cast<const Label&>(c).Caption();
    return SpokenName(c);
}

} // namespace controls
