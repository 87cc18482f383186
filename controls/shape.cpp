// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shape.h"

#include <algorithm>
#include <cmath>

namespace controls {

void PaintCircle(QPainter& p, const QRectF& bounds, const CircleStyle& style) {
    const double d = std::min(bounds.width(), bounds.height());
    if (d <= 0)
        return;
    const QRectF circle(bounds.center().x() - d / 2, bounds.center().y() - d / 2, d, d);
    p.setRenderHint(QPainter::Antialiasing);
    if (style.fill) {
        p.setPen(Qt::NoPen);
        p.setBrush(*style.fill);
        p.drawEllipse(circle);
    }
    if (style.outline) {
        // Half a pixel in, so that the whole one-pixel line lies inside the circle's bounds.
        p.setPen(QPen(*style.outline, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

Shape::Shape(Form* form) : Control(form, Layer::Windowless) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setStyle(const CircleStyle& s) {
    style_ = s;
    update();
}

// From the pixel that holds the left edge to the one that holds the right edge, so that no part
// of the circle (drawn at its exact place) is cut off by rounding.
QRect Shape::pixelRect() const {
    const int left = int(std::floor(ToPixelsF(Left())));
    const int top = int(std::floor(ToPixelsF(Top())));
    const int right = int(std::ceil(ToPixelsF(Left() + Width())));
    const int bottom = int(std::ceil(ToPixelsF(Top() + Height())));
    return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // The circle in exact twips, relative to where the widget was snapped.
    const QRectF exact(ToPixelsF(Left()) - x(), ToPixelsF(Top()) - y(), ToPixelsF(Width()),
                       ToPixelsF(Height()));
    PaintCircle(p, exact, style_);
}

} // namespace controls
