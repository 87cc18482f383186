# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Jupiter and Saturn, the two small planet pictures."""

from .formats import gif

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
