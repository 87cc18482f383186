// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Qt widgets that show the control model: one per form and per control. Each reads its
// model's values when told of a change and paints from them.

#include "controls/control.h"
#include "controls/form.h"

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QKeyEvent>
#include <QPixmap>
#include <QRegion>
#include <QWidget>

#include <vector>

namespace qtb {

QColor ToQt(controls::Color c);
// The layout's font at the classic 96 dots per inch; an unnamed one is the platform default.
QFont ToQt(const controls::Font& f);
// One of the program's pictures by name, with its transparent pixels kept.
QImage LoadPicture(const std::string& name);

// A circle in the box `bounds` (logical pixels): diameter the smaller side, centred, filled,
// and outlined with a one-pixel line inside its bounds.
void PaintCircle(QPainter& p, const QRectF& bounds, const controls::CircleStyle& style);

// The outline of that circle in four quarter arcs, in the order the toolkit strokes a whole
// ellipse: the arcs that may show in `area`, bit i for arc i, none where the area lies wholly
// inside or outside the line.
unsigned OutlineArcsIn(const QRectF& bounds, const QRegion& area);
// Draws those arcs of the outline, covering exactly the pixels the whole outline covers there.
void PaintOutlineArcs(QPainter& p, const QRectF& bounds, QColor colour, unsigned arcs);

// A top-level window: the persistent drawing of points beneath every control.
class FormWidget final : public QWidget {
public:
    FormWidget(controls::Form& form, QWidget* owner);

    controls::Form& model;

    // The window's own state from the model: caption, icon, border, size, colour.
    void apply(controls::Prop what);
    void applyCaption();
    void applyIcon();
    void applyBorder();
    void applyClientSize();
    void applyBackColor();
    // Queues a point; the points of one tick are drawn together before the window is painted.
    void drawDot(const controls::Dot& dot);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void growDrawing();
    void drawPending();
    QImage drawing_;
    std::vector<controls::Dot> pending_; // points not yet in drawing_, in the order drawn
};

// What every control's widget shares: its model and its place in pixels.
class Peer {
public:
    explicit Peer(controls::Control& c) : model(c) {}
    virtual ~Peer() = default;
    controls::Control& model;
    virtual QWidget* widget() = 0;
    // The rectangle in logical pixels that the widget covers.
    virtual QRect pixelRect() const;
    void relayout();
    // The widget's own state from the model: everything but stacking and focus.
    void apply(controls::Prop what);
};

class ButtonWidget final : public QAbstractButton, public Peer {
public:
    ButtonWidget(controls::CommandButton& b, QWidget* parent);
    QWidget* widget() override { return this; }
    controls::CommandButton& button() const { return static_cast<controls::CommandButton&>(model); }

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

class LabelWidget final : public QWidget, public Peer {
public:
    LabelWidget(controls::Label& l, QWidget* parent);
    QWidget* widget() override { return this; }
    controls::Label& label() const { return static_cast<controls::Label&>(model); }
    QRect pixelRect() const override;
    void applyClickable();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    int margin() const;
    bool pressed_ = false;
};

class BoxWidget final : public QWidget, public Peer {
public:
    BoxWidget(controls::PictureBox& b, QWidget* parent);
    QWidget* widget() override { return this; }
    controls::PictureBox& box() const { return static_cast<controls::PictureBox&>(model); }
    void applyContent();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QImage picture_;
    QPixmap face_; // the box as painted, at the current device size
};

class ShapeWidget final : public QWidget, public Peer {
public:
    ShapeWidget(controls::Shape& s, QWidget* parent);
    QWidget* widget() override { return this; }
    QRect pixelRect() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
};

class LineWidget final : public QWidget, public Peer {
public:
    LineWidget(controls::Line& l, QWidget* parent);
    QWidget* widget() override { return this; }
    controls::Line& line() const { return static_cast<controls::Line&>(model); }
    QRect pixelRect() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QPointF end(float x, float y) const;
};

class ImageWidget final : public QWidget, public Peer {
public:
    ImageWidget(controls::Image& i, QWidget* parent);
    QWidget* widget() override { return this; }
    void applyContent();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QPixmap scaled_; // the picture at the current device size, made once per size
};

// Enter, Space and Esc reach the program once per press: a key held down repeats, and the
// repeats are taken and dropped. True for such a repeat.
bool HeldKeyRepeat(const QKeyEvent* e);
// The modifiers held with a key; the keypad's Enter is Enter.
Qt::KeyboardModifiers HeldModifiers(const QKeyEvent* e);

// The widget that shows a control, or null.
Peer* PeerOf(const controls::Control& c);
FormWidget* WidgetOf(const controls::Form& f);

} // namespace qtb
