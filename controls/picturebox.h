// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A body box: a small frameless child window with its own background, holding one disc or one
// picture drawn unscaled at its top-left corner and clipped by the box.

#include "control.h"
#include "shape.h"

#include <QImage>

namespace controls {

struct Disc {
    float width = 0; // twips
    float height = 0;
    CircleStyle style;
};

class PictureBox : public Control<QWidget> {
public:
    explicit PictureBox(Form* form);

    QColor BackColor() const { return back_; }
    void setBackColor(QColor c);
    void setDisc(const Disc& d);
    // A picture whose transparent pixels show the box's background.
    void setPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QColor back_{16, 16, 32};
    std::optional<Disc> disc_;
    QImage picture_;
};

} // namespace controls
