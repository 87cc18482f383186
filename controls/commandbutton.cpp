// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandbutton.h"

#include <QKeyEvent>
#include <QPainter>

namespace controls {

CommandButton::CommandButton(Form* form) : Control(form, Layer::Windowed) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CommandButton::setCaption(const QString& c) {
    if (c != text())
        setText(c); // repaints itself
}

void CommandButton::setBackColor(QColor c) {
    back_ = c;
    update();
}

void CommandButton::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() == 0) {
        click();
        e->accept();
        return;
    }
    QAbstractButton::keyPressEvent(e);
}

void CommandButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, back_);
    const bool sunken = isDown();
    const int x0 = r.left(), y0 = r.top(), x1 = r.right(), y1 = r.bottom();

    // Classic bevel: light from the top left, one pixel of black and one of shadow below.
    const QColor light(255, 255, 255), dark(0, 0, 0), shadow(128, 128, 128);
    auto frame = [&](QColor topLeft, QColor bottomRight, int inset) {
        p.setPen(topLeft);
        p.drawLine(x0 + inset, y0 + inset, x1 - inset - 1, y0 + inset);
        p.drawLine(x0 + inset, y0 + inset, x0 + inset, y1 - inset - 1);
        p.setPen(bottomRight);
        p.drawLine(x0 + inset, y1 - inset, x1 - inset, y1 - inset);
        p.drawLine(x1 - inset, y0 + inset, x1 - inset, y1 - inset);
    };
    if (sunken) {
        frame(dark, light, 0);
        frame(shadow, back_, 1);
    } else {
        frame(light, dark, 0);
        frame(back_, shadow, 1);
    }

    p.setFont(font());
    const QRect textRect = r.adjusted(3, 2, -3, -2).translated(sunken ? 1 : 0, sunken ? 1 : 0);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    if (isEnabled()) {
        p.setPen(QColor(0, 0, 0));
        p.drawText(textRect, flags, text());
    } else {
        // Engraved grey text, as a disabled classic button shows it.
        p.setPen(light);
        p.drawText(textRect.translated(1, 1), flags, text());
        p.setPen(shadow);
        p.drawText(textRect, flags, text());
    }
    if (hasFocus()) {
        QPen dots(QColor(0, 0, 0), 1, Qt::DotLine);
        p.setPen(dots);
        p.drawRect(r.adjusted(3, 3, -4, -4));
    }
}

} // namespace controls
