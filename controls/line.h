// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A straight solid line from (X1, Y1) to (X2, Y2) twips, of a colour and a width in pixels.

#include "control.h"

namespace controls {

class Line : public Control<QWidget> {
public:
    explicit Line(Form* form);

    float X1() const { return x1_; }
    float Y1() const { return y1_; }
    float X2() const { return x2_; }
    float Y2() const { return y2_; }
    void setX1(double v) { setPoints(v, y1_, x2_, y2_); }
    void setY1(double v) { setPoints(x1_, v, x2_, y2_); }
    void setX2(double v) { setPoints(x1_, y1_, v, y2_); }
    void setY2(double v) { setPoints(x1_, y1_, x2_, v); }
    void setPoints(double x1, double y1, double x2, double y2);

    QColor BorderColor() const { return colour_; }
    void setBorderColor(QColor c);
    int BorderWidth() const { return width_; }
    void setBorderWidth(int pixels);

protected:
    QRect pixelRect() const override;
    void paintEvent(QPaintEvent* e) override;

private:
    QPointF end(float x, float y) const;

    float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    QColor colour_{0, 0, 0};
    int width_ = 1;
};

} // namespace controls
