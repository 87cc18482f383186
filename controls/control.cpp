// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/control.h"

#include "controls/form.h"

#include <algorithm>
#include <cmath>

namespace controls {

Control::Control(Form& form, Kind kind, std::string name)
    : form_(form), kind_(kind), name_(std::move(name)) {}

void Control::changed(Prop what) {
    form_.backend().controlChanged(*this, what);
}

void Control::Move(double left, double top, double width, double height) {
    const float l = ToTwips(left, l_), t = ToTwips(top, t_);
    // A negative size is held as set; it shows as empty.
    const float w = ToTwips(width, w_), h = ToTwips(height, h_);
    if (l == l_ && t == t_ && w == w_ && h == h_)
        return;
    l_ = l;
    t_ = t;
    w_ = w;
    h_ = h;
    changed(Prop::Geometry);
}

void Control::setVisible(bool v) {
    if (v == visible_)
        return;
    visible_ = v;
    if (!v && form_.Focused() == this)
        form_.FocusMovedTo(nullptr);
    changed(Prop::Visible);
}

void Control::setEnabled(bool v) {
    if (v == enabled_)
        return;
    enabled_ = v;
    if (!v && form_.Focused() == this)
        form_.FocusMovedTo(nullptr);
    changed(Prop::Enabled);
}

void Control::setFont(const Font& f) {
    if (f == font_)
        return;
    font_ = f;
    changed(Prop::Font);
}

void Control::setToolTip(std::string tip) {
    if (tip == tip_)
        return;
    tip_ = std::move(tip);
    changed(Prop::ToolTip);
}

void Control::setAccessibleName(std::string name) {
    if (name == accName_)
        return;
    accName_ = std::move(name);
    changed(Prop::AccessibleName);
}

bool Control::HasFocus() const {
    return form_.Focused() == this;
}

void Control::SetFocus() {
    if (visible_ && enabled_ && tab_ >= 0 && form_.Loaded())
        form_.focus(this);
}

CommandButton::CommandButton(Form& form, std::string name)
    : Control(form, Kind::Button, std::move(name)) {}

void CommandButton::setCaption(std::string c) {
    if (c == caption_)
        return;
    caption_ = std::move(c);
    changed(Prop::Caption);
}

void CommandButton::setBackColor(Color c) {
    if (c == back_)
        return;
    back_ = c;
    changed(Prop::Colors);
}

void CommandButton::Click() {
    if (Enabled() && Visible() && form().Loaded() && onClick_)
        onClick_();
}

Label::Label(Form& form, std::string name) : Control(form, Kind::Label, std::move(name)) {}

void Label::setCaption(std::string c) {
    if (c == caption_)
        return;
    caption_ = std::move(c);
    changed(Prop::Caption);
}

void Label::setForeColor(Color c) {
    if (c == fore_)
        return;
    fore_ = c;
    changed(Prop::Colors);
}

void Label::setAlignment(Align a) {
    if (a == align_)
        return;
    align_ = a;
    changed(Prop::Alignment);
}

void Label::onClick(std::function<void()> handler) {
    onClick_ = std::move(handler);
    changed(Prop::Clickable);
}

void Label::Click() {
    if (Enabled() && Visible() && form().Loaded() && onClick_)
        onClick_();
}

PictureBox::PictureBox(Form& form, std::string name)
    : Control(form, Kind::PictureBox, std::move(name)) {}

void PictureBox::setBackColor(Color c) {
    if (c == back_)
        return;
    back_ = c;
    changed(Prop::Colors);
}

void PictureBox::setDisc(const Disc& d) {
    // A size that is not a finite number within the limit leaves the content as it was.
    if (!WithinLimit(double(d.width)) || !WithinLimit(double(d.height)))
        return;
    disc_ = d;
    picture_.clear();
    changed(Prop::Content);
}

void PictureBox::setPicture(std::string picture) {
    picture_ = std::move(picture);
    disc_.reset();
    changed(Prop::Content);
}

Shape::Shape(Form& form, std::string name) : Control(form, Kind::Shape, std::move(name)) {}

void Shape::setStyle(const CircleStyle& s) {
    if (s == style_)
        return;
    style_ = s;
    changed(Prop::Content);
}

Line::Line(Form& form, std::string name) : Control(form, Kind::Line, std::move(name)) {}

void Line::setPoints(double x1, double y1, double x2, double y2) {
    const float a = ToTwips(x1, x1_), b = ToTwips(y1, y1_), c = ToTwips(x2, x2_),
                d = ToTwips(y2, y2_);
    if (a == x1_ && b == y1_ && c == x2_ && d == y2_)
        return;
    x1_ = a;
    y1_ = b;
    x2_ = c;
    y2_ = d;
    changed(Prop::Geometry);
}

void Line::setBorderColor(Color c) {
    if (c == colour_)
        return;
    colour_ = c;
    changed(Prop::Colors);
}

void Line::setBorderWidth(int pixels) {
    const int w = std::clamp(pixels, 1, 64);
    if (w == width_)
        return;
    width_ = w;
    changed(Prop::Geometry);
}

Image::Image(Form& form, std::string name) : Control(form, Kind::Image, std::move(name)) {}

void Image::setPicture(std::string picture) {
    if (picture == picture_)
        return;
    picture_ = std::move(picture);
    changed(Prop::Content);
}

} // namespace controls
