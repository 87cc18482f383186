#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Makes the one self-contained page of the browser build.

Fills the places the page shell (web/shell.html) leaves in the linked program's HTML: the
page's script, the pictures and icons as data: URLs, and the three WOFF2 fonts in base64, so
that the file needs nothing else, not even a network. The program's WebAssembly, which the
linker puts inside its script, is moved to the top of the page, where the page starts compiling
it and makes the fonts before it reads the rest.

    embed_web.py --program wakusei_program.html --page page.js \
                 --resources resources --out wakusei.html
"""

import argparse
import base64
import json
import os
import re
import sys

TYPES = {".gif": "image/gif", ".jpg": "image/jpeg", ".ico": "image/x-icon"}

# Family names the page and the program's backend use (web/backend.cpp, web/shell.html).
FONTS = [
    ("Wakusei Gothic", "gothic.woff2", "400"),
    ("Wakusei Gothic Bold", "gothic-bold.woff2", "700"),
    ("Wakusei Rounded", "rounded.woff2", "400"),
]


# Where the linker (Emscripten's SINGLE_FILE) leaves the WebAssembly in the program's script.
WASM = re.compile(r'wasmBinaryFile\s*=\s*"data:application/octet-stream;base64,([A-Za-z0-9+/=]+)"')


# A script or style element, whose text the browser takes as it stands.
RAW_TEXT = re.compile(r"<(script|style)\b[^>]*>.*?</\1\s*>", re.S | re.I)


def ascii_html(html):
    """The page written in ASCII alone: every other letter as a character reference.

    A page of ASCII is read as one-byte text, which the browser decodes and parses faster than
    text with letters beyond Latin-1 anywhere in it (a few milliseconds before the first frame).
    References mean nothing inside a script or style, so none may hold such a letter there."""
    out = []
    at = 0
    for m in RAW_TEXT.finditer(html):
        out.append(_refs(html[at:m.start()]))
        if not m.group(0).isascii():
            bad = next(c for c in m.group(0) if not c.isascii())
            raise ValueError("%r inside a <%s> element" % (bad, m.group(1)))
        out.append(m.group(0))
        at = m.end()
    out.append(_refs(html[at:]))
    return "".join(out)


def _refs(text):
    return "".join(c if c.isascii() else "&#x%X;" % ord(c) for c in text)


def data_url(path, mime):
    with open(path, "rb") as f:
        return "data:%s;base64,%s" % (mime, base64.b64encode(f.read()).decode("ascii"))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--program", required=True)
    ap.add_argument("--page", required=True)
    ap.add_argument("--resources", required=True)
    ap.add_argument("--out", required=True)
    a = ap.parse_args()

    with open(a.program, encoding="utf-8") as f:
        html = f.read()
    with open(a.page, encoding="utf-8") as f:
        page = f.read()

    wasm = WASM.findall(html)
    if len(wasm) != 1:
        sys.exit("embed_web.py: the WebAssembly appears %d times in %s" % (len(wasm), a.program))
    # The program's script no longer holds it: the page gives it the compiled module.
    html = WASM.sub('wasmBinaryFile=""', html)

    pictures = {}
    for name in sorted(os.listdir(a.resources)):
        ext = os.path.splitext(name)[1].lower()
        if ext in TYPES:
            pictures[name] = data_url(os.path.join(a.resources, name), TYPES[ext])

    # [family, weight, WOFF2 in base64] for the page's FontFace objects.
    faces = []
    for family, file, weight in FONTS:
        with open(os.path.join(a.resources, "fonts", file), "rb") as f:
            faces.append([family, weight, base64.b64encode(f.read()).decode("ascii")])

    fills = {
        "@WAKUSEI_FAVICON@": pictures["frmWE.ico"],
        "@WAKUSEI_FONTS@": json.dumps(faces),
        "@WAKUSEI_PICTURES@": json.dumps(pictures),
        "@WAKUSEI_PAGE_JS@": page.replace("</script", "<\\/script"),
        "@WAKUSEI_WASM@": wasm[0],
    }
    for key, value in fills.items():
        if html.count(key) != 1:
            sys.exit("embed_web.py: %s appears %d times in %s" % (key, html.count(key), a.program))
        html = html.replace(key, value)

    try:
        html = ascii_html(html)
    except ValueError as e:
        sys.exit("embed_web.py: %s" % e)
    tmp = a.out + ".tmp"
    with open(tmp, "w", encoding="ascii") as f:
        f.write(html)
    os.replace(tmp, a.out)


if __name__ == "__main__":
    main()
