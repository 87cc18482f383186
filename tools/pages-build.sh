#!/bin/bash

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the installable site for the forge's Pages into the folder given (build/pages if
# none): the site's files and nothing else, ready for any static HTTPS host.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/pages}

bash tools/web-build.sh
rm -rf "$out"
mkdir -p "$out"
cp build/web/web/site/* "$out"/
for f in index.html manifest.webmanifest sw.js; do
    [ -s "$out/$f" ] || { echo "pages-build.sh: no $f in the site"; exit 1; }
done
echo "The site for Pages: $(pwd)/$out ($(ls "$out" | wc -l) files)"
