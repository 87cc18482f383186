#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Makes the small web fonts of 惑星の動き for the browser build.

The browser build carries its fonts inside the one HTML file, so that every
device shows the same letters.  Only the letters the program shows are kept.

Run from the repository root with Debian's Python:

    /usr/bin/python3 tools/gen_fonts.py [--out DIR]

Debian packages needed:
    python3-fonttools python3-brotli   (subsetting, WOFF2 compression)
    fonts-noto-cjk           /usr/share/fonts/opentype/noto/NotoSansCJK-{Regular,Bold}.ttc
    fonts-motoya-l-maruberi  /usr/share/fonts/truetype/motoya-l-maruberi/MTLmr3m.ttf

Letters kept: those of every string literal in resources/texts.h, printable
ASCII, and whatever web/*.html, web/*.js and web/js/*.js hold.  The bold face
only has to draw the distance figures, the rounded face only the near-miss
messages.

Every run writes the same bytes: the letters are sorted and the head table
keeps the source font's own dates instead of today's.
"""

import argparse
import glob
import os
import string
import sys
import unicodedata

from fontTools import subset
from fontTools.ttLib import TTCollection, TTFont

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), os.pardir))
TEXTS = os.path.join(ROOT, "resources", "texts.h")
WEB = os.path.join(ROOT, "web")
OUT = os.path.join(ROOT, "resources", "fonts")

NOTO_REGULAR = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc"
NOTO_BOLD = "/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc"
NOTO_FAMILY = "Noto Sans CJK JP"
MOTOYA = "/usr/share/fonts/truetype/motoya-l-maruberi/MTLmr3m.ttf"

ASCII = "".join(chr(c) for c in range(0x20, 0x7F))
DIGITS_AND_PUNCTUATION = " " + string.digits + string.punctuation


# --- reading the texts -------------------------------------------------------


def _unescape(body, where):
    """The characters a C++ string literal body stands for (UTF-8 source)."""
    out = []
    i = 0
    simple = {"n": "\n", "t": "\t", "r": "\r", "a": "\a", "b": "\b", "f": "\f",
              "v": "\v", "\\": "\\", "'": "'", '"': '"', "?": "?"}
    raw = bytearray()  # \x and octal escapes are bytes of the UTF-8 text

    def flush():
        if raw:
            out.append(raw.decode("utf-8"))
            raw.clear()

    while i < len(body):
        c = body[i]
        if c != "\\":
            flush()
            out.append(c)
            i += 1
            continue
        e = body[i + 1]
        if e in simple:
            flush()
            out.append(simple[e])
            i += 2
        elif e == "x":
            j = i + 2
            while j < len(body) and body[j] in string.hexdigits:
                j += 1
            raw.append(int(body[i + 2:j], 16) & 0xFF)
            i = j
        elif e in "01234567":
            j = i + 1
            while j < len(body) and j < i + 4 and body[j] in "01234567":
                j += 1
            raw.append(int(body[i + 1:j], 8) & 0xFF)
            i = j
        elif e in "uU":
            n = 4 if e == "u" else 8
            flush()
            out.append(chr(int(body[i + 2:i + 2 + n], 16)))
            i += 2 + n
        else:
            sys.exit(f"{where}: unknown escape \\{e}")
    flush()
    return "".join(out)


def read_literals(path):
    """(name, text) for every string literal in a C++ header.

    The name is that of the variable the literal is assigned to; adjacent
    literals are joined as the compiler joins them.
    """
    with open(path, encoding="utf-8") as f:
        src = f.read()
    where = os.path.relpath(path, ROOT)
    literals = []
    name = ""           # last identifier seen before an '='
    last_ident = ""
    joined = None       # literal being built from adjacent pieces
    i = 0
    while i < len(src):
        c = src[i]
        if src.startswith("//", i):
            i = src.find("\n", i)
            i = len(src) if i < 0 else i
        elif src.startswith("/*", i):
            i = src.index("*/", i + 2) + 2
        elif c == "'":
            # a character literal: skip it, escapes included
            j = i + 1
            while src[j] != "'":
                j += 2 if src[j] == "\\" else 1
            i = j + 1
        elif c == '"' or (c == "R" and src.startswith('R"', i)):
            if c == "R":
                close = src.index("(", i)
                delim = ")" + src[i + 2:close] + '"'
                end = src.index(delim, close)
                text = src[close + 1:end]
                i = end + len(delim)
            else:
                j = i + 1
                while src[j] != '"':
                    if src[j] == "\n":
                        sys.exit(f"{where}: unterminated string literal")
                    j += 2 if src[j] == "\\" else 1
                text = _unescape(src[i + 1:j], where)
                i = j + 1
            joined = text if joined is None else joined + text
        elif c.isalpha() or c == "_":
            j = i
            while j < len(src) and (src[j].isalnum() or src[j] == "_"):
                j += 1
            word = src[i:j]
            # an encoding prefix glued to a literal (u8"..", u8R"..") is no name
            if src.startswith('"', j) and word in ("u8", "u", "U", "L"):
                pass
            elif src.startswith('R"', j - 1) and word in ("u8R", "uR", "UR", "LR", "R"):
                j -= 1
            else:
                last_ident = word
            i = j
        else:
            if c == "=" and not src.startswith("==", i):
                name = last_ident
            if not c.isspace() and joined is not None:
                literals.append((name, joined))
                joined = None
            i += 1
    if joined is not None:
        literals.append((name, joined))
    return literals


