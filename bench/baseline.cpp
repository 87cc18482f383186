// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A bare Qt program that does the visible work of the program running at 25 ticks per second,
// and nothing else: the yardstick for bench_running, measured the same way and printed in the
// same form. A window of the main window's size with 10 opaque child widgets moved and 10 dots
// drawn every 40 ms on a surface that keeps them; then also a second window of the Earth view's
// size whose 10 opaque children move every 40 ms over a stretched picture.

#include "usage.h"

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cmath>

namespace {

class Box final : public QWidget {
public:
    Box(QWidget* parent, QColor colour) : QWidget(parent), colour_(colour) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        resize(20, 20);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), colour_); }

private:
    QColor colour_;
};

// A window whose surface keeps what is drawn on it, or shows a stretched picture.
class Surface final : public QWidget {
public:
    Surface(QSize size, QWidget* owner) : QWidget(owner, Qt::Window) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(size);
        kept_ = QImage(size, QImage::Format_RGB32);
        kept_.fill(QColor(32, 32, 32));
    }
    void setPicture(const QImage& picture) {
        kept_ = picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    void dot(QPainter& p, QPoint at, QColor colour) {
        p.fillRect(QRect(at, QSize(1, 1)), colour);
        update(QRect(at, QSize(1, 1)));
    }
    QImage& kept() { return kept_; }
    std::array<Box*, 10> boxes{};

protected:
    void paintEvent(QPaintEvent* e) override {
        QPainter(this).drawImage(e->rect(), kept_, e->rect());
    }

private:
    QImage kept_;
};

void AddBoxes(Surface& s) {
    for (int i = 0; i < 10; ++i)
        s.boxes[std::size_t(i)] = new Box(&s, QColor::fromHsv(i * 36, 200, 255));
}

// Each box on its own circle about the window's middle, at its own pace.
void MoveBoxes(Surface& s, long tick) {
    const QPoint middle = s.rect().center();
    for (int i = 0; i < 10; ++i) {
        const double a = double(tick) * 0.01 * (1 + i * 0.3);
        const double r = 30 + 20 * i;
        s.boxes[std::size_t(i)]->move(middle + QPoint(int(r * std::cos(a)), int(r * std::sin(a))));
    }
}

// A picture like the constellations: specks on a dark sky.
QImage Sky() {
    QImage sky(709, 627, QImage::Format_RGB32);
    sky.fill(QColor(40, 40, 48));
    for (int i = 0; i < 4000; ++i)
        sky.setPixel((i * 7919) % 709, (i * 104729) % 627, qRgb(200, 200, 220));
    return sky;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Surface main(QSize(704, 509), nullptr);
    AddBoxes(main);
    main.show();
    Surface view(QSize(559, 507), &main);
    view.setPicture(Sky());
    AddBoxes(view);

    long tick = 0;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++tick;
        MoveBoxes(main, tick);
        QPainter p(&main.kept());
        for (int i = 0; i < 10; ++i) {
            const double a = double(tick) * 0.003 * (1 + i * 0.2);
            const double r = 40 + 22 * i;
            main.dot(p, main.rect().center() + QPoint(int(r * std::cos(a)), int(r * std::sin(a))),
                     QColor::fromHsv(i * 36, 255, 255));
        }
        if (view.isVisible())
            MoveBoxes(view, tick);
    });

    bench::Meter meter;
    // The same steps and times as bench_running.
    QTimer::singleShot(1000, [&] {
        timer.start(40);
        meter.measure("main window running", [&] {
            view.show();
            meter.measure("with the Earth view running", [] { QCoreApplication::exit(0); });
        });
    });
    return QApplication::exec();
}
