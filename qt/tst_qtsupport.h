// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the Qt backend tests share: the program's fonts, accessibility and backend, and the two
// pictures of a window, the one it shows and a full repaint.

#include "controls/form.h"
#include "qt/backend.h"
#include "qt/widgets.h"

#include <QBackingStore>
#include <QCoreApplication>
#include <QImage>
#include <QWidget>

#include <cmath>
#include <memory>

namespace qt_testing {

// The same set-up as the program; call once the application object exists.
inline std::unique_ptr<qtb::QtBackend> SetUp() {
    qtb::InstallFontSubstitutions();
    qtb::InstallAccessibility();
    auto backend = std::make_unique<qtb::QtBackend>();
    backend->onBeep = [] {}; // silent
    return backend;
}

// Lets every posted change be painted.
inline void Settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

inline QWidget* W(const controls::Form& f) {
    return qtb::WidgetOf(f);
}
inline QWidget* W(const controls::Control* c) {
    return qtb::PeerOf(*c)->widget();
}

// What the window shows: on the offscreen platform, its backing store, in device pixels.
// (QScreen::grabWindow hands back only the top-left quarter of it at 200 % in Qt 6.4.)
inline QImage Shown(const controls::Form& f) {
    Settle();
    QPaintDevice* d = W(f)->backingStore()->paintDevice();
    if (d->devType() != QInternal::Image)
        return {};
    QImage image = static_cast<QImage*>(d)->convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(W(f)->devicePixelRatioF());
    return image;
}

// A full repaint of the same state, in device pixels.
inline QImage Full(const controls::Form& f) {
    Settle();
    QImage image = W(f)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(W(f)->devicePixelRatioF());
    return image;
}

// Pixels in which two pictures differ; every pixel when their sizes do.
inline long Differ(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return long(a.width()) * a.height();
    if (a == b)
        return 0;
    long n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

// The colour of the device pixel that holds (x, y) twips.
inline QColor At(const QImage& image, double xTwips, double yTwips) {
    const double dpr = image.devicePixelRatio();
    return image.pixelColor(int(std::floor(xTwips / 15 * dpr)), int(std::floor(yTwips / 15 * dpr)));
}

} // namespace qt_testing
