// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace controls {

Label::Label(Form* form) : Control(form, Layer::Windowless) {}

void Label::setCaption(const QString& c) {
    if (c == caption_)
        return;
    caption_ = c;
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent ev(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&ev);
    }
}

void Label::setClickHandler(std::function<void()> handler) {
    onClick_ = std::move(handler);
    setFocusPolicy(onClick_ ? Qt::StrongFocus : Qt::NoFocus);
    setCursor(onClick_ ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void Label::setForeColor(QColor c) {
    fore_ = c;
    update();
}

void Label::setAlignment(Qt::Alignment a) {
    align_ = a;
    update();
}

void Label::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (hasFocus()) {
        p.setPen(QPen(fore_, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (caption_.isEmpty())
        return;
    p.setFont(font());
    p.setPen(fore_);
    // Text starts at the top and wraps inside the label's width; what does not fit is cut off.
    p.drawText(rect(), int(align_ | Qt::AlignTop) | Qt::TextWordWrap, caption_);
}

void Label::mousePressEvent(QMouseEvent* e) {
    if (!onClick_ || e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    pressed_ = true;
    e->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* e) {
    if (!onClick_ || !pressed_) {
        e->ignore();
        return;
    }
    pressed_ = false;
    if (rect().contains(e->position().toPoint()))
        onClick_();
    e->accept();
}

void Label::keyPressEvent(QKeyEvent* e) {
    const int k = e->key();
    if (onClick_ && (k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter)) {
        onClick_();
        e->accept();
        return;
    }
    QWidget::keyPressEvent(e);
}

} // namespace controls
