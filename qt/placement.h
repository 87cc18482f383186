// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where a second window opens: beside the first, so that both can be seen at once.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace qtb {

// Top-left corners of the two frames.
struct Placement {
    QPoint owner; // where the first window stays or goes
    QPoint window;
};

// Where a window with a frame of outer size `frame` opens beside the frame `owner`, wholly inside
// `available` (the screen less its panels): to the owner's right, else its left, else below it,
// level with its top (or left) edge as far as the screen allows. Where none of these has room
// but the screen is wide enough for both side by side, the owner moves sideways as little as it
// takes. Nothing when the two do not fit.
std::optional<Placement> PlaceBeside(const QRect& owner, const QSize& frame,
                                     const QRect& available);

} // namespace qtb
