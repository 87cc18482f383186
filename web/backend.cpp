// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/backend.h"

#include "controls/phrases.h"
#include "controls/snapshot.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using namespace controls;

// The page's side, in web/library.js. Sizes are in logical pixels, colours 0xRRGGBB or -1 for
// none, strings UTF-8.
extern "C" {
void wk_form_create(int id, const char* name, int main);
void wk_form_destroy(int id);
void wk_form_show(int id, int shown);
void wk_form_caption(int id, const char* text);
void wk_form_icon(int id, const char* picture);
void wk_form_border(int id, int fixed);
void wk_form_size(int id, double width, double height);
void wk_form_back(int id, int colour);
void wk_form_focus(int id, int control);
void wk_control_create(int form, int id, int kind, const char* name);
void wk_place(int id, double left, double top, double width, double height);
void wk_circle(int id, double x, double y, double diameter, int fill, int outline);
void wk_line(int id, double x1, double y1, double x2, double y2, int width, int colour, int smooth);
void wk_text(int id, const char* text);
void wk_colors(int id, int fore, int back);
void wk_font(int id, const char* family, int pixels, int bold, int italic);
void wk_align(int id, int align);
void wk_visible(int id, int visible);
void wk_enabled(int id, int enabled);
void wk_tip(int id, const char* tip);
void wk_name(int id, const char* name);
void wk_picture(int id, const char* picture);
void wk_clickable(int id, int clickable);
void wk_z(int id, int z);
void wk_tab(int id, int order);
void wk_dot(int form, double x, double y, int diameter, int colour);
void wk_beep();
void wk_announce(int form, const char* text);
void wk_quit();
void wk_clock_changed();
}

