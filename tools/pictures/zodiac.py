# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The twelve zodiac constellations round the Earth, from the Bright Star Catalogue."""

import math

from PIL import Image, ImageDraw, ImageFont

from .common import BSC, FONT

# ------------------------------------------------------------- the zodiac

ZODIAC = [  # IAU abbreviation, name in hiragana
    ("Ari", "おひつじ座"), ("Tau", "おうし座"), ("Gem", "ふたご座"),
    ("Cnc", "かに座"), ("Leo", "しし座"), ("Vir", "おとめ座"),
    ("Lib", "てんびん座"), ("Sco", "さそり座"), ("Sgr", "いて座"),
    ("Cap", "やぎ座"), ("Aqr", "みずがめ座"), ("Psc", "うお座"),
]
OBLIQUITY = math.radians(23.4392911)   # J2000
MAG_LIMIT = 5.0


def read_zodiac_stars(path=BSC):
    """Stars of the zodiac constellations as (lon, lat, mag) in ecliptic
    degrees, chosen by the constellation part of the catalogue name."""
    wanted = {abbr: [] for abbr, _ in ZODIAC}
    with open(path, encoding="latin-1") as f:
        for line in f:
            if line.startswith("#") or '"' not in line:
                continue
            head, name, _ = line.split('"', 2)
            dec, ra, mag = (float(v) for v in head.split())
            abbr = name[-3:]
            if abbr not in wanted or mag > MAG_LIMIT:
                continue
            a = math.radians(ra * 15.0)
            dl = math.radians(dec)
            e = OBLIQUITY
            lat = math.asin(math.sin(dl) * math.cos(e)
                            - math.cos(dl) * math.sin(e) * math.sin(a))
            lon = math.atan2(math.sin(a) * math.cos(e) + math.tan(dl) * math.sin(e),
                             math.cos(a))
            wanted[abbr].append((math.degrees(lon) % 360.0, math.degrees(lat), mag))
    return wanted


def mean_longitude(stars):
    s = sum(math.sin(math.radians(l)) for l, _, _ in stars)
    c = sum(math.cos(math.radians(l)) for l, _, _ in stars)
    return math.degrees(math.atan2(s, c)) % 360.0


ZODIAC_W, ZODIAC_H = 709, 627
RING = 218.0          # radius of the ecliptic in the picture
LAT_SCALE = 2.9       # pixels per degree of ecliptic latitude


def sky_xy(lon, lat, cx, cy):
    """Longitude is the angle (0 at the right, anticlockwise); north of the
    ecliptic is outwards.  Read with the letters upright, each constellation
    then shows north up and east to the left, as we see it from the Earth."""
    r = RING + LAT_SCALE * lat
    a = math.radians(lon)
    return cx + r * math.cos(a), cy - r * math.sin(a)


def zodiac_picture(earth_small):
    ss = 4
    w, h = ZODIAC_W * ss, ZODIAC_H * ss
    cx, cy = w / 2.0, h / 2.0
    im = Image.new("RGB", (w, h), (32, 32, 32))
    d = ImageDraw.Draw(im)
    stars = read_zodiac_stars()
    for abbr, _ in ZODIAC:
        # Faint stars first so that bright ones are drawn on top.
        for lon, lat, mag in sorted(stars[abbr], key=lambda s: -s[2]):
            x, y = sky_xy(lon, lat, cx / ss, cy / ss)
            r = max(0.9, 3.6 - 0.55 * mag) * ss
            v = int(round(min(255, max(150, 255 - 24 * (mag - 1.5)))))
            d.ellipse((x * ss - r, y * ss - r, x * ss + r, y * ss + r),
                      fill=(v, v, v))
    im = im.resize((ZODIAC_W, ZODIAC_H), Image.LANCZOS)

    cx, cy = ZODIAC_W / 2.0, ZODIAC_H / 2.0
    # Names, tops outwards, just outside each constellation's stars.
    font = ImageFont.truetype(FONT, 19)
    violet = (200, 176, 255)
    labels = []
    for abbr, name in ZODIAC:
        lon0 = mean_longitude(stars[abbr])
        widths = [font.getlength(ch) for ch in name]
        reach = max(RING + LAT_SCALE * lat for lon, lat, _ in stars[abbr]
                    if abs((lon - lon0 + 180) % 360 - 180) < 20)
        r = max(RING + LAT_SCALE * 6, reach + 6) + 12
        # Keep the lettering inside the picture.
        s = abs(math.sin(math.radians(lon0)))
        c = abs(math.cos(math.radians(lon0)))
        r = min(r, (ZODIAC_H / 2 - 13) / max(s, 1e-6),
                (ZODIAC_W / 2 - 13) / max(c, 1e-6))
        labels.append([lon0, r, widths, name])
    # Neighbouring names must not run into each other: nudge them apart.
    for _ in range(200):
        moved = False
        for i in range(len(labels)):
            a, b = labels[i], labels[(i + 1) % len(labels)]
            half_a = math.degrees(sum(a[2]) / a[1]) / 2
            half_b = math.degrees(sum(b[2]) / b[1]) / 2
            gap = (b[0] - a[0]) % 360 - half_a - half_b - 3.0
            if gap < 0:
                a[0] += gap / 2
                b[0] -= gap / 2
                moved = True
        if not moved:
            break
    for lon0, r, widths, name in labels:
        ang = math.radians(lon0) + sum(widths) / r / 2  # reading runs clockwise
        for ch, cw in zip(name, widths):
            mid = ang - cw / r / 2
            glyph = Image.new("L", (48, 48), 0)
            ImageDraw.Draw(glyph).text((24, 24), ch, font=font, fill=255,
                                       anchor="mm")
            glyph = glyph.rotate(math.degrees(mid) - 90, resample=Image.BICUBIC)
            gx = cx + r * math.cos(mid) - 24
            gy = cy - r * math.sin(mid) - 24
            im.paste(Image.new("RGB", glyph.size, violet),
                     (int(round(gx)), int(round(gy))), glyph)
            ang -= cw / r
    # The Earth in the middle.
    e = earth_small
    im.paste(e.convert("RGB"), (int(cx - e.width / 2), int(cy - e.height / 2)), e)
    return im
