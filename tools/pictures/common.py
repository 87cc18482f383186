# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Paths, the icon palette and the one writer every picture goes through."""

import os

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), os.pardir, os.pardir))
RES = os.path.join(ROOT, "resources")
ICONS = os.path.join(ROOT, "packaging", "icons", "hicolor")

GSHHG = "/usr/share/gmt-gshhg/binned_GSHHS_l.nc"
BSC = "/usr/share/xplanet/stars/BSC"
FONT = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"

APP_ID = "io.github.wakusei.Wakusei"

# Earth colours, shared by the Earth picture and the little Earth in the
# zodiac picture.
LAND = (214, 172, 112)
SEA = (168, 178, 236)

# The 16 colours every Windows icon editor offers.
WIN16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)
CLEAR = -1  # transparent pixel in the icon grids


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    print("wrote", os.path.relpath(path, ROOT), len(data), "bytes")