namespace web {

namespace {

WebBackend* current = nullptr;

int IdOf(const void* peer) {
    return int(reinterpret_cast<std::intptr_t>(peer));
}

void* PeerFor(int id) {
    return reinterpret_cast<void*>(std::intptr_t(id));
}

int Rgb(Color c) {
    return (c.r << 16) | (c.g << 8) | c.b;
}

int Rgb(const std::optional<Color>& c) {
    return c ? Rgb(*c) : -1;
}

// The browser's faces for the layout's font names: the rounded face for the message line, the
// Gothic for everything else; bold Gothic from its own subset, which holds only figures.
const char* Family(const Font& f) {
    if (f.name.find("丸") != std::string::npos)
        return "\"Wakusei Rounded\", \"Wakusei Gothic\"";
    if (f.bold)
        return "\"Wakusei Gothic Bold\", \"Wakusei Gothic\"";
    return "\"Wakusei Gothic\"";
}

// A control that names no font of its own uses its window's.
const Font& FontOf(const Control& c) {
    return c.font() == Font{} ? c.form().font() : c.font();
}

std::string NameOf(const Control& c) {
    if (!c.AccessibleName().empty())
        return c.AccessibleName();
    if (const auto* b = dynamic_cast<const CommandButton*>(&c))
        return b->Caption();
    return {};
}

} // namespace

WebBackend* Current() {
    return current;
}

WebBackend::WebBackend() : previous_(&CurrentBackend()) {
    current = this;
    SetBackend(this);
}

WebBackend::~WebBackend() {
    SetBackend(previous_);
    current = nullptr;
}

Form* WebBackend::FormById(int id) const {
    const auto it = forms_.find(id);
    return it == forms_.end() ? nullptr : it->second;
}

Control* WebBackend::ControlById(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

// --- Windows ----------------------------------------------------------------------------

void WebBackend::formCreated(Form& form) {
    const int id = nextId_++;
    form.peer = PeerFor(id);
    // The first window is the page itself; the others are windows inside it.
    wk_form_create(id, form.Name().c_str(), forms_.empty() ? 1 : 0);
    forms_[id] = &form;
}

void WebBackend::formDestroyed(Form& form) {
    const int id = IdOf(form.peer);
    for (const auto& c : form.Controls())
        controls_.erase(IdOf(c->peer));
    forms_.erase(id);
    wk_form_destroy(id);
    form.peer = nullptr;
}

void WebBackend::formShown(Form& form, bool shown) {
    const int id = IdOf(form.peer);
    if (shown)
        restack(form);
    wk_form_show(id, shown ? 1 : 0);
    if (shown)
        wk_form_focus(id, form.Focused() ? IdOf(form.Focused()->peer) : 0);
}

void WebBackend::formChanged(Form& form, Prop what) {
    const int id = IdOf(form.peer);
    switch (what) {
    case Prop::Caption:
        wk_form_caption(id, form.Caption().c_str());
        break;
    case Prop::Icon:
        wk_form_icon(id, form.Icon().c_str());
        break;
    case Prop::BorderStyle:
        wk_form_border(id, form.Border() == BorderStyle::FixedSingle ? 1 : 0);
        break;
    case Prop::ClientSize:
        wk_form_size(id, std::max(1.0, double(std::lround(form.ScaleWidth() / kTwipsPerPixel))),
                     std::max(1.0, double(std::lround(form.ScaleHeight() / kTwipsPerPixel))));
        break;
    case Prop::Colors:
        wk_form_back(id, Rgb(form.BackColor()));
        break;
    case Prop::ZOrder:
        if (form.Visible())
            restack(form);
        break;
    case Prop::TabOrder:
        retab(form);
        break;
    case Prop::Focus:
        if (form.Visible())
            wk_form_focus(id, form.Focused() ? IdOf(form.Focused()->peer) : 0);
        break;
    default:
        break;
    }
}

// Windowed controls above windowless ones; within each layer, by the model's order.
void WebBackend::restack(Form& form) {
    int windowed = 0, windowless = 0;
    for (const auto& c : form.Controls())
        ++(c->layer() == Layer::Windowed ? windowed : windowless);
    for (const auto& c : form.Controls()) {
        const bool top = c->layer() == Layer::Windowed;
        wk_z(IdOf(c->peer), top ? windowless + windowed - c->ZIndex() : windowless - c->ZIndex());
    }
}

void WebBackend::retab(Form& form) {
    std::vector<Control*> order;
    for (const auto& c : form.Controls())
        if (c->TabIndex() >= 0)
            order.push_back(c.get());
        else
            wk_tab(IdOf(c->peer), -1);
    std::sort(order.begin(), order.end(),
              [](const Control* a, const Control* b) { return a->TabIndex() < b->TabIndex(); });
    int i = 0;
    for (Control* c : order)
        wk_tab(IdOf(c->peer), i++);
}

// --- Controls ---------------------------------------------------------------------------

void WebBackend::controlCreated(Control& c) {
    const int id = nextId_++;
    c.peer = PeerFor(id);
    controls_[id] = &c;
    wk_control_create(IdOf(c.form().peer), id, int(c.kind()), c.Name().c_str());
    applyAll(c);
    // Every new control restacks its layer; a window still being built is restacked once,
    // when it is shown.
    if (c.form().Visible())
        restack(c.form());
}

void WebBackend::applyAll(Control& c) {
    for (Prop p :
         {Prop::Geometry, Prop::Caption, Prop::Colors, Prop::Font, Prop::Alignment, Prop::Visible,
          Prop::Enabled, Prop::ToolTip, Prop::AccessibleName, Prop::Content, Prop::Clickable})
        apply(c, p);
}

void WebBackend::controlChanged(Control& c, Prop what) {
    if (!c.peer)
        return;
    apply(c, what);
}

void WebBackend::apply(Control& c, Prop what) {
    const int id = IdOf(c.peer);
    auto* button = dynamic_cast<CommandButton*>(&c);
    auto* label = dynamic_cast<Label*>(&c);
    auto* box = dynamic_cast<PictureBox*>(&c);
    auto* shape = dynamic_cast<Shape*>(&c);
    auto* line = dynamic_cast<Line*>(&c);
    auto* image = dynamic_cast<Image*>(&c);
    switch (what) {
    case Prop::Geometry:
    case Prop::Content:
        if (line) {
            // The box holds the whole line with a margin; the ends lie on pixel centres for odd
            // widths, so that level and upright lines stay crisp.
            const int margin = line->BorderWidth() + 1;
            const int x1 = ToPixels(line->X1()), y1 = ToPixels(line->Y1());
            const int x2 = ToPixels(line->X2()), y2 = ToPixels(line->Y2());
            const int left = std::min(x1, x2) - margin, top = std::min(y1, y2) - margin;
            const int right = std::max(x1, x2) + margin, bottom = std::max(y1, y2) + margin;
            wk_place(id, left, top, right - left + 1, bottom - top + 1);
            const double shift = (line->BorderWidth() % 2) ? 0.5 : 0.0;
            const bool empty = line->X1() == line->X2() && line->Y1() == line->Y2();
            wk_line(id, x1 + shift - left, y1 + shift - top, x2 + shift - left, y2 + shift - top,
                    empty ? 0 : line->BorderWidth(), Rgb(line->BorderColor()),
                    line->X1() != line->X2() && line->Y1() != line->Y2() ? 1 : 0);
        } else if (shape) {
            // From the pixel that holds the left edge to the one that holds the right edge, so
            // that no part of the circle, drawn at its exact place, is cut off by rounding.
            const double l = ToPixelsF(c.Left()), t = ToPixelsF(c.Top());
            const double w = ToPixelsF(c.Width()), h = ToPixelsF(c.Height());
            const int left = int(std::floor(l)), top = int(std::floor(t));
            const int right = int(std::ceil(ToPixelsF(c.Left() + c.Width())));
            const int bottom = int(std::ceil(ToPixelsF(c.Top() + c.Height())));
            wk_place(id, left, top, std::max(0, right - left), std::max(0, bottom - top));
            wk_circle(id, l - left + w / 2, t - top + h / 2, std::max(0.0, std::min(w, h)),
                      Rgb(shape->Style().fill), Rgb(shape->Style().outline));
        } else {
            // A clickable label has a margin round its text for the focus frame.
            const int m = label && label->Clickable() ? 2 : 0;
            wk_place(id, ToPixels(c.Left()) - m, ToPixels(c.Top()) - m,
                     std::max(0, ToPixels(c.Width())) + 2 * m,
                     std::max(0, ToPixels(c.Height())) + 2 * m);
        }
        if (what == Prop::Content) {
            if (box && box->disc()) {
                const Disc& d = *box->disc();
                const double w = ToPixelsF(d.width), h = ToPixelsF(d.height);
                wk_picture(id, "");
                wk_circle(id, w / 2, h / 2, std::max(0.0, std::min(w, h)), Rgb(d.style.fill),
                          Rgb(d.style.outline));
            } else if (box) {
                wk_circle(id, 0, 0, 0, -1, -1);
                wk_picture(id, box->Picture().c_str());
            } else if (image) {
                wk_picture(id, image->Picture().c_str());
            }
        }
        break;
    case Prop::Caption:
        if (button)
            wk_text(id, controls::ShownCaption(button->Caption()).c_str());
        else if (label)
            wk_text(id, controls::ShownCaption(label->Caption()).c_str());
        if (button && c.AccessibleName().empty())
            wk_name(id, NameOf(c).c_str());
        break;
    case Prop::Colors:
        if (button)
            wk_colors(id, -1, Rgb(button->BackColor()));
        else if (label)
            wk_colors(id, Rgb(label->ForeColor()), -1);
        else if (box)
            wk_colors(id, -1, Rgb(box->BackColor()));
        else if (line)
            apply(c, Prop::Geometry); // the line is drawn again in its new colour
        break;
    case Prop::Font: {
        const Font& f = FontOf(c);
        wk_font(id, Family(f), FontPixels(f.points), f.bold ? 1 : 0, f.italic ? 1 : 0);
        break;
    }
    case Prop::Alignment:
        if (label)
            wk_align(id, int(label->Alignment()));
        break;
    case Prop::Visible:
        wk_visible(id, c.Visible() ? 1 : 0);
        break;
    case Prop::Enabled:
        wk_enabled(id, c.Enabled() ? 1 : 0);
        break;
    case Prop::ToolTip:
        wk_tip(id, c.ToolTip().c_str());
        break;
    case Prop::AccessibleName:
        wk_name(id, NameOf(c).c_str());
        break;
    case Prop::Clickable:
        if (label) {
            wk_clickable(id, label->Clickable() ? 1 : 0);
            apply(c, Prop::Geometry);
        }
        break;
    default:
        break;
    }
}

void WebBackend::pointDrawn(Form& form, const Dot& dot) {
    wk_dot(IdOf(form.peer), dot.x / kTwipsPerPixel, dot.y / kTwipsPerPixel, dot.diameter,
           (dot.r << 16) | (dot.g << 8) | dot.b);
}

void WebBackend::beep() {
    wk_beep();
}

void WebBackend::announce(Control& c) {
    const auto* l = dynamic_cast<const Label*>(&c);
    wk_announce(IdOf(c.form().peer), l ? l->Caption().c_str() : c.AccessibleName().c_str());
}

void WebBackend::quit() {
    wk_quit();
}

// --- Timers -----------------------------------------------------------------------------

void WebBackend::timerCreated(Timer& timer) {
    clock_.add(timer);
}

void WebBackend::timerDestroyed(Timer& timer) {
    clock_.remove(timer);
}

void WebBackend::timerChanged(Timer& timer) {
    clock_.set(timer);
    wk_clock_changed();
}

} // namespace web

// --- What the page calls ----------------------------------------------------------------

namespace {

Form* FormArg(int id) {
    return web::Current() ? web::Current()->FormById(id) : nullptr;
}

Control* ControlArg(int id) {
    return web::Current() ? web::Current()->ControlById(id) : nullptr;
}

} // namespace

extern "C" {

// A mouse, touch or assistive-technology click on a button or clickable label.
EMSCRIPTEN_KEEPALIVE void wk_on_click(int id) {
    Control* c = ControlArg(id);
    if (auto* b = dynamic_cast<CommandButton*>(c))
        b->Click();
    else if (auto* l = dynamic_cast<Label*>(c))
        l->Click();
}

// Enter 0, Escape 1, Space 2. Returns 1 when the window did something with it.
EMSCRIPTEN_KEEPALIVE int wk_on_key(int form, int key) {
    Form* f = FormArg(form);
    if (!f)
        return 0;
    return f->KeyDown(key == 0 ? Key::Enter : key == 1 ? Key::Escape : Key::Space) ? 1 : 0;
}

// The keyboard focus moved to a control (or to the window itself: 0).
EMSCRIPTEN_KEEPALIVE void wk_on_focus(int form, int control) {
    Form* f = FormArg(form);
    if (!f)
        return;
    Control* c = ControlArg(control);
    f->FocusMovedTo(c && &c->form() == f ? c : nullptr);
}

EMSCRIPTEN_KEEPALIVE void wk_on_close(int form) {
    if (Form* f = FormArg(form))
        f->Close();
}

EMSCRIPTEN_KEEPALIVE void wk_advance(int ms) {
    if (web::Current())
        web::Current()->Advance(ms);
}

EMSCRIPTEN_KEEPALIVE void wk_run_for(int ms) {
    if (web::Current())
        web::Current()->RunFor(ms);
}

EMSCRIPTEN_KEEPALIVE int wk_next_due() {
    return web::Current() ? web::Current()->NextDue() : -1;
}

EMSCRIPTEN_KEEPALIVE double wk_fired() {
    return web::Current() ? double(web::Current()->Fired()) : 0;
}

// The text of controls::Snapshot for the window of that id; the page frees it.
EMSCRIPTEN_KEEPALIVE char* wk_snapshot(int form) {
    const Form* f = FormArg(form);
    const std::string text = f ? controls::Snapshot(*f) : std::string();
    char* out = static_cast<char*>(std::malloc(text.size() + 1));
    if (out)
        std::copy(text.c_str(), text.c_str() + text.size() + 1, out);
    return out;
}

} // extern "C"
