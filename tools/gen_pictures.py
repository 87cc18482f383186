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
"""

import io
import math
import os
import struct
import sys
from collections import defaultdict

import numpy as np
from PIL import Image, ImageChops, ImageDraw, ImageFont

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), os.pardir))
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


# ---------------------------------------------------------------- file formats

def ico_4bpp(grid):
    """One 32x32 16-colour icon: XOR bitmap plus 1-bit AND mask."""
    h = len(grid)
    w = len(grid[0])
    xor = bytearray()
    mask = bytearray()
    for row in reversed(grid):  # DIBs are stored bottom-up
        line = bytearray()
        for x in range(0, w, 2):
            a = max(row[x], 0)
            b = max(row[x + 1], 0)
            line.append((a << 4) | b)
        line += bytes(-len(line) % 4)
        xor += line
        bits = 0
        mline = bytearray()
        for x in range(w):
            bits = (bits << 1) | (1 if row[x] == CLEAR else 0)
            if x % 8 == 7:
                mline.append(bits)
                bits = 0
        mline += bytes(-len(mline) % 4)
        mask += mline
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in WIN16)
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    image = header + palette + bytes(xor) + bytes(mask)
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", w % 256, h % 256, 16, 0, 1, 4,
                        len(image), 6 + 16)
    return icondir + entry + image


def lzw_encode(data, min_size):
    """GIF flavour of LZW (variable code size, LSB first)."""
    clear = 1 << min_size
    eoi = clear + 1
    out = bytearray()
    acc = 0
    nbits = 0

    def emit(code, size):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8

    def fresh():
        return {bytes([i]): i for i in range(clear)}, min_size + 1, eoi + 1

    table, size, next_code = fresh()
    emit(clear, size)
    w = b""
    for c in data:
        wc = w + bytes([c])
        if wc in table:
            w = wc
            continue
        emit(table[w], size)
        if next_code == 4096:
            emit(clear, size)
            table, size, next_code = fresh()
        else:
            table[wc] = next_code
            next_code += 1
            if next_code > (1 << size) and size < 12:
                size += 1
        w = bytes([c])
    if w:
        emit(table[w], size)
    emit(eoi, size)
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


def gif(width, height, palette, pixels, transparent):
    """GIF89a with a full global colour table and one transparent index."""
    n = len(palette)
    bits = n.bit_length() - 1
    assert n == 1 << bits and 2 <= bits <= 8
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", width, height,
                       0x80 | ((bits - 1) << 4) | (bits - 1), transparent, 0)
    for c in palette:
        out += bytes(c)
    out += bytes((0x21, 0xF9, 4, 0x01, 0, 0, transparent, 0))
    out += struct.pack("<BHHHHB", 0x2C, 0, 0, width, height, 0)
    min_size = max(2, bits)
    out.append(min_size)
    data = lzw_encode(bytes(pixels), min_size)
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        out.append(len(chunk))
        out += chunk
    out += b"\x00\x3b"
    return bytes(out)


def png(im):
    buf = io.BytesIO()
    im.save(buf, "PNG", optimize=True)
    return buf.getvalue()


def jpeg(im):
    buf = io.BytesIO()
    # 4:4:4 keeps the thin coloured lines and letters crisp.
    im.save(buf, "JPEG", quality=92, subsampling=0)
    return buf.getvalue()


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


# ------------------------------------------------------------- small planets

def grid_from_rows(rows, key):
    return [[key[ch] for ch in row] for row in rows]


# Jupiter's cloud bands, top to bottom, one colour per row.
JUPITER_BANDS = [
    (246, 244, 240), (226, 222, 216), (236, 234, 230), (196, 192, 188),
    (255, 255, 255), (232, 222, 206), (252, 250, 246), (206, 202, 198),
    (244, 242, 238), (255, 255, 255), (222, 218, 212), (206, 202, 198),
]
JUPITER_SPOT = {(9, 7): (198, 92, 70), (10, 7): (214, 118, 96),
                (8, 7): (226, 168, 150), (9, 6): (232, 184, 168),
                (10, 6): (236, 196, 182), (9, 8): (230, 180, 164),
                (10, 8): (236, 200, 188), (11, 7): (234, 190, 176)}


def jupiter():
    w, h = 14, 12
    palette = [(0, 0, 0)]          # index 0 is the transparent one
    pixels = []
    for y in range(h):
        for x in range(w):
            u = (x + 0.5 - w / 2) / (w / 2)
            v = (y + 0.5 - h / 2) / (h / 2)
            rr = u * u + v * v
            if rr > 1.0:
                pixels.append(0)
                continue
            col = JUPITER_SPOT.get((x, y), JUPITER_BANDS[y])
            # Darken towards the edge so the disc looks like a ball.
            k = 1.0 - 0.22 * rr * rr
            col = tuple(int(round(c * k)) for c in col)
            if col not in palette:
                palette.append(col)
            pixels.append(palette.index(col))
    # The table is always the full 256 entries; the unused ones are black.
    palette += [(0, 0, 0)] * (256 - len(palette))
    return gif(w, h, palette, pixels, 0)


SATURN_ROWS = [
    ".....abbc.....",
    "....abbbbc....",
    "...abbbbbbc...",
    "..pkbbbbbbkp..",
    "pwwwwwwwwwwwwp",
    "pdwwwwwwwwwwdp",
    "..pdkkkkkkdp..",
    ".....cbbc.....",
]
SATURN_KEY = {
    ".": 0, "a": 1, "b": 2, "c": 3, "p": 4, "w": 5, "d": 6, "k": 7,
}
SATURN_COLOURS = [
    (0, 0, 0),          # transparent
    (255, 252, 240),    # highlight on the globe
    (240, 228, 200),    # pale cream globe
    (204, 192, 172),    # globe's shaded edge
    (238, 198, 198),    # pale pink ring tips
    (255, 255, 255),    # bright ring
    (160, 156, 152),    # ring's grey underside
    (92, 56, 34),       # dark brown shadow of the ring
]


def saturn():
    grid = grid_from_rows(SATURN_ROWS, SATURN_KEY)
    palette = list(SATURN_COLOURS)
    while len(palette) < 16:
        palette.append((0, 0, 0))
    pixels = [v for row in grid for v in row]
    return gif(14, 8, palette, pixels, 0)


# --------------------------------------------------------------- the Earth

def read_coastlines(path=GSHHG):
    """Closed shore polygons from GMT's binned GSHHG file.

    Returns a list of (level, lon[], lat[]) with level 1 = land, 2 = lake,
    3 = island in a lake, 4 = pond.  The file cuts each polygon into pieces,
    one per 10-degree bin; the pieces of one polygon join end to start.
    """
    import netCDF4
    ds = netCDF4.Dataset(path)
    ds.set_auto_mask(False)

    def var(name):
        return np.asarray(ds.variables[name][:])

    unit = 65535
    nx = int(var("N_bins_in_360_longitude_range")[0])
    ny = int(var("N_bins_in_180_degree_latitude_range")[0])
    bin_deg = int(var("Bin_size_in_minutes")[0]) / 60.0
    first_seg = var("Id_of_first_segment_in_a_bin")
    nseg = var("N_segments_in_a_bin")
    info = var("Embedded_npts_levels_exit_entry_for_a_segment")
    first_pt = var("Id_of_first_point_in_a_segment")
    poly_id = var("Id_of_GSHHS_ID")
    antarctic = var("Embedded_ANT_flag")
    dx = var("Relative_longitude_from_SW_corner_of_bin").astype(np.int64) & 0xFFFF
    dy = var("Relative_latitude_from_SW_corner_of_bin").astype(np.int64) & 0xFFFF
    ds.close()

    pieces = defaultdict(list)
    for b in range(len(first_seg)):
        row, col = divmod(b, nx)
        x0 = col * unit
        y0 = (ny - 1 - row) * unit
        for s in range(first_seg[b], first_seg[b] + nseg[b]):
            level = (info[s] >> 6) & 7
            # Levels 5 and 6 are the two versions of Antarctica's edge.
            if level > 4 or antarctic[s]:
                continue
            n = info[s] >> 9
            p = first_pt[s]
            xs = (x0 + dx[p:p + n]) % (nx * unit)
            ys = y0 + dy[p:p + n]
            closed = ((info[s] >> 3) & 7) == 4
            pieces[int(poly_id[s])].append(
                (level, closed, list(zip(xs.tolist(), ys.tolist()))))

    polygons = []
    for pid in sorted(pieces):
        items = pieces[pid]
        level = items[0][0]
        rings = [pts for _, closed, pts in items if closed]
        open_pieces = [pts for _, closed, pts in items if not closed]
        by_start = defaultdict(list)
        for i, pts in enumerate(open_pieces):
            by_start[pts[0]].append(i)
        used = set()
        for i in range(len(open_pieces)):
            if i in used:
                continue
            used.add(i)
            ring = list(open_pieces[i])
            while True:
                nxt = [j for j in by_start.get(ring[-1], []) if j not in used]
                if not nxt:
                    break
                used.add(nxt[0])
                ring += open_pieces[nxt[0]][1:]
            rings.append(ring)
        for ring in rings:
            a = np.array(ring, dtype=np.float64) * (bin_deg / unit)
            polygons.append((level, a[:, 0], a[:, 1] - 90.0))
    return polygons


def polar_xy(lon, lat, cx, cy, radius):
    """North polar azimuthal equidistant: pole in the middle, equator on the
    rim; longitude 0 points down and east runs anticlockwise, as the Earth
    looks from above the North Pole."""
    r = radius * (90.0 - np.asarray(lat)) / 90.0
    lam = np.radians(lon)
    return cx + r * np.sin(lam), cy + r * np.cos(lam)


def earth_disc(size, ss=3, coast=None):
    """The northern hemisphere as an RGBA disc `size` pixels across."""
    if coast is None:
        coast = read_coastlines()
    big = size * ss
    c = big / 2.0
    radius = big / 2.0
    mask = Image.new("L", (big, big), 0)
    d = ImageDraw.Draw(mask)
    for level in (1, 2, 3, 4):
        fill = 255 if level % 2 else 0
        for lv, lon, lat in coast:
            if lv != level or lat.max() < -1.0:
                continue
            x, y = polar_xy(lon, lat, c, c, radius)
            # Hundreds of tiny lakes would only dot the land with noise at
            # this size; keep the lakes of at least a few pixels.
            area = 0.5 * abs(np.dot(x, np.roll(y, 1)) - np.dot(y, np.roll(x, 1)))
            if level > 1 and area < 16 * ss * ss:
                continue
            d.polygon(list(zip(x.tolist(), y.tolist())), fill=fill)
    mask = mask.resize((size, size), Image.LANCZOS)
    m = np.asarray(mask, dtype=np.float64)[..., None] / 255.0
    rgb = np.array(SEA, dtype=np.float64) * (1 - m) + np.array(LAND) * m
    # A soft darker band towards the equator makes the disc look round.
    yy, xx = np.mgrid[0:size, 0:size]
    rr = np.hypot(xx + 0.5 - size / 2.0, yy + 0.5 - size / 2.0) / (size / 2.0)
    t = np.clip((rr - 0.80) / 0.20, 0.0, 1.0)
    shade = 1.0 - 0.30 * t * t
    rgb = rgb * shade[..., None]
    alpha = np.clip((size / 2.0 - rr * size / 2.0) + 0.5, 0.0, 1.0) * 255
    out = np.dstack([np.clip(rgb + 0.5, 0, 255), alpha]).astype(np.uint8)
    return Image.fromarray(out, "RGBA")


def earth_picture(coast):
    size = 602
    bg = Image.new("RGBA", (size, size), (64, 64, 64, 255))
    bg.alpha_composite(earth_disc(size, coast=coast))
    im = bg.convert("RGB")
    d = ImageDraw.Draw(im)
    c = size / 2.0
    radius = size / 2.0
    grey = (120, 120, 130)
    for lat in (75, 45, 30):
        r = radius * (90 - lat) / 90.0
        d.ellipse((c - r, c - r, c + r, c + r), outline=grey, width=1)
    font = ImageFont.truetype(FONT, 13)
    # Latitude labels sit on the Pacific side of the 180th meridian, over sea.
    for lat in (75, 45, 30):
        x, y = polar_xy(-172.0, lat, c, c, radius)
        d.text((float(x) - 3, float(y) - 2), "%d°" % lat, font=font,
               fill=grey, anchor="rb")
    jfont = ImageFont.truetype(FONT, 14)
    x, y = polar_xy(18.0, 35.0, c, c, radius)
    d.text((float(x), float(y)), "地中海", font=jfont, fill=(96, 96, 104),
           anchor="mm")
    return im


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
