#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Draws the pictures and icons of 惑星の動き.

Run from the repository root with Debian's Python:

    /usr/bin/python3 tools/gen_pictures.py

Debian packages needed:
    python3-pil python3-numpy python3-netcdf4   (drawing, reading the coastlines)
    gmt-gshhg-low          coastlines: /usr/share/gmt-gshhg/binned_GSHHS_l.nc
    xplanet                stars: /usr/share/xplanet/stars/BSC (Yale Bright Star Catalogue)
    fonts-ipafont-gothic   Japanese labels: /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf

Every run writes the same bytes: nothing here depends on the clock or on
random numbers.  The ICO and GIF files are written byte by byte because the
program wants old-style 16/256-colour files, which Pillow does not write.

The drawing itself is in tools/pictures/: one module per picture or family
of pictures, and the file formats; this script only says what goes where.
"""

import os
import sys

from pictures.app_icons import SITE, app_icons, icon_png, icon_svg
from pictures.common import APP_ID, ICONS, RES, write
from pictures.earth import earth_disc, earth_picture, read_coastlines
from pictures.formats import ico_4bpp, jpeg, png
from pictures.icons import main_icon_grid, tendo_icon_grid
from pictures.planets import jupiter, saturn
from pictures.zodiac import zodiac_picture

# ------------------------------------------------------------------- main

def write_icons():
    for n in (16, 22, 24, 32, 48, 64, 128, 256):
        write(os.path.join(ICONS, "%dx%d" % (n, n), "apps", APP_ID + ".png"),
              png(icon_png(n)))
    write(os.path.join(ICONS, "scalable", "apps", APP_ID + ".svg"), icon_svg())
    for name, im in app_icons().items():
        write(os.path.join(SITE, name), png(im))


def main():
    # --icons: only the install and web app icons, which need no map or star data.
    if sys.argv[1:] == ["--icons"]:
        write_icons()
        return 0
    write(os.path.join(RES, "frmWE.ico"), ico_4bpp(main_icon_grid()))
    write(os.path.join(RES, "frmTendo.ico"), ico_4bpp(tendo_icon_grid()))
    write(os.path.join(RES, "jupiter.gif"), jupiter())
    write(os.path.join(RES, "saturn.gif"), saturn())
    coast = read_coastlines()
    write(os.path.join(RES, "earth.jpg"), jpeg(earth_picture(coast)))
    write(os.path.join(RES, "zodiac.jpg"),
          jpeg(zodiac_picture(earth_disc(64, ss=6, coast=coast))))
    write_icons()
    return 0


if __name__ == "__main__":
    sys.exit(main())
