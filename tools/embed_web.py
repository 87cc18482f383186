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

It also writes the program's version into the page and the page's Content-Security-Policy,
which allows its own inline scripts by their hashes and nothing from anywhere else.

    embed_web.py --program wakusei_program.html --page page.js \
                 --resources resources --version 1.0.0 --out wakusei.html
"""

import argparse
import base64
import hashlib
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


# The inline scripts and styles of the finished page, with their text as the browser hashes it.
INLINE = re.compile(r"<(script|style)\b([^>]*)>(.*?)</\1\s*>", re.S | re.I)
POLICY_META = re.compile(r'(<meta http-equiv="Content-Security-Policy" content=")([^"]*)(">)')


def policy(html, site=False):
    """The page's Content-Security-Policy.

    Nothing may be fetched, framed or sent: only the page's own inline scripts run, named by
    the hash of their text, with WebAssembly compiled from bytes inside the page; its one style
    element by hash, its pictures from data: URLs. The site may also load its manifest, icons
    and service worker from its own folder."""
    scripts, styles = [], []
    for m in INLINE.finditer(html):
        kind, attrs, text = m.group(1).lower(), m.group(2), m.group(3)
        # A data block (the WebAssembly as text) is never run, so it needs no hash.
        if kind == "script" and re.search(r'\btype\s*=\s*"(?!text/javascript|module)', attrs):
            continue
        digest = base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode("ascii")
        (scripts if kind == "script" else styles).append("'sha256-%s'" % digest)
    own = "'self' " if site else ""
    rules = [
        "default-src 'none'",
        "script-src %s 'wasm-unsafe-eval'" % " ".join(scripts),
        "style-src %s" % " ".join(styles),
        "img-src %sdata:" % own,
        "connect-src 'none'",
        "frame-src 'none'",
        "form-action 'none'",
        "base-uri 'none'",
        "object-src 'none'",
    ]
    if site:
        rules += ["manifest-src 'self'", "worker-src 'self'"]
    return "; ".join(rules)


def with_policy(html, site=False):
    """The page with its policy written into its Content-Security-Policy meta element."""
    if len(POLICY_META.findall(html)) != 1:
        raise ValueError("the page needs one Content-Security-Policy meta element")
    return POLICY_META.sub(lambda m: m.group(1) + policy(html, site) + m.group(3), html)


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
    ap.add_argument("--version", required=True, help="the program's version, for the page")
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
        "@WAKUSEI_VERSION@": a.version,
    }
    for key, value in fills.items():
        if html.count(key) != 1:
            sys.exit("embed_web.py: %s appears %d times in %s" % (key, html.count(key), a.program))
        html = html.replace(key, value)

    try:
        # The hashes are of the scripts as the browser reads them, so the page is written in
        # ASCII first.
        html = with_policy(ascii_html(html).replace("@WAKUSEI_POLICY@", ""))
    except ValueError as e:
        sys.exit("embed_web.py: %s" % e)
    tmp = a.out + ".tmp"
    with open(tmp, "w", encoding="ascii") as f:
        f.write(html)
    os.replace(tmp, a.out)


if __name__ == "__main__":
    main()
