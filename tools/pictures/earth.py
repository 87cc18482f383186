# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The Earth seen from above the North Pole, from the GSHHG coastlines."""

from collections import defaultdict

import numpy as np
from PIL import Image, ImageDraw, ImageFont

from .common import FONT, GSHHG, LAND, SEA

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
