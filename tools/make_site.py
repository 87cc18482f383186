#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Makes the installable site of the browser build from its one-file page.

The site is a folder for any static web host: index.html (the one-file page, which also names
the web-app manifest and the home-screen icon), manifest.webmanifest, the icons and sw.js, the
service worker that keeps the site for offline use. sw.js gets the list of the other files and
a hash of their contents, so that every build with a change is a new version for the browser.

    make_site.py --page wakusei.html --sources web/site --icons resources/site --out site
"""

import argparse
import hashlib
import json
import os
import shutil
import sys

from embed_web import ascii_html, with_policy

MANIFEST = "manifest.webmanifest"
WORKER = "sw.js"
TOUCH_ICON = "apple-touch-icon.png"


def head_tags(manifest):
    """What the page needs in its head to be an installable app."""
    return "\n".join([
        # web/js/offline.js links the manifest only when the page comes from a web host: from
        # a file, Chromium's fetch of it would fail with an error on the console.
        '<meta name="wakusei-manifest" content="%s">' % MANIFEST,
        '<link rel="apple-touch-icon" href="%s">' % TOUCH_ICON,
        '<meta name="theme-color" content="%s">' % manifest["theme_color"],
        # Home-screen apps on iPads older than iPadOS 16.4 open without Safari's bars only so.
        '<meta name="apple-mobile-web-app-capable" content="yes">',
        '<meta name="mobile-web-app-capable" content="yes">',
        '<meta name="apple-mobile-web-app-title" content="%s">' % manifest["short_name"],
        "",
    ])


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--page", required=True, help="the one-file page")
    ap.add_argument("--sources", required=True, help="the folder of the manifest and sw.js")
    ap.add_argument("--icons", required=True, help="the folder of the site's icons")
    ap.add_argument("--out", required=True, help="the site folder to write")
    a = ap.parse_args()

    with open(os.path.join(a.sources, MANIFEST), "rb") as f:
        manifest_bytes = f.read()
    manifest = json.loads(manifest_bytes)
    with open(a.page, encoding="utf-8") as f:
        page = f.read()
    # The first </head> is the page's own: the program and its script come later, in the body.
    if "</head>" not in page:
        sys.exit("make_site.py: %s has no </head>" % a.page)
    page = ascii_html(page.replace("</head>", head_tags(manifest) + "</head>", 1))
    # The site's policy also lets the page load its manifest and service worker.
    try:
        page = with_policy(page, site=True)
    except ValueError as e:
        sys.exit("make_site.py: %s: %s" % (a.page, e))

    files = {"index.html": page.encode("utf-8"), MANIFEST: manifest_bytes}
    for name in sorted(os.listdir(a.icons)):
        if name.endswith(".png"):
            with open(os.path.join(a.icons, name), "rb") as f:
                files[name] = f.read()
    wanted = {i["src"] for i in manifest["icons"]} | {TOUCH_ICON}
    missing = sorted(wanted - set(files))
    if missing:
        sys.exit("make_site.py: no %s in %s" % (", ".join(missing), a.icons))

    digest = hashlib.sha256()
    for name in sorted(files):
        digest.update(b"%s\0%d\0" % (name.encode("utf-8"), len(files[name])))
        digest.update(files[name])
    build = digest.hexdigest()[:16]

    with open(os.path.join(a.sources, WORKER), encoding="utf-8") as f:
        worker = f.read()
    fills = {
        "@WAKUSEI_SITE_BUILD@": build,
        "@WAKUSEI_SITE_FILES@": json.dumps(sorted(files)),
    }
    for key, value in fills.items():
        if worker.count(key) != 1:
            sys.exit("make_site.py: %s appears %d times in %s" % (key, worker.count(key), WORKER))
        worker = worker.replace(key, value)
    files[WORKER] = worker.encode("utf-8")

    # A fresh folder: nothing of an older build stays behind for a host to serve. Only a
    # folder that is a site already, or empty, is replaced.
    if os.path.isdir(a.out) and os.listdir(a.out) and \
            not os.path.isfile(os.path.join(a.out, WORKER)):
        sys.exit("make_site.py: %s is not a site folder; not replacing it" % a.out)
    tmp = a.out.rstrip("/") + ".tmp"
    shutil.rmtree(tmp, ignore_errors=True)
    os.makedirs(tmp)
    for name, data in files.items():
        with open(os.path.join(tmp, name), "wb") as f:
            f.write(data)
    shutil.rmtree(a.out, ignore_errors=True)
    os.replace(tmp, a.out)


if __name__ == "__main__":
    main()
