#!/bin/bash

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the release in dist/, installing what it needs if it is missing:
#   wakusei-V.html          the one-file page
#   wakusei-site-V.zip      the installable site, one folder
#   wakusei_V_amd64.deb     the Debian package
#   SHA256SUMS              the checksums of the three
# where V is the project's version (CMakeLists.txt). Built from a clean configure in build
# folders of its own, so that two clones at different paths, built at different times, give
# the same bytes: every time inside is the last commit's (SOURCE_DATE_EPOCH), no build path is
# compiled in, and the archives list their files sorted, with fixed owners, modes and times.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/deps.sh
packages=(emscripten esbuild nodejs python3 python3-yaml cmake ninja-build git)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

version=$(sed -n 's/^project(wakusei VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "release.sh: no version in CMakeLists.txt"; exit 1; }
# A checkout made by another user (a CI container) is still ours to read.
SOURCE_DATE_EPOCH=$(git -c safe.directory="$PWD" log -1 --format=%ct)
export SOURCE_DATE_EPOCH
# Qt's resource compiler writes a time for every file it packs in: the commit's, not the
# checkout's.
export QT_RCC_SOURCE_DATE_OVERRIDE=$SOURCE_DATE_EPOCH
export TZ=UTC LC_ALL=C.UTF-8
# Emscripten finds its JavaScript tools (acorn) there, as the web preset says.
export NODE_PATH=/usr/share/nodejs
umask 022
# Compiled-in file names are relative to the tree, wherever it lies.
prefix_map="-ffile-prefix-map=$PWD/=./ -ffile-prefix-map=$PWD=."

started=$(date +%s)
web=build/dist-web
deb=build/dist-deb
rm -rf "$web" "$deb" dist
mkdir -p dist

echo "== release $version: the page and the site"
cmake --preset web -B "$web" -DCMAKE_CXX_FLAGS="$prefix_map" >/dev/null
cmake --build "$web" --target wakusei_html wakusei_site
cp "$web/web/wakusei.html" "dist/wakusei-$version.html"
python3 tools/reproducible_zip.py "$web/web/site" "wakusei-site-$version" \
    "dist/wakusei-site-$version.zip"

echo "== release $version: the Debian package"
# Only the program and what it installs: the tests and benchmarks are CI's.
cmake --preset release -B "$deb" -DCMAKE_CXX_FLAGS="$prefix_map" -DWAKUSEI_BENCH=OFF \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build "$deb" --target wakusei
(cd "$deb" && cpack -G DEB >/dev/null)
made=$(ls "$deb"/wakusei_*.deb)
# Packed again by dpkg-deb, which sorts the files, sets the owner to root and takes every time
# from SOURCE_DATE_EPOCH.
root="$deb/deb-root"
dpkg-deb -R "$made" "$root"
find "$root" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
dpkg-deb --root-owner-group -Zxz --build "$root" "dist/wakusei_${version}_amd64.deb" >/dev/null
lintian --allow-root --fail-on error,warning "dist/wakusei_${version}_amd64.deb"

(cd dist && sha256sum "wakusei-$version.html" "wakusei-site-$version.zip" \
    "wakusei_${version}_amd64.deb" >SHA256SUMS && sha256sum --quiet -c SHA256SUMS)
echo "The release ($(($(date +%s) - started)) s), in $(pwd)/dist:"
(cd dist && for f in *; do printf '  %-28s %9s bytes\n' "$f" "$(stat -c %s "$f")"; done)
