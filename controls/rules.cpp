// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/rules.h"

#include <algorithm>

namespace controls {

std::vector<Control*> StackingOrder(const Form& form) {
    std::vector<Control*> order;
    order.reserve(form.Controls().size());
    for (const auto& c : form.Controls())
        order.push_back(c.get());
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        if (a->layer() != b->layer())
            return a->layer() == Layer::Windowless; // the lower layer first
        return a->ZIndex() > b->ZIndex();           // 0 is the top of its layer
    });
    return order;
}

std::vector<Control*> TabSequence(const Form& form) {
    std::vector<Control*> order;
    for (const auto& c : form.Controls())
        if (c->TabIndex() >= 0)
            order.push_back(c.get());
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        return a->TabIndex() < b->TabIndex();
    });
    return order;
}

const Font& EffectiveFont(const Control& c) {
    return c.font() == Font{} ? c.form().font() : c.font();
}

Face FaceOf(const Font& f) {
    if (f.name.find("丸") != std::string::npos)
        return Face::Rounded;
    return f.bold ? Face::GothicBold : Face::Gothic;
}

bool Press(Control& c) {
    if (c.kind() == Kind::Button) {
        static_cast<CommandButton&>(c).Click();
        return true;
    }
    if (c.kind() == Kind::Label && static_cast<Label&>(c).Clickable()) {
        static_cast<Label&>(c).Click();
        return true;
    }
    return false;
}

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
