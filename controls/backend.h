// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one narrow interface between the control model and whatever shows it (Qt Widgets, the
// browser's DOM, or nothing at all in tests).
//
// The model tells its backend of every change; the backend reads the new values back from the
// model. The backend tells the model of user input through the model's own methods: a click
// (`CommandButton::Click`), a key (`Form::KeyDown`), a focus change (`Form::FocusMovedTo`), a
// resize (`Form::Resized`), a close request (`Form::Close`) and a timer firing (`Timer::Fire`).

#include <cstdint>

namespace controls {

class Control;
class Form;
class Timer;

// What changed on a control or a form.
enum class Prop : std::uint8_t {
    Geometry, // left, top, width, height; a line's end points and width
    Caption,
    Colors,
    Font,
    Alignment,
    Visible,
    Enabled,
    ToolTip,
    AccessibleName,
    Content,   // a box's disc or picture, an image's picture, a shape's style
    Clickable, // a label gained or lost its click handler
    ZOrder,    // of a form: its controls were restacked
    TabOrder,  // of a form
    Focus,     // of a form: the model moved the keyboard focus
    Icon,      // of a form
    ClientSize,
    BorderStyle,
};

// A round point of `diameter` logical pixels centred on (x, y) twips, beneath every control.
struct Dot {
    double x = 0;
    double y = 0;
    int diameter = 1;
    std::uint8_t r = 0, g = 0, b = 0;
};

class Backend {
public:
    virtual ~Backend() = default;

    virtual void formCreated(Form& form) = 0;
    virtual void formDestroyed(Form& form) = 0;
    // Show, hide; a form that is shown gets its controls' current state.
    virtual void formShown(Form& form, bool shown) = 0;
    virtual void formChanged(Form& form, Prop what) = 0;

    virtual void controlCreated(Control& control) = 0;
    virtual void controlChanged(Control& control, Prop what) = 0;

    virtual void pointDrawn(Form& form, const Dot& dot) = 0;

    virtual void timerCreated(Timer& timer) = 0;
    virtual void timerDestroyed(Timer& timer) = 0;
    // The interval changed: 0 stops the timer, anything else (re)starts its schedule.
    virtual void timerChanged(Timer& timer) = 0;

    virtual void beep() = 0;
    // A control's new text needs saying at once by a screen reader.
    virtual void announce(Control& control) = 0;
    // Ends the program once the current handler returns.
    virtual void quit() = 0;
};

// Shows nothing and sounds nothing: what a form gets when no backend has been set, and a base
// for test backends that listen to a few calls only.
class NullBackend : public Backend {
public:
    void formCreated(Form&) override {}
    void formDestroyed(Form&) override {}
    void formShown(Form&, bool) override {}
    void formChanged(Form&, Prop) override {}
    void controlCreated(Control&) override {}
    void controlChanged(Control&, Prop) override {}
    void pointDrawn(Form&, const Dot&) override {}
    void timerCreated(Timer&) override {}
    void timerDestroyed(Timer&) override {}
    void timerChanged(Timer&) override {}
    void beep() override {}
    void announce(Control&) override {}
    void quit() override {}
};

// The backend every new form, control and timer talks to. A backend set here must outlive
// them all; nullptr restores the silent default, which shows nothing.
void SetBackend(Backend* backend);
Backend& CurrentBackend();

// The system beep, through the current backend.
void Beep();

} // namespace controls
