#include "shape.h"

#include <algorithm>

namespace controls {

void PaintCircle(QPainter& p, const QRectF& bounds, const CircleStyle& style) {
    const double d = std::min(bounds.width(), bounds.height());
    if (d <= 0)
        return;
    const QRectF circle(bounds.center().x() - d / 2, bounds.center().y() - d / 2, d, d);
    p.setRenderHint(QPainter::Antialiasing);
    if (style.fill) {
        p.setPen(Qt::NoPen);
        p.setBrush(*style.fill);
        p.drawEllipse(circle);
    }
    if (style.outline) {
        // Half a pixel in, so that the whole one-pixel line lies inside the circle's bounds.
        p.setPen(QPen(*style.outline, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

Shape::Shape(Form* form) : Control(form, Layer::Windowless) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setStyle(const CircleStyle& s) {
    style_ = s;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // The circle in exact twips, relative to where the widget was snapped.
    const QRectF exact(ToPixelsF(Left()) - x(), ToPixelsF(Top()) - y(), ToPixelsF(Width()),
                       ToPixelsF(Height()));
    PaintCircle(p, exact, style_);
}

} // namespace controls
