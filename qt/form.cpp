// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/widgets.h"

#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

using namespace controls;

namespace qtb {

QColor ToQt(Color c) {
    return {c.r, c.g, c.b};
}

FormWidget::FormWidget(Form& form, QWidget* owner) : QWidget(owner), model(form) {
    // We paint every pixel ourselves from the drawing surface.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    // A click on the sky takes the focus off the buttons (mousePressEvent), so that Enter then
    // presses the default button. Not by a click focus policy: the toolkit would then hand the
    // window the focus for a click on any child without one of its own, the revolution counter
    // too, which must leave the focus where it was.
    setFocusPolicy(Qt::NoFocus);
}

// Reached by a click on the sky or on a control that lets clicks through.
void FormWidget::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        setFocus(Qt::MouseFocusReason);
    QWidget::mousePressEvent(e);
}

void FormWidget::apply(Prop what) {
    switch (what) {
    case Prop::Caption:
        return applyCaption();
    case Prop::Icon:
        return applyIcon();
    case Prop::BorderStyle:
        return applyBorder();
    case Prop::ClientSize:
        return applyClientSize();
    case Prop::Colors:
        return applyBackColor();
    default:
        return;
    }
}

void FormWidget::applyCaption() {
    setWindowTitle(QString::fromStdString(model.Caption()));
}

void FormWidget::applyIcon() {
    setWindowIcon(QIcon(QString::fromStdString(":/pictures/" + model.Icon())));
}

void FormWidget::applyBorder() {
    if (model.Border() == BorderStyle::FixedSingle) {
        // A title and a close box: no resize handles, no maximise button.
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                       Qt::MSWindowsFixedSizeDialogHint);
    } else {
        setWindowFlags(Qt::Window);
    }
    applyClientSize();
}

void FormWidget::applyClientSize() {
    const QSize size(std::max(1, int(std::lround(model.ScaleWidth() / kTwipsPerPixel))),
                     std::max(1, int(std::lround(model.ScaleHeight() / kTwipsPerPixel))));
    if (model.Border() == BorderStyle::FixedSingle)
        setFixedSize(size);
    else
        resize(size);
    growDrawing();
}

void FormWidget::applyBackColor() {
    pending_.clear(); // they would have been wiped with the old colour
    drawing_ = QImage();
    growDrawing();
    update();
}

void FormWidget::growDrawing() {
    const qreal dpr = devicePixelRatioF();
    const QSize want = (size().expandedTo(QSize(1, 1)) * dpr);
    if (!drawing_.isNull() && drawing_.width() >= want.width() &&
        drawing_.height() >= want.height() && qFuzzyCompare(drawing_.devicePixelRatio(), dpr))
        return;
    if (!drawing_.isNull())
        drawPending();
    // Grow only: trails drawn beyond a window made smaller come back when it is enlarged.
    QImage grown(want.expandedTo(drawing_.size()), QImage::Format_RGB32);
    grown.setDevicePixelRatio(dpr);
    grown.fill(ToQt(model.BackColor()));
    if (!drawing_.isNull()) {
        QPainter p(&grown);
        p.drawImage(QPointF(0, 0), drawing_);
    }
    drawing_ = std::move(grown);
}

// A tick draws a point for every body: opening a painter on the drawing for each of them cost
// more than drawing them. They wait here and are drawn with one painter, before the window is
// painted and in any case before the next events are handled, so that they never pile up where
// no part of the window gets painted.
void FormWidget::drawDot(const Dot& dot) {
    const double px = dot.x / kTwipsPerPixel;
    const double py = dot.y / kTwipsPerPixel;
    const double radius = dot.diameter / 2.0;
    const double dpr = drawing_.devicePixelRatio();
    const double limitX = drawing_.width() / dpr + radius;
    const double limitY = drawing_.height() / dpr + radius;
    if (px < -radius || py < -radius || px > limitX || py > limitY)
        return; // wholly outside the surface

    QRect dirty;
    if (dot.diameter <= 1) {
        dirty = QRect(int(std::floor(px)), int(std::floor(py)), 1, 1);
    } else {
        // Clamp before converting: a huge point covers at most the whole surface.
        const QRectF bounds(px - radius, py - radius, 2 * radius, 2 * radius);
        dirty = bounds.toAlignedRect().intersected(rect().adjusted(-1, -1, 1, 1));
    }
    if (pending_.empty())
        QMetaObject::invokeMethod(
            this, [this] { drawPending(); }, Qt::QueuedConnection);
    pending_.push_back(dot);
    update(dirty.adjusted(-1, -1, 1, 1));
}

void FormWidget::drawPending() {
    if (pending_.empty())
        return;
    QPainter p(&drawing_);
    p.setPen(Qt::NoPen);
    for (const Dot& dot : pending_) {
        const double px = dot.x / kTwipsPerPixel;
        const double py = dot.y / kTwipsPerPixel;
        const QColor colour(dot.r, dot.g, dot.b);
        if (dot.diameter <= 1) {
            // The logical pixel that contains the point.
            p.fillRect(QRect(int(std::floor(px)), int(std::floor(py)), 1, 1), colour);
        } else {
            const double radius = dot.diameter / 2.0;
            p.setBrush(colour);
            p.drawEllipse(QPointF(px, py), radius, radius);
        }
    }
    pending_.clear();
}

void FormWidget::paintEvent(QPaintEvent* e) {
    drawPending();
    QPainter p(this);
    const QRect target = e->rect();
    const qreal dpr = drawing_.devicePixelRatio();
    const QRectF source(target.x() * dpr, target.y() * dpr, target.width() * dpr,
                        target.height() * dpr);
    p.drawImage(QRectF(target), drawing_, source);
}

void FormWidget::resizeEvent(QResizeEvent* e) {
    growDrawing();
    QWidget::resizeEvent(e);
    model.Resized(width() * kTwipsPerPixel, height() * kTwipsPerPixel);
}

void FormWidget::keyPressEvent(QKeyEvent* e) {
    if (HeldKeyRepeat(e)) {
        e->accept();
        return;
    }
    const int k = e->key();
    const bool enter = k == Qt::Key_Return || k == Qt::Key_Enter;
    if ((enter || k == Qt::Key_Escape) && HeldModifiers(e) == Qt::NoModifier &&
        model.KeyDown(enter ? Key::Enter : Key::Escape)) {
        e->accept();
        return;
    }
    QWidget::keyPressEvent(e);
}

// The frame's close box: the window unloads as by its own button.
void FormWidget::closeEvent(QCloseEvent* e) {
    model.Close();
    e->accept();
}

} // namespace qtb
