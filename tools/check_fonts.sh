#!/bin/bash

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks that the committed web fonts in resources/fonts are what tools/gen_fonts.py makes from
# the current texts: makes them again in a temporary folder and compares byte for byte.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/lib.sh

# Only told, not installed: this check runs inside other scripts that install what they need.
mapfile -t missing < <(missing_packages python3-fonttools python3-brotli fonts-noto-cjk fonts-motoya-l-maruberi)
if [ ${#missing[@]} -ne 0 ]; then
    echo "check_fonts: missing Debian packages: ${missing[*]}" >&2
    echo "check_fonts: apt-get install ${missing[*]}" >&2
    exit 2
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

if ! /usr/bin/python3 tools/gen_fonts.py --out "$tmp" >/dev/null; then
    echo "check_fonts: tools/gen_fonts.py failed (see above)" >&2
    exit 1
fi

stale=()
for f in gothic.woff2 gothic-bold.woff2 rounded.woff2; do
    if [ ! -f "resources/fonts/$f" ]; then
        stale+=("$f (not committed)")
    elif ! cmp -s "$tmp/$f" "resources/fonts/$f"; then
        stale+=("$f")
    fi
done

if [ ${#stale[@]} -ne 0 ]; then
    echo "check_fonts: resources/fonts is out of date: ${stale[*]}" >&2
    echo "check_fonts: run '/usr/bin/python3 tools/gen_fonts.py' and commit resources/fonts" >&2
    exit 1
fi
echo "check_fonts: resources/fonts is up to date"
