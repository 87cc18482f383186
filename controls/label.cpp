#include "label.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

namespace controls {

Label::Label(Form* form) : Control(form, Layer::Windowless) {}

void Label::setCaption(const QString& c) {
    if (c == caption_) return;
    caption_ = c;
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent ev(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&ev);
    }
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
    if (caption_.isEmpty()) return;
    QPainter p(this);
    p.setFont(font());
    p.setPen(fore_);
    // Text starts at the top and wraps inside the label's width; what does not fit is cut off.
    p.drawText(rect(), int(align_ | Qt::AlignTop) | Qt::TextWordWrap, caption_);
}

void Label::mousePressEvent(QMouseEvent* e) {
    if (!onClick || e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    pressed_ = true;
    e->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* e) {
    if (!onClick || !pressed_) {
        e->ignore();
        return;
    }
    pressed_ = false;
    if (rect().contains(e->position().toPoint())) onClick();
    e->accept();
}

} // namespace controls
