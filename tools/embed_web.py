#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Makes the one self-contained page of the browser build.

Fills the places the page shell (web/shell.html) leaves in the linked program's HTML: the
page's script, the pictures and icons as data: URLs, and the three WOFF2 fonts as @font-face
rules with base64 data, so that the file needs nothing else, not even a network.

    embed_web.py --program wakusei_program.html --page page.js \
                 --resources resources --out wakusei.html
"""

import argparse
import base64
import json
import os
import sys

TYPES = {".gif": "image/gif", ".jpg": "image/jpeg", ".ico": "image/x-icon"}

# Family names the page and the program's backend use (web/backend.cpp, web/shell.html).
FONTS = [
    ("Wakusei Gothic", "gothic.woff2", "400"),
    ("Wakusei Gothic Bold", "gothic-bold.woff2", "700"),
    ("Wakusei Rounded", "rounded.woff2", "400"),
]


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

    pictures = {}
    for name in sorted(os.listdir(a.resources)):
        ext = os.path.splitext(name)[1].lower()
        if ext in TYPES:
            pictures[name] = data_url(os.path.join(a.resources, name), TYPES[ext])

    faces = []
    for family, file, weight in FONTS:
        url = data_url(os.path.join(a.resources, "fonts", file), "font/woff2")
        faces.append('@font-face { font-family: "%s"; src: url(%s) format("woff2"); '
                     "font-weight: %s; font-style: normal; font-display: block; }"
                     % (family, url, weight))

    fills = {
        "@WAKUSEI_FAVICON@": pictures["frmWE.ico"],
        "@WAKUSEI_FONTS@": "\n".join(faces),
        "@WAKUSEI_PICTURES@": json.dumps(pictures),
        "@WAKUSEI_PAGE_JS@": page.replace("</script", "<\\/script"),
    }
    for key, value in fills.items():
        if html.count(key) != 1:
            sys.exit("embed_web.py: %s appears %d times in %s" % (key, html.count(key), a.program))
        html = html.replace(key, value)

    tmp = a.out + ".tmp"
    with open(tmp, "w", encoding="utf-8") as f:
        f.write(html)
    os.replace(tmp, a.out)


if __name__ == "__main__":
    main()
