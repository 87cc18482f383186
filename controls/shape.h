// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A circle shape: diameter the smaller side of its box, centred, with an opaque fill (or none)
// and a one-pixel outline inside the circle's bounds (or none).

#include "control.h"

#include <QPainter>
#include <optional>

namespace controls {

struct CircleStyle {
    std::optional<QColor> fill;    // none: transparent interior
    std::optional<QColor> outline; // none: no outline
};

// Paints a circle in the box `bounds` (logical pixels) by the rule above.
void PaintCircle(QPainter& p, const QRectF& bounds, const CircleStyle& style);

class Shape : public Control<QWidget> {
public:
    explicit Shape(Form* form);

    const CircleStyle& Style() const { return style_; }
    void setStyle(const CircleStyle& s);

protected:
    QRect pixelRect() const override;
    void paintEvent(QPaintEvent* e) override;

private:
    CircleStyle style_;
};

} // namespace controls
