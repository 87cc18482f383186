// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A top-level window laid out in twips, with a persistent drawing surface beneath its controls.

#include <QColor>
#include <QImage>
#include <QWidget>

#include <cstdint>
#include <vector>

class QAbstractButton;

namespace controls {

// Windowed controls (buttons, picture boxes) lie above windowless ones (labels, shapes, lines,
// images), which lie above what is drawn on the window itself.
enum class Layer { Windowless, Windowed };

class Form : public QWidget {
public:
    explicit Form(QWidget* parent = nullptr);

    // Client area in twips.
    void setClientSize(double widthTwips, double heightTwips);
    double ScaleWidth() const;
    double ScaleHeight() const;

    QColor BackColor() const { return back_; }
    void setBackColor(QColor c);
    QColor ForeColor() const { return fore_; }
    void setForeColor(QColor c) { fore_ = c; }

    // Diameter in pixels of the points drawn by PSet.
    std::int16_t DrawWidth() const { return drawWidth_; }
    void setDrawWidth(int pixels);

    // Draws a round point of diameter DrawWidth pixels centred on (x, y) twips onto the window's
    // persistent drawing, beneath every control. Repaints only the point's area.
    void PSet(double x, double y, QColor colour);
    void PSet(double x, double y) { PSet(x, y, fore_); }

    // What has been drawn so far (background and points), in device pixels.
    const QImage& drawing() const { return drawing_; }

    // Stacking: each list from top to bottom, as a layout gives it.
    void setZOrder(const std::vector<QWidget*>& windowedTopToBottom,
                   const std::vector<QWidget*>& windowlessTopToBottom);

    // Enter clicks the default button unless a button has the focus; Esc clicks the cancel one.
    void setDefaultButton(QAbstractButton* b) { default_ = b; }
    void setCancelButton(QAbstractButton* b) { cancel_ = b; }

    void registerControl(QWidget* control, Layer layer);
    Layer layerOf(const QWidget* control) const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void growDrawing();

    QColor back_{32, 32, 32};
    QColor fore_{32, 32, 32};
    std::int16_t drawWidth_ = 1;
    QImage drawing_;
    QAbstractButton* default_ = nullptr;
    QAbstractButton* cancel_ = nullptr;
    std::vector<QWidget*> windowless_;
    std::vector<QWidget*> windowed_;
};

} // namespace controls
