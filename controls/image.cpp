// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "image.h"

#include <QPainter>

namespace controls {

Image::Image(Form* form) : Control(form, Layer::Windowless) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Image::setPicture(const QImage& picture) {
    picture_ = picture;
    scaled_ = QPixmap();
    update();
}

void Image::paintEvent(QPaintEvent*) {
    if (picture_.isNull() || width() <= 0 || height() <= 0)
        return;
    const qreal dpr = devicePixelRatioF();
    const QSize device = size() * dpr;
    if (scaled_.size() != device) {
        scaled_ = QPixmap::fromImage(
            picture_.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        scaled_.setDevicePixelRatio(dpr);
    }
    QPainter p(this);
    p.drawPixmap(0, 0, scaled_);
}

} // namespace controls
