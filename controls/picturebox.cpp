// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturebox.h"

#include <QPainter>

namespace controls {

PictureBox::PictureBox(Form* form) : Control(form, Layer::Windowed) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setBackColor(QColor c) {
    back_ = c;
    update();
}

void PictureBox::setDisc(const Disc& d) {
    disc_ = d;
    picture_ = QImage();
    update();
}

void PictureBox::setPicture(const QImage& picture) {
    picture_ = picture;
    disc_.reset();
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), back_);
    if (disc_) {
        PaintCircle(p, QRectF(0, 0, ToPixelsF(disc_->width), ToPixelsF(disc_->height)),
                    disc_->style);
    } else if (!picture_.isNull()) {
        // One picture pixel to one logical pixel, at the top-left corner.
        p.drawImage(QRectF(0, 0, picture_.width(), picture_.height()), picture_);
    }
}

} // namespace controls
