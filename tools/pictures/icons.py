# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The two window icons: one set of numbers on a 32 x 32 grid, drawn pixel by pixel."""

import math

from .common import AQUA, BLACK, BLUE, CLEAR, LIME, RED, WHITE, YELLOW

# ------------------------------------------------------------ icon geometry
# Both window icons and the install icons are drawn from this one set of
# numbers, on a 32 x 32 grid (pixel i covers [i, i+1]).

SUN = (16.0, 16.0)
SUN_R = 4.0            # outer edge of the white rim
ORBITS = (7.5, 11.5)   # the two planets' circular orbits
PLANET_ANGLES = (45.0, 225.0)   # degrees, anticlockwise from the right
# The comet: a long narrow ellipse whose near end curls round the Sun's
# left side and whose far end reaches the upper-right corner.
COMET_NEAR = (10.8, 17.4)
COMET_FAR = (29.6, 2.4)
COMET_B = 4.6


def comet_params():
    (x1, y1), (x2, y2) = COMET_NEAR, COMET_FAR
    cx, cy = (x1 + x2) / 2, (y1 + y2) / 2
    a = math.hypot(x2 - x1, y2 - y1) / 2
    ang = math.atan2(y2 - y1, x2 - x1)
    return cx, cy, a, COMET_B, ang


def comet_point(t):
    cx, cy, a, b, ang = comet_params()
    u, v = a * math.cos(t), b * math.sin(t)
    return (cx + u * math.cos(ang) - v * math.sin(ang),
            cy + u * math.sin(ang) + v * math.cos(ang))


# ------------------------------------------------------------ pixel icons

def new_grid(n=32):
    return [[CLEAR] * n for _ in range(n)]


def curve_pixels(point, steps=2000):
    """Pixels of a closed curve, one pixel wide, without doubled corners."""
    path = []
    for i in range(steps):
        x, y = point(2 * math.pi * i / steps)
        p = (math.floor(x), math.floor(y))
        if not path or path[-1] != p:
            path.append(p)
    while len(path) > 1 and path[-1] == path[0]:
        path.pop()
    # Drop the inner pixel of every L-shaped step so the line stays thin.
    changed = True
    while changed and len(path) > 8:
        changed = False
        n = len(path)
        for i, p in enumerate(path):
            a = path[i - 1]
            b = path[(i + 1) % n]
            if (abs(a[0] - b[0]) == 1 and abs(a[1] - b[1]) == 1
                    and (a[0] == p[0] or a[1] == p[1])
                    and (b[0] == p[0] or b[1] == p[1])):
                del path[i]
                changed = True
                break
    return path


def plot(grid, pixels, colour):
    n = len(grid)
    for x, y in pixels:
        if 0 <= x < n and 0 <= y < n:
            grid[y][x] = colour


def disc(grid, cx, cy, r, colour):
    for y in range(len(grid)):
        for x in range(len(grid)):
            if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                grid[y][x] = colour


def circle_pixels(cx, cy, r):
    """A one-pixel circle, built from one octant so it is exactly symmetric
    about the icon's centre lines and diagonals."""
    pts = set()
    dx = 0.5
    while True:
        dy = math.sqrt(max(r * r - dx * dx, 0.0))
        dy = math.floor(dy) + 0.5   # middle of the pixel the curve runs through
        if dy < dx:
            break
        for sx in (-1, 1):
            for sy in (-1, 1):
                for ax, ay in ((dx, dy), (dy, dx)):
                    pts.add((math.floor(cx + sx * ax), math.floor(cy + sy * ay)))
        dx += 1.0
    return sorted(pts)


def main_icon_grid():
    g = new_grid()
    for r in ORBITS:
        plot(g, circle_pixels(SUN[0], SUN[1], r), AQUA)
    plot(g, curve_pixels(comet_point), RED)
    disc(g, SUN[0], SUN[1], SUN_R, WHITE)
    disc(g, SUN[0], SUN[1], SUN_R - 1.0, YELLOW)
    for deg in PLANET_ANGLES:
        a = math.radians(deg)
        px = SUN[0] + ORBITS[0] * math.cos(a)
        py = SUN[1] - ORBITS[0] * math.sin(a)
        # Cover the orbit's pixel and the one outside it, so the dot sits
        # on the line rather than inside it.
        x0 = math.floor(px) - (1 if math.cos(a) < 0 else 0)
        y0 = math.floor(py) - (1 if math.sin(a) > 0 else 0)
        plot(g, [(x0, y0), (x0 + 1, y0), (x0, y0 + 1), (x0 + 1, y0 + 1)], BLACK)
    return g


TENDO_RING = 14.0
# Dots on the big circle, by angle (degrees, anticlockwise from the right).
TENDO_DOTS = ((90, LIME), (-45, LIME), (45, YELLOW), (135, RED),
              (0, AQUA), (-90, AQUA))
TENDO_PLUS = 180


def tendo_icon_grid():
    g = new_grid()
    plot(g, circle_pixels(16.0, 16.0, TENDO_RING), BLUE)
    disc(g, 16.0, 16.0, 4.0, AQUA)
    disc(g, 16.0, 16.0, 3.0, LIME)
    for deg, colour in TENDO_DOTS:
        a = math.radians(deg)
        px = 16.0 + TENDO_RING * math.cos(a)
        py = 16.0 - TENDO_RING * math.sin(a)
        x0, y0 = round(px) - 1, round(py) - 1
        plot(g, [(x0, y0), (x0 + 1, y0), (x0, y0 + 1), (x0 + 1, y0 + 1)], colour)
    a = math.radians(TENDO_PLUS)
    cx = math.floor(16.0 + TENDO_RING * math.cos(a))
    cy = math.floor(16.0 - TENDO_RING * math.sin(a))
    plot(g, [(cx, cy), (cx - 1, cy), (cx + 1, cy), (cx, cy - 1), (cx, cy + 1)],
         YELLOW)
    return g
