// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A label: text without a frame on a transparent background, wrapped inside its width.

#include "control.h"

#include <functional>

namespace controls {

class Label : public Control<QWidget> {
public:
    explicit Label(Form* form);

    QString Caption() const { return caption_; }
    void setCaption(const QString& c);
    QColor ForeColor() const { return fore_; }
    void setForeColor(QColor c);
    Qt::Alignment Alignment() const { return align_; }
    void setAlignment(Qt::Alignment a);

    // A label with a click handler can also be focused with Tab and pressed with Space or
    // Enter; one without lets clicks through to the window.
    void setClickHandler(std::function<void()> handler);
    bool Clickable() const { return bool(onClick_); }
    void Click() {
        if (onClick_)
            onClick_();
    }

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    std::function<void()> onClick_;
    QString caption_;
    QColor fore_{0, 0, 0};
    Qt::Alignment align_ = Qt::AlignLeft;
    bool pressed_ = false;
};

} // namespace controls
