// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The controls a window is built of, as plain values in twips: push buttons, labels, body boxes
// (picture boxes), circle shapes, lines and stretched images. Each holds its properties exactly
// as set and tells its backend of every change.

#include "controls/backend.h"
#include "controls/twips.h"
#include "controls/types.h"

#include <functional>
#include <optional>
#include <string>

namespace controls {

class Form;

enum class Kind : std::uint8_t { Button, Label, PictureBox, Shape, Line, Image };

// Windowed controls (buttons, picture boxes) lie above windowless ones (labels, shapes, lines,
// images), which lie above what is drawn on the window itself.
enum class Layer : std::uint8_t { Windowless, Windowed };

class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    Kind kind() const { return kind_; }
    Layer layer() const {
        return kind_ == Kind::Button || kind_ == Kind::PictureBox ? Layer::Windowed
                                                                  : Layer::Windowless;
    }
    Form& form() const { return form_; }
    // The layout's name, such as "cmdSTR(0)" or "picEth".
    const std::string& Name() const { return name_; }

    // Geometry in twips, held in single precision exactly as set and never snapped.
    float Left() const { return l_; }
    float Top() const { return t_; }
    float Width() const { return w_; }
    float Height() const { return h_; }
    void setLeft(double v) { Move(v, double(t_)); }
    void setTop(double v) { Move(double(l_), v); }
    void setWidth(double v) { Move(double(l_), double(t_), v, double(h_)); }
    void setHeight(double v) { Move(double(l_), double(t_), double(w_), v); }
    // One move of the left and top edges, size unchanged.
    void Move(double left, double top) { Move(left, top, double(w_), double(h_)); }
    void Move(double left, double top, double width, double height);

    bool Visible() const { return visible_; }
    void setVisible(bool v);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v);

    const Font& font() const { return font_; }
    void setFont(const Font& f);
    const std::string& ToolTip() const { return tip_; }
    void setToolTip(std::string tip);
    // What a screen reader calls the control; empty: its caption.
    const std::string& AccessibleName() const { return accName_; }
    void setAccessibleName(std::string name);

    // Place in its layer's stacking order: 0 is the top.
    int ZIndex() const { return z_; }
    // Place in the form's keyboard order, or -1 when Tab does not stop here.
    int TabIndex() const { return tab_; }
    bool HasFocus() const;
    // Moves the keyboard focus here (only to a visible, enabled control in the tab order of a
    // window that is still loaded).
    void SetFocus();

    // The backend's own object for this control.
    void* peer = nullptr;

protected:
    Control(Form& form, Kind kind, std::string name);
    void changed(Prop what);

private:
    friend class Form;
    Form& form_;
    Kind kind_;
    std::string name_;
    float l_ = 0, t_ = 0, w_ = 0, h_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    Font font_;
    std::string tip_;
    std::string accName_;
    int z_ = 0;
    int tab_ = -1;
};

// A push button in the classic graphical style: a raised face in its own colour with a centred
// caption.
class CommandButton final : public Control {
public:
    CommandButton(Form& form, std::string name);

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string c);
    Color BackColor() const { return back_; }
    void setBackColor(Color c);

    void onClick(std::function<void()> handler) { onClick_ = std::move(handler); }
    // A click of the user or of a key: nothing happens while the button is disabled or hidden.
    void Click();

private:
    std::string caption_;
    Color back_{128, 255, 255};
    std::function<void()> onClick_;
};

// Text without a frame on a transparent background, wrapped inside its width; what does not
// fit is cut off.
class Label final : public Control {
public:
    Label(Form& form, std::string name);

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string c);
    Color ForeColor() const { return fore_; }
    void setForeColor(Color c);
    Align Alignment() const { return align_; }
    void setAlignment(Align a);

    // A label with a click handler is pressed by a click, and by Space or Enter once Tab has
    // brought the focus to it; one without lets clicks through to the window.
    void onClick(std::function<void()> handler);
    bool Clickable() const { return bool(onClick_); }
    void Click();

private:
    std::string caption_;
    Color fore_{0, 0, 0};
    Align align_ = Align::Left;
    std::function<void()> onClick_;
};

// A body box: a small frameless child window with its own background, holding one disc or one
// picture drawn unscaled at its top-left corner and clipped by the box.
class PictureBox final : public Control {
public:
    PictureBox(Form& form, std::string name);

    Color BackColor() const { return back_; }
    void setBackColor(Color c);
    const std::optional<Disc>& disc() const { return disc_; }
    // A disc whose size is not a number is refused; a huge size is held at the limit.
    void setDisc(const Disc& d);
    // The name of one of the program's pictures; its transparent pixels show the background.
    const std::string& Picture() const { return picture_; }
    void setPicture(std::string picture);

private:
    Color back_{16, 16, 32};
    std::optional<Disc> disc_;
    std::string picture_;
};

// A circle: diameter the smaller side of its box, centred, with an opaque fill (or none) and a
// one-pixel outline inside the circle's bounds (or none).
class Shape final : public Control {
public:
    Shape(Form& form, std::string name);

    const CircleStyle& Style() const { return style_; }
    void setStyle(const CircleStyle& s);

private:
    CircleStyle style_;
};

// A straight solid line from (X1, Y1) to (X2, Y2) twips, of a colour and a width in pixels.
// Its box (Left, Top, Width, Height) is not used.
class Line final : public Control {
public:
    Line(Form& form, std::string name);

    float X1() const { return x1_; }
    float Y1() const { return y1_; }
    float X2() const { return x2_; }
    float Y2() const { return y2_; }
    void setX1(double v) { setPoints(v, double(y1_), double(x2_), double(y2_)); }
    void setY1(double v) { setPoints(double(x1_), v, double(x2_), double(y2_)); }
    void setX2(double v) { setPoints(double(x1_), double(y1_), v, double(y2_)); }
    void setY2(double v) { setPoints(double(x1_), double(y1_), double(x2_), v); }
    void setPoints(double x1, double y1, double x2, double y2);

    Color BorderColor() const { return colour_; }
    void setBorderColor(Color c);
    int BorderWidth() const { return width_; }
    void setBorderWidth(int pixels);

private:
    float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    Color colour_{0, 0, 0};
    int width_ = 1;
};

// A windowless picture stretched to fill its box exactly.
class Image final : public Control {
public:
    Image(Form& form, std::string name);

    const std::string& Picture() const { return picture_; }
    void setPicture(std::string picture);

private:
    std::string picture_;
};

} // namespace controls
