// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/backend.h"

#include "controls/phrases.h"
#include "controls/rules.h"
#include "controls/snapshot.h"
// The calls both ways and the numbers the page shares, made from web/bridge.def.
#include "web/bridge.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using namespace controls;

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

// The browser's faces for the layout's faces; bold Gothic from its own subset, which holds only
// figures.
const char* Family(const Font& f) {
    switch (FaceOf(f)) {
    case Face::Rounded:
        return "\"Wakusei Rounded\", \"Wakusei Gothic\"";
    case Face::GothicBold:
        return "\"Wakusei Gothic Bold\", \"Wakusei Gothic\"";
    case Face::Gothic:
        break;
    }
    return "\"Wakusei Gothic\"";
}

// The box of a line holds the whole line with a margin; its ends lie on pixel centres for odd
// widths, so that level and upright lines stay crisp.
void PlaceLine(int id, const Line& line) {
    const int margin = line.BorderWidth() + 1;
    const int x1 = ToPixels(line.X1()), y1 = ToPixels(line.Y1());
    const int x2 = ToPixels(line.X2()), y2 = ToPixels(line.Y2());
    const int left = std::min(x1, x2) - margin, top = std::min(y1, y2) - margin;
    const int right = std::max(x1, x2) + margin, bottom = std::max(y1, y2) + margin;
    wk_place(id, left, top, right - left + 1, bottom - top + 1);
    const double shift = (line.BorderWidth() % 2) ? 0.5 : 0.0;
    const bool empty = line.X1() == line.X2() && line.Y1() == line.Y2();
    wk_line(id, x1 + shift - left, y1 + shift - top, x2 + shift - left, y2 + shift - top,
            empty ? 0 : line.BorderWidth(), Rgb(line.BorderColor()),
            line.X1() != line.X2() && line.Y1() != line.Y2() ? 1 : 0);
}

// A shape's box runs from the pixel that holds its left edge to the one that holds its right
// edge, so that no part of the circle, drawn at its exact place, is cut off by rounding.
void PlaceShape(int id, const Shape& shape) {
    const double l = ToPixelsF(shape.Left()), t = ToPixelsF(shape.Top());
    const double w = ToPixelsF(shape.Width()), h = ToPixelsF(shape.Height());
    const int left = int(std::floor(l)), top = int(std::floor(t));
    const int right = int(std::ceil(ToPixelsF(shape.Left() + shape.Width())));
    const int bottom = int(std::ceil(ToPixelsF(shape.Top() + shape.Height())));
    wk_place(id, left, top, std::max(0, right - left), std::max(0, bottom - top));
    wk_circle(id, l - left + w / 2, t - top + h / 2, std::max(0.0, std::min(w, h)),
              Rgb(shape.Style().fill), Rgb(shape.Style().outline));
}

// Any other control fills its box; a clickable label has a margin round its text for the focus
// frame.
void PlaceBox(int id, const Control& c) {
    const int m = c.kind() == Kind::Label && static_cast<const Label&>(c).Clickable() ? 2 : 0;
    wk_place(id, ToPixels(c.Left()) - m, ToPixels(c.Top()) - m,
             std::max(0, ToPixels(c.Width())) + 2 * m, std::max(0, ToPixels(c.Height())) + 2 * m);
}

// A body box shows its disc or its picture; an image its picture.
void ShowContent(int id, const Control& c) {
    if (c.kind() == Kind::Image) {
        wk_picture(id, static_cast<const Image&>(c).Picture().c_str());
        return;
    }
    const auto& box = static_cast<const PictureBox&>(c);
    if (box.disc()) {
        const Disc& d = *box.disc();
        const double w = ToPixelsF(d.width), h = ToPixelsF(d.height);
        wk_picture(id, "");
        wk_circle(id, w / 2, h / 2, std::max(0.0, std::min(w, h)), Rgb(d.style.fill),
                  Rgb(d.style.outline));
    } else {
        wk_circle(id, 0, 0, 0, -1, -1);
        wk_picture(id, box.Picture().c_str());
    }
}

