// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/form.h"

#include "controls/rules.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace controls {

Form::Form(std::string name) : backend_(CurrentBackend()), name_(std::move(name)) {
    backend_.formCreated(*this);
}

Form::~Form() {
    backend_.formDestroyed(*this);
}

void Form::adopt(std::unique_ptr<Control> c) {
    Control& control = *c;
    // New controls go on top of their layer.
    for (auto& other : controls_)
        if (other->layer() == control.layer())
            ++other->z_;
    control.z_ = 0;
    controls_.push_back(std::move(c));
    backend_.controlCreated(control);
}

Control* Form::Find(const std::string& name) const {
    for (const auto& c : controls_)
        if (c->Name() == name)
            return c.get();
    return nullptr;
}

void Form::setCaption(std::string c) {
    if (c == caption_)
        return;
    caption_ = std::move(c);
    backend_.formChanged(*this, Prop::Caption);
}

void Form::setIcon(std::string icon) {
    icon_ = std::move(icon);
    backend_.formChanged(*this, Prop::Icon);
}

void Form::setBorderStyle(BorderStyle b) {
    border_ = b;
    backend_.formChanged(*this, Prop::BorderStyle);
}

void Form::setClientSize(double widthTwips, double heightTwips) {
    const double w = std::max(0.0, double(ToTwips(widthTwips, float(scaleW_))));
    const double h = std::max(0.0, double(ToTwips(heightTwips, float(scaleH_))));
    // Nothing to tell when nothing changed, as for a size that is not a number.
    if (w == scaleW_ && h == scaleH_)
        return;
    scaleW_ = w;
    scaleH_ = h;
    backend_.formChanged(*this, Prop::ClientSize);
}

void Form::Resized(double widthTwips, double heightTwips) {
    if (!WithinLimit(widthTwips) || !WithinLimit(heightTwips))
        return;
    if (widthTwips == scaleW_ && heightTwips == scaleH_)
        return;
    scaleW_ = std::max(0.0, widthTwips);
    scaleH_ = std::max(0.0, heightTwips);
    if (loaded_)
        Form_Resize();
}

void Form::setBackColor(Color c) {
    back_ = c;
    backend_.formChanged(*this, Prop::Colors);
}

void Form::setDrawWidth(int pixels) {
    drawWidth_ = std::int16_t(std::clamp(pixels, 1, int(std::numeric_limits<std::int16_t>::max())));
}

void Form::PSet(double x, double y, Color colour) {
    if (!WithinLimit(x) || !WithinLimit(y))
        return;
    backend_.pointDrawn(*this, Dot{x, y, drawWidth_, colour.r, colour.g, colour.b});
}

void Form::setZOrder(const std::vector<Control*>& windowedTopToBottom,
                     const std::vector<Control*>& windowlessTopToBottom) {
    int z = 0;
    for (Control* c : windowedTopToBottom)
        c->z_ = z++;
    z = 0;
    for (Control* c : windowlessTopToBottom)
        c->z_ = z++;
    backend_.formChanged(*this, Prop::ZOrder);
}

void Form::setTabOrder(const std::vector<Control*>& order) {
    for (auto& c : controls_)
        c->tab_ = -1;
    int i = 0;
    for (Control* c : order)
        c->tab_ = i++;
    backend_.formChanged(*this, Prop::TabOrder);
}

void Form::focus(Control* c) {
    if (c == focused_)
        return;
    focused_ = c;
    backend_.formChanged(*this, Prop::Focus);
}

void Form::Show() {
    if (!loaded_)
        return;
    const bool first = !shownOnce_;
    shownOnce_ = true;
    if (!visible_) {
        visible_ = true;
        backend_.formShown(*this, true);
    }
    if (first)
        Form_Resize();
}

void Form::Hide() {
    if (!visible_)
        return;
    visible_ = false;
    backend_.formShown(*this, false);
}

void Form::Close() {
    if (!loaded_)
        return;
    Form_Unload();
    loaded_ = false;
    Hide();
    // A window that is gone holds no keyboard focus: none of its controls can have it again.
    focused_ = nullptr;
}

bool Form::KeyDown(Key key) {
    if (!loaded_)
        return false;
    if (key == Key::Escape) {
        if (!cancel_ || !cancel_->Enabled() || !cancel_->Visible())
            return false;
        cancel_->Click();
        return true;
    }
    // Enter and Space press what has the focus; Enter elsewhere presses the default button.
    if (focused_ && focused_->Visible() && focused_->Enabled() && Press(*focused_))
        return true;
    if (key == Key::Enter && default_ && default_->Enabled() && default_->Visible()) {
        default_->Click();
        return true;
    }
    return false;
}

} // namespace controls
