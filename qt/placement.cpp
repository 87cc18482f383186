// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/placement.h"

#include <algorithm>

namespace qtb {

namespace {

// `start` moved just far enough for a length `size` to end inside [low, high).
int Clamp(int start, int size, int low, int high) {
    return std::max(low, std::min(start, high - size));
}

} // namespace

std::optional<Placement> PlaceBeside(const QRect& owner, const QSize& frame,
                                     const QRect& available) {
    if (frame.isEmpty())
        return std::nullopt;
    // QRect's right and bottom are inclusive: the first column or row past them is one more.
    const int ownerEnd = owner.x() + owner.width(), ownerBottom = owner.y() + owner.height();
    const int screenEnd = available.x() + available.width();
    const int screenBottom = available.y() + available.height();
    const int level = Clamp(owner.y(), frame.height(), available.y(), screenBottom);
    const QRect beside[] = {
        {QPoint(ownerEnd, level), frame},                  // right
        {QPoint(owner.x() - frame.width(), level), frame}, // left
        {QPoint(Clamp(owner.x(), frame.width(), available.x(), screenEnd), ownerBottom),
         frame}, // below
    };
    for (const QRect& r : beside)
        if (available.contains(r))
            return Placement{owner.topLeft(), r.topLeft()};
    // Side by side, the owner moved sideways towards the nearer edge of the screen.
    if (owner.width() + frame.width() > available.width() || frame.height() > available.height())
        return std::nullopt;
    const int windowRight = screenEnd - frame.width() - owner.width(); // the owner's new x
    const int windowLeft = available.x() + frame.width();
    if (owner.x() - windowRight <= windowLeft - owner.x())
        return Placement{{windowRight, owner.y()}, {windowRight + owner.width(), level}};
    return Placement{{windowLeft, owner.y()}, {available.x(), level}};
}

} // namespace qtb
