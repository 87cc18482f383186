// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A windowless picture stretched to fill its box exactly.

#include "control.h"

#include <QImage>
#include <QPixmap>

namespace controls {

class Image : public Control<QWidget> {
public:
    explicit Image(Form* form);

    void setPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QImage picture_;
    QPixmap scaled_; // the picture at the current device size, made once per size
};

} // namespace controls
