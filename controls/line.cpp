// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "line.h"

#include <QPainter>
#include <algorithm>

namespace controls {

Line::Line(Form* form) : Control(form, Layer::Windowless) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::setPoints(double x1, double y1, double x2, double y2) {
    x1_ = ToTwips(x1, x1_);
    y1_ = ToTwips(y1, y1_);
    x2_ = ToTwips(x2, x2_);
    y2_ = ToTwips(y2, y2_);
    relayout();
    update();
}

void Line::setBorderColor(QColor c) {
    colour_ = c;
    update();
}

void Line::setBorderWidth(int pixels) {
    width_ = std::clamp(pixels, 1, 64);
    relayout();
    update();
}

QRect Line::pixelRect() const {
    const int margin = width_ + 1;
    const int left = std::min(ToPixels(x1_), ToPixels(x2_)) - margin;
    const int top = std::min(ToPixels(y1_), ToPixels(y2_)) - margin;
    const int right = std::max(ToPixels(x1_), ToPixels(x2_)) + margin;
    const int bottom = std::max(ToPixels(y1_), ToPixels(y2_)) + margin;
    return {left, top, right - left + 1, bottom - top + 1};
}

// An end point in the widget's pixels, on a pixel centre for odd widths so that level and
// upright lines stay crisp.
QPointF Line::end(float x, float y) const {
    const double shift = (width_ % 2) ? 0.5 : 0.0;
    return {ToPixels(x) + shift - this->x(), ToPixels(y) + shift - this->y()};
}

void Line::paintEvent(QPaintEvent*) {
    if (x1_ == x2_ && y1_ == y2_)
        return; // a line of zero length shows nothing
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, x1_ != x2_ && y1_ != y2_);
    p.setPen(QPen(colour_, width_, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(end(x1_, y1_), end(x2_, y2_));
}

} // namespace controls
