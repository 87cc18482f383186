#!/bin/bash

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks the release in dist/ (tools/release.sh) as a school gets it: the checksums hold, the
# page opens from file:// and the site from a web host in Chromium, WebKit and Firefox, with
# the title 惑星の動き, the project's version and no breach of their Content-Security-Policy,
# and the packaged program prints its version with no display. Needs what tools/web-test.sh
# installs.
set -euo pipefail
cd "$(dirname "$0")/.."
version=$(sed -n 's/^project(wakusei VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

(cd dist && sha256sum -c SHA256SUMS)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
python3 -m zipfile -e "dist/wakusei-site-$version.zip" "$scratch"
dpkg-deb -x "dist/wakusei_${version}_amd64.deb" "$scratch/root"
got=$(env -u DISPLAY -u WAYLAND_DISPLAY "$scratch/root/usr/bin/wakusei" --version)
[ "$got" = "wakusei $version" ] || { echo "check-release.sh: --version printed '$got'"; exit 1; }
echo "$got"

cd web/tests
PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error
WAKUSEI_HTML="$OLDPWD/dist/wakusei-$version.html" WAKUSEI_SITE="$scratch/wakusei-site-$version" \
    node --test policy.test.mjs
