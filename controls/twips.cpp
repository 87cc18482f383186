// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "twips.h"

#include <array>

namespace controls {

QFont LayoutFont(const QString& family, double points, bool bold, bool italic) {
    QFont f(family);
    f.setPixelSize(std::max(1, int(std::lround(points * 96.0 / 72.0))));
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QColor QBColor(int index) {
    static constexpr std::array<QRgb, 16> palette = {
        qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255)};
    return QColor(palette.at(std::size_t(index & 15)));
}

} // namespace controls