def web_text():
    """Everything in the browser build's own page and scripts, if it has any."""
    found = {}
    for pattern in ("*.html", "*.js", "js/*.js"):
        for path in sorted(glob.glob(os.path.join(WEB, pattern))):
            with open(path, encoding="utf-8") as f:
                found[os.path.relpath(path, ROOT)] = f.read()
    return found


def drawable(text):
    """The characters of text that need a glyph (no control or format marks)."""
    return {c for c in text if unicodedata.category(c) not in ("Cc", "Cf", "Cs")}


# --- making the fonts --------------------------------------------------------


def open_face(path, family):
    """The face of a font collection whose family name is family."""
    coll = TTCollection(path, lazy=True)
    for number, face in enumerate(coll.fonts):
        names = face["name"]
        fam = names.getDebugName(16) or names.getDebugName(1)
        if fam == family:
            return TTFont(path, fontNumber=number, recalcTimestamp=False, lazy=False)
    sys.exit(f"{path}: no face of the family {family!r}")


def options():
    o = subset.Options()
    o.flavor = "woff2"
    # No layout features: the texts run left to right, in horizontal lines, in
    # Japanese only, and the old layout fonts have no kerning either.  Without
    # features GSUB and GPOS are empty, and vertical metrics are never used.
    o.layout_features = []
    o.drop_tables += ["GSUB", "GPOS", "vhea", "vmtx", "VORG", "mort", "morx"]
    # The letters are drawn at 10 to 16 pixels, where the hints still help;
    # with them all three files together stay near 33 KB.
    o.hinting = True
    # Flat charstrings compress better under WOFF2 than shared subroutines.
    o.desubroutinize = True
    # Keep the copyright and licence notices inside the font.
    o.name_IDs = [0, 1, 2, 3, 4, 5, 6, 13, 14]
    o.name_languages = [0x0409]
    o.notdef_outline = True
    o.glyph_names = False
    o.recalc_timestamp = False
    return o


def make(font, chars, out):
    """Writes the subset of font that draws chars (character -> where it was found)."""
    cmap = font.getBestCmap()
    missing = sorted(c for c in chars if ord(c) not in cmap)
    if missing:
        listed = ", ".join(f"U+{ord(c):04X} {c!r} ({chars[c]})" for c in missing)
        sys.exit(f"{os.path.basename(out)}: the source font has no glyph for {listed}")
    unicodes = sorted(ord(c) for c in chars)
    # Variant forms chosen by variation selectors are never asked for; without
    # this their glyphs would come along with every kept kanji.
    font["cmap"].tables = [t for t in font["cmap"].tables if t.format != 14]
    opts = options()
    sub = subset.Subsetter(opts)
    sub.populate(unicodes=unicodes)
    sub.subset(font)
    # The fonts were opened with recalcTimestamp=False, so head keeps the
    # source font's dates and a re-run gives the same bytes.
    subset.save_font(font, out, opts)
    return len(unicodes)


def wanted():
    """The characters each face has to draw, by output file name.

    Each character maps to the file it was first found in, for error messages.
    """
    texts = os.path.relpath(TEXTS, ROOT)
    literals = read_literals(TEXTS)
    if not literals:
        sys.exit(f"{texts}: no string literals found")
    misses = [t for n, t in literals if n.startswith("kMiss")]
    if not misses:
        sys.exit(f"{texts}: no near-miss messages (kMiss...) found")

    def chars(*sources):
        found = {}
        for origin, text in sources:
            for c in sorted(drawable(text)):
                found.setdefault(c, origin)
        return found

    ascii_ = ("printable ASCII", ASCII)
    return {
        "gothic.woff2": chars((texts, "".join(t for _, t in literals)), ascii_,
                              *web_text().items()),
        "gothic-bold.woff2": chars(("digits and punctuation", DIGITS_AND_PUNCTUATION)),
        "rounded.woff2": chars((texts, "".join(misses)), ascii_),
    }


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=OUT, help="folder to write to (default resources/fonts)")
    args = ap.parse_args()
    os.makedirs(args.out, exist_ok=True)

    sets = wanted()
    sources = {
        "gothic.woff2": lambda: open_face(NOTO_REGULAR, NOTO_FAMILY),
        "gothic-bold.woff2": lambda: open_face(NOTO_BOLD, NOTO_FAMILY),
        "rounded.woff2": lambda: TTFont(MOTOYA, recalcTimestamp=False),
    }
    total = 0
    for name in ("gothic.woff2", "gothic-bold.woff2", "rounded.woff2"):
        out = os.path.join(args.out, name)
        count = make(sources[name](), sets[name], out)
        size = os.path.getsize(out)
        total += size
        print(f"{name:18} {count:4} characters {size:7} bytes")
    print(f"{'together':18} {'':15} {total:7} bytes")


if __name__ == "__main__":
    main()
