# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The install icons (PNG at each size, SVG) and the installable site's icons."""

import math
import os

from PIL import Image, ImageChops, ImageDraw

from .common import RES
from .icons import ORBITS, PLANET_ANGLES, SUN, SUN_R, comet_params, comet_point

# ---------------------------------------------------------- install icons

def icon_png(n, planet=(20, 20, 30, 255)):
    """The main window icon, smooth and in full colour, n pixels square."""
    ss = 8
    big = n * ss
    k = big / 32.0
    im = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    d = ImageDraw.Draw(im)
    line = max(1.15 * 32.0 / n, 1.0) * k   # at least about one output pixel
    cyan = (0, 200, 230, 255)
    for r in ORBITS:
        x0, y0 = SUN[0] - r, SUN[1] - r
        d.ellipse((x0 * k, y0 * k, (SUN[0] + r) * k, (SUN[1] + r) * k),
                  outline=cyan, width=int(round(line)))
    # The comet's orbit as a band of even width: the ellipse pushed out and
    # in by half the line width along its normals.
    n_pts = 720
    pts = [comet_point(2 * math.pi * i / n_pts) for i in range(n_pts)]
    outer, inner = [], []
    for i in range(n_pts):
        (x0, y0), (x1, y1) = pts[i - 1], pts[(i + 1) % n_pts]
        tx, ty = x1 - x0, y1 - y0
        tl = math.hypot(tx, ty)
        nx, ny = ty / tl, -tx / tl
        x, y = pts[i]
        h = line / k / 2
        outer.append(((x + nx * h) * k, (y + ny * h) * k))
        inner.append(((x - nx * h) * k, (y - ny * h) * k))
    band_a = Image.new("L", (big, big), 0)
    ImageDraw.Draw(band_a).polygon(outer, fill=255)
    band_b = Image.new("L", (big, big), 0)
    ImageDraw.Draw(band_b).polygon(inner, fill=255)
    im.paste((230, 30, 30, 255), (0, 0), ImageChops.difference(band_a, band_b))
    rs = SUN_R * k
    d.ellipse((SUN[0] * k - rs, SUN[1] * k - rs, SUN[0] * k + rs, SUN[1] * k + rs),
              fill=(255, 255, 255, 255))
    # The Sun's face: yellow, a touch deeper towards its edge.
    ri = rs - max(line, 0.9 * k)
    steps = 24
    for i in range(steps):
        r = ri * (1 - i / steps)
        t = i / (steps - 1)
        col = (255, int(200 + 50 * t), int(20 + 60 * t * t), 255)
        d.ellipse((SUN[0] * k - r, SUN[1] * k - r, SUN[0] * k + r, SUN[1] * k + r),
                  fill=col)
    pr = max(1.1, 1.1 * 32.0 / n * 0.8) * k
    for deg in PLANET_ANGLES:
        a = math.radians(deg)
        px = (SUN[0] + ORBITS[0] * math.cos(a)) * k
        py = (SUN[1] - ORBITS[0] * math.sin(a)) * k
        d.ellipse((px - pr, py - pr, px + pr, py + pr), fill=planet)
    return im.resize((n, n), Image.LANCZOS)


def icon_svg():
    cx, cy, a, b, ang = comet_params()
    planets = []
    for deg in PLANET_ANGLES:
        t = math.radians(deg)
        planets.append((SUN[0] + ORBITS[0] * math.cos(t),
                        SUN[1] - ORBITS[0] * math.sin(t)))
    f = lambda v: ("%.2f" % v).rstrip("0").rstrip(".")
    lines = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<!-- 惑星の動き: the Sun, two planets on round orbits and a comet'
        ' on a long narrow one. -->',
        '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256"'
        ' viewBox="0 0 32 32">',
        '  <defs>',
        '    <radialGradient id="sun" cx="50%" cy="50%" r="50%">',
        '      <stop offset="0" stop-color="#ffff50"/>',
        '      <stop offset="1" stop-color="#ffc814"/>',
        '    </radialGradient>',
        '  </defs>',
        '  <g fill="none" stroke="#00c8e6" stroke-width="1">',
    ]
    for r in ORBITS:
        lines.append('    <circle cx="%s" cy="%s" r="%s"/>' % (f(SUN[0]), f(SUN[1]), f(r)))
    lines += [
        '  </g>',
        '  <ellipse cx="%s" cy="%s" rx="%s" ry="%s" transform="rotate(%s %s %s)"'
        ' fill="none" stroke="#e61e1e" stroke-width="1"/>'
        % (f(cx), f(cy), f(a), f(b), f(math.degrees(ang)), f(cx), f(cy)),
        '  <circle cx="%s" cy="%s" r="%s" fill="#ffffff"/>' % (f(SUN[0]), f(SUN[1]), f(SUN_R)),
        '  <circle cx="%s" cy="%s" r="%s" fill="url(#sun)"/>' % (f(SUN[0]), f(SUN[1]), f(SUN_R - 1)),
    ]
    for x, y in planets:
        lines.append('  <circle cx="%s" cy="%s" r="1.1" fill="#14141e"/>' % (f(x), f(y)))
    lines.append('</svg>')
    return ("\n".join(lines) + "\n").encode("utf-8")


# ------------------------------------------------------------ web app icons
# The installable site's icons: the main window icon on the main window's own
# background, the night sky, where its dark planets would vanish, so they are
# drawn in the pale blue of the program's Earth.

SKY = (32, 32, 32)
LIGHT_PLANET = (128, 128, 255, 255)
SITE = os.path.join(RES, "site")


def app_icon_png(n, art, corner):
    """The icon drawn `art` of the width, on the sky, n pixels square.

    corner is the radius of the rounded corners as a fraction of n (0 for a
    square that the device masks itself)."""
    ss = 4
    big = n * ss
    mask = Image.new("L", (big, big), 0)
    ImageDraw.Draw(mask).rounded_rectangle((0, 0, big - 1, big - 1),
                                           radius=corner * big, fill=255)
    im = Image.new("RGBA", (n, n), (0, 0, 0, 0))
    im.paste(SKY + (255,), (0, 0), mask.resize((n, n), Image.LANCZOS))
    size = int(round(n * art))
    drawing = icon_png(size, planet=LIGHT_PLANET)
    at = (n - size) // 2
    im.alpha_composite(drawing, (at, at))
    return im


def app_icons():
    """name -> picture, as the site's manifest and page name them."""
    # The comet's far end is the drawing's farthest point from its middle, 0.6
    # of the drawing's width away. A maskable icon may be cut down to the circle
    # of 80 % of the icon, so there the drawing is 0.64 of the icon, not more.
    return {
        "icon-192.png": app_icon_png(192, 0.84, 0.2),
        "icon-512.png": app_icon_png(512, 0.84, 0.2),
        "icon-maskable-512.png": app_icon_png(512, 0.64, 0),
        # iOS rounds the corners itself and fills anything clear with black.
        "apple-touch-icon.png": app_icon_png(180, 0.8, 0),
    }
