// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Common geometry of every control: left, top, width and height in twips, held in single
// precision exactly as set and never snapped; only the drawing is snapped to pixels.

#include "form.h"
#include "twips.h"

#include <QRect>
#include <QWidget>

#include <algorithm>

namespace controls {

template <class W> class Control : public W {
public:
    Control(Form* form, Layer layer) : W(form) {
        form->registerControl(this, layer);
        if (layer == Layer::Windowless)
            this->setAttribute(Qt::WA_TranslucentBackground);
    }

    float Left() const { return l_; }
    float Top() const { return t_; }
    float Width() const { return w_; }
    float Height() const { return h_; }
    bool Visible() const { return !this->isHidden(); }

    void setLeft(double v) { Move(v, t_); }
    void setTop(double v) { Move(l_, v); }
    void setWidth(double v) { Move(l_, t_, v, h_); }
    void setHeight(double v) { Move(l_, t_, w_, v); }

    // One move of the left and top edges, size unchanged.
    void Move(double left, double top) { Move(left, top, w_, h_); }
    void Move(double left, double top, double width, double height) {
        l_ = ToTwips(left, l_);
        t_ = ToTwips(top, t_);
        // A negative size is treated as empty, as the toolkit cannot hold one.
        w_ = ToTwips(width, w_);
        h_ = ToTwips(height, h_);
        relayout();
    }

protected:
    virtual QRect pixelRect() const {
        return {ToPixels(l_), ToPixels(t_), std::max(0, ToPixels(w_)), std::max(0, ToPixels(h_))};
    }
    void relayout() {
        const QRect r = pixelRect();
        if (r != this->geometry())
            this->setGeometry(r);
    }

private:
    float l_ = 0, t_ = 0, w_ = 0, h_ = 0;
};

} // namespace controls
