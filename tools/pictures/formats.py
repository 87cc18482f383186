# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The old-style file formats, written byte by byte, and the PNG and JPEG savers."""

import io
import struct

from .common import CLEAR, WIN16

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
