// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A top-level window laid out in twips. It owns its controls, keeps their stacking and keyboard
// order, and draws points on its persistent surface beneath them.

#include "controls/backend.h"
#include "controls/control.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace controls {

enum class BorderStyle : std::uint8_t {
    Sizable,     // title bar, system menu, minimise and maximise, resizable
    FixedSingle, // title bar and close box only; the size cannot change
};

enum class Key : std::uint8_t { Enter, Escape, Space };

class Form {
public:
    explicit Form(std::string name);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    const std::string& Name() const { return name_; }
    Backend& backend() const { return backend_; }

    // Makes a control on this window, at the top of its layer, and hands it back.
    template <class C> C* Add(std::string name) {
        auto owned = std::unique_ptr<C>(new C(*this, std::move(name)));
        C* c = owned.get();
        adopt(std::move(owned));
        return c;
    }
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
    Control* Find(const std::string& name) const;

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string c);
    // The name of one of the program's icons.
    const std::string& Icon() const { return icon_; }
    void setIcon(std::string icon);
    BorderStyle Border() const { return border_; }
    void setBorderStyle(BorderStyle b);

    // Client area in twips: as asked for, until the platform reports another size.
    void setClientSize(double widthTwips, double heightTwips);
    double ScaleWidth() const { return scaleW_; }
    double ScaleHeight() const { return scaleH_; }

    Color BackColor() const { return back_; }
    void setBackColor(Color c);
    Color ForeColor() const { return fore_; }
    void setForeColor(Color c) { fore_ = c; }
    // The font of controls that name none of their own.
    const Font& font() const { return font_; }
    void setFont(const Font& f) { font_ = f; }

    // Diameter in pixels of the points drawn by PSet.
    std::int16_t DrawWidth() const { return drawWidth_; }
    void setDrawWidth(int pixels);
    // Draws a round point of diameter DrawWidth pixels centred on (x, y) twips onto the
    // window's persistent drawing, beneath every control. A point at a position that is not a
    // number, or far beyond any screen, draws nothing.
    void PSet(double x, double y, Color colour);
    void PSet(double x, double y) { PSet(x, y, fore_); }

    // Stacking: each list from top to bottom, as a layout gives it.
    void setZOrder(const std::vector<Control*>& windowedTopToBottom,
                   const std::vector<Control*>& windowlessTopToBottom);
    // The order in which Tab walks the controls; the others are left out of it.
    void setTabOrder(const std::vector<Control*>& order);
    // Enter presses the default button while the focus is on no button or label of its own;
    // Esc presses the cancel button.
    void setDefaultButton(CommandButton* b) { default_ = b; }
    void setCancelButton(CommandButton* b) { cancel_ = b; }
    CommandButton* DefaultButton() const { return default_; }
    CommandButton* CancelButton() const { return cancel_; }

    Control* Focused() const { return focused_; }
    void focus(Control* c);

    bool Visible() const { return visible_; }
    void Show();
    void Hide();
    // False once the window has been closed: it is then gone for good.
    bool Loaded() const { return loaded_; }
    // Unloads the window by any route (its own button, Esc, the frame's close box): runs
    // Form_Unload once, then hides it; no control of it holds the focus any more.
    void Close();

    // Input from the backend.
    // A key the backend did not handle itself; true when it did something.
    bool KeyDown(Key key);
    // The user or the platform moved the focus (nullptr: to no control of this window).
    void FocusMovedTo(Control* c) { focused_ = c; }
    // The platform gave the client area a new size.
    void Resized(double widthTwips, double heightTwips);

    // The accessible text to announce now (a near-miss message), through the backend.
    void Announce(Control& c) { backend_.announce(c); }

    // The backend's own object for this form.
    void* peer = nullptr;

protected:
    // Handlers a window may give: after each change of the client size (and when first
    // shown), and when the window is unloaded.
    virtual void Form_Resize() {}
    virtual void Form_Unload() {}

private:
    friend class Control;
    void adopt(std::unique_ptr<Control> c);

    Backend& backend_;
    std::string name_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::string caption_;
    std::string icon_;
    BorderStyle border_ = BorderStyle::Sizable;
    double scaleW_ = 0, scaleH_ = 0;
    Color back_{32, 32, 32};
    Color fore_{32, 32, 32};
    Font font_{"", 9, false, false};
    std::int16_t drawWidth_ = 1;
    CommandButton* default_ = nullptr;
    CommandButton* cancel_ = nullptr;
    Control* focused_ = nullptr;
    bool visible_ = false;
    bool shownOnce_ = false;
    bool loaded_ = true;
};

} // namespace controls
