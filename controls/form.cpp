// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form.h"

#include "twips.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace controls {

Form::Form(QWidget* parent) : QWidget(parent) {
    // We paint every pixel ourselves from the drawing surface.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

void Form::setClientSize(double widthTwips, double heightTwips) {
    const float w = ToTwips(widthTwips, 0);
    const float h = ToTwips(heightTwips, 0);
    resize(std::max(1, ToPixels(w)), std::max(1, ToPixels(h)));
    growDrawing();
}

double Form::ScaleWidth() const {
    return width() * kTwipsPerPixel;
}
double Form::ScaleHeight() const {
    return height() * kTwipsPerPixel;
}

void Form::setBackColor(QColor c) {
    back_ = c;
    drawing_ = QImage();
    growDrawing();
    update();
}

void Form::setDrawWidth(int pixels) {
    drawWidth_ = std::int16_t(std::clamp(pixels, 1, int(std::numeric_limits<std::int16_t>::max())));
}

void Form::growDrawing() {
    const qreal dpr = devicePixelRatioF();
    const QSize want = (size().expandedTo(QSize(1, 1)) * dpr);
    if (!drawing_.isNull() && drawing_.width() >= want.width() &&
        drawing_.height() >= want.height() && qFuzzyCompare(drawing_.devicePixelRatio(), dpr))
        return;
    // Grow only: trails drawn beyond a window made smaller come back when it is enlarged.
    QImage grown(want.expandedTo(drawing_.size()), QImage::Format_RGB32);
    grown.setDevicePixelRatio(dpr);
    grown.fill(back_);
    if (!drawing_.isNull()) {
        QPainter p(&grown);
        p.drawImage(QPointF(0, 0), drawing_);
    }
    drawing_ = std::move(grown);
}

void Form::PSet(double x, double y, QColor colour) {
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    const double px = x / kTwipsPerPixel;
    const double py = y / kTwipsPerPixel;
    const double radius = drawWidth_ / 2.0;
    const double dpr = drawing_.devicePixelRatio();
    const double limitX = drawing_.width() / dpr + radius;
    const double limitY = drawing_.height() / dpr + radius;
    if (px < -radius || py < -radius || px > limitX || py > limitY)
        return; // wholly outside the surface

    QPainter p(&drawing_);
    QRect dirty;
    if (drawWidth_ <= 1) {
        // The logical pixel that contains the point.
        dirty = QRect(int(std::floor(px)), int(std::floor(py)), 1, 1);
        p.fillRect(dirty, colour);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(QPointF(px, py), radius, radius);
        // Clamp before converting: a huge point covers at most the whole surface.
        const QRectF bounds(px - radius, py - radius, 2 * radius, 2 * radius);
        dirty = bounds.toAlignedRect().intersected(rect().adjusted(-1, -1, 1, 1));
    }
    p.end();
    update(dirty.adjusted(-1, -1, 1, 1));
}

void Form::setZOrder(const std::vector<QWidget*>& windowedTopToBottom,
                     const std::vector<QWidget*>& windowlessTopToBottom) {
    for (auto it = windowlessTopToBottom.rbegin(); it != windowlessTopToBottom.rend(); ++it)
        (*it)->raise();
    for (auto it = windowedTopToBottom.rbegin(); it != windowedTopToBottom.rend(); ++it)
        (*it)->raise();
}

void Form::registerControl(QWidget* control, Layer layer) {
    (layer == Layer::Windowed ? windowed_ : windowless_).push_back(control);
}

Layer Form::layerOf(const QWidget* control) const {
    return std::find(windowed_.begin(), windowed_.end(), control) != windowed_.end()
               ? Layer::Windowed
               : Layer::Windowless;
}

void Form::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const QRect target = e->rect();
    const qreal dpr = drawing_.devicePixelRatio();
    const QRectF source(target.x() * dpr, target.y() * dpr, target.width() * dpr,
                        target.height() * dpr);
    p.drawImage(QRectF(target), drawing_, source);
}

void Form::resizeEvent(QResizeEvent* e) {
    growDrawing();
    QWidget::resizeEvent(e);
}

void Form::keyPressEvent(QKeyEvent* e) {
    QAbstractButton* target = nullptr;
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        target = default_;
    else if (e->key() == Qt::Key_Escape)
        target = cancel_;
    if (target && target->isEnabled() && target->isVisible()) {
        target->click();
        e->accept();
        return;
    }
    QWidget::keyPressEvent(e);
}

} // namespace controls