const std::string& CaptionOf(const Control& c) {
    return c.kind() == Kind::Button ? static_cast<const CommandButton&>(c).Caption()
                                    : static_cast<const Label&>(c).Caption();
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
    if (what == Prop::TabOrder) {
        retab(form);
        return;
    }
    // A hidden window is stacked and given its focus when it is shown.
    if ((what == Prop::ZOrder || what == Prop::Focus) && !form.Visible())
        return;
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
        restack(form);
        break;
    case Prop::Focus:
        wk_form_focus(id, form.Focused() ? IdOf(form.Focused()->peer) : 0);
        break;
    default:
        break;
    }
}

// Each control's z-index is its place in the stack, from 1 at the bottom.
void WebBackend::restack(Form& form) {
    int z = 0;
    for (Control* c : StackingOrder(form))
        wk_z(IdOf(c->peer), ++z);
}

// The controls out of the tab order first, so that the page never holds two at one place.
void WebBackend::retab(Form& form) {
    for (const auto& c : form.Controls())
        if (c->TabIndex() < 0)
            wk_tab(IdOf(c->peer), -1);
    int i = 0;
    for (Control* c : TabSequence(form))
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
    const Kind kind = c.kind();
    const bool captioned = kind == Kind::Button || kind == Kind::Label;
    switch (what) {
    case Prop::Geometry:
    case Prop::Content:
        if (kind == Kind::Line)
            PlaceLine(id, static_cast<const Line&>(c));
        else if (kind == Kind::Shape)
            PlaceShape(id, static_cast<const Shape&>(c));
        else
            PlaceBox(id, c);
        if (what == Prop::Content && (kind == Kind::PictureBox || kind == Kind::Image))
            ShowContent(id, c);
        break;
    case Prop::Caption:
        if (captioned)
            wk_text(id, ShownCaption(CaptionOf(c)).c_str());
        // A control named by its caption is named anew with it.
        if (captioned && c.AccessibleName().empty())
            wk_name(id, SpokenName(c).c_str());
        break;
    case Prop::Colors:
        if (kind == Kind::Button)
            wk_colors(id, -1, Rgb(static_cast<const CommandButton&>(c).BackColor()));
        else if (kind == Kind::Label)
            wk_colors(id, Rgb(static_cast<const Label&>(c).ForeColor()), -1);
        else if (kind == Kind::PictureBox)
            wk_colors(id, -1, Rgb(static_cast<const PictureBox&>(c).BackColor()));
        else if (kind == Kind::Line)
            apply(c, Prop::Geometry); // the line is drawn again in its new colour
        break;
    case Prop::Font: {
        const Font& f = EffectiveFont(c);
        wk_font(id, Family(f), FontPixels(f.points), f.bold ? 1 : 0, f.italic ? 1 : 0);
        break;
    }
    case Prop::Alignment:
        if (kind == Kind::Label)
            wk_align(id, int(static_cast<const Label&>(c).Alignment()));
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
        wk_name(id, SpokenName(c).c_str());
        break;
    case Prop::Clickable:
        if (kind == Kind::Label) {
            wk_clickable(id, static_cast<const Label&>(c).Clickable() ? 1 : 0);
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
    wk_announce(IdOf(c.form().peer), AnnouncedText(c).c_str());
}

void WebBackend::quit() {
    wk_quit();
}

// --- Timers -----------------------------------------------------------------------------

// The page sets its wake-up for the next due timer.
void WebBackend::scheduleChanged() {
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
    if (Control* c = ControlArg(id))
        Press(*c);
}

// Returns 1 when the window did something with the key.
EMSCRIPTEN_KEEPALIVE int wk_on_key(int form, int key) {
    namespace k = web::bridge::Key;
    Form* f = FormArg(form);
    if (!f)
        return 0;
    const Key which = key == k::kEnter ? Key::Enter : key == k::kEscape ? Key::Escape : Key::Space;
    return f->KeyDown(which) ? 1 : 0;
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
