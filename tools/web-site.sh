#!/bin/bash

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the installable site of the browser program (for iPads and home-screen installs),
# installing what the build needs if it is missing, and says where the folder landed and what a
# web host must send with its files.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/web-build.sh
site=build/web/web/site
echo "The site: $(pwd)/$site/ ($(du -cb "$site"/* | tail -1 | cut -f1) bytes):"
for f in "$site"/*; do
    printf '  %-24s %8s bytes\n' "$(basename "$f")" "$(stat -c %s "$f")"
done
echo "Copy every file of the folder to one folder of an HTTPS web host. The host must send"
echo "  .html as text/html, .js as text/javascript, .webmanifest as application/manifest+json"
echo "  and .png as image/png."
