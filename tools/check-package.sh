#!/bin/bash

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks that every file states its copyright and licence (reuse lint), builds the release,
# installs it into a scratch folder, builds the .deb, checks it with lintian (any error or warning
# fails), unpacks it into a scratch root and starts the installed program on the offscreen
# platform.
set -euo pipefail
cd "$(dirname "$0")/.."

reuse lint -q || { reuse lint; exit 1; }
echo "reuse lint: every file has its copyright and licence"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake --preset release >/dev/null
cmake --build --preset release
DESTDIR="$scratch/install" cmake --install build/release --prefix /usr >/dev/null
for f in usr/bin/wakusei \
         usr/share/applications/io.github.wakusei.Wakusei.desktop \
         usr/share/metainfo/io.github.wakusei.Wakusei.metainfo.xml \
         usr/share/icons/hicolor/16x16/apps/io.github.wakusei.Wakusei.png \
         usr/share/icons/hicolor/256x256/apps/io.github.wakusei.Wakusei.png \
         usr/share/icons/hicolor/scalable/apps/io.github.wakusei.Wakusei.svg \
         usr/share/man/man6/wakusei.6.gz \
         usr/share/man/ja/man6/wakusei.6.gz \
         usr/share/doc/wakusei/copyright \
         usr/share/doc/wakusei/changelog.gz; do
    [ -f "$scratch/install/$f" ] || { echo "not installed: $f"; exit 1; }
done
desktop-file-validate "$scratch/install/usr/share/applications/io.github.wakusei.Wakusei.desktop"
appstreamcli validate --no-net "$scratch/install/usr/share/metainfo/io.github.wakusei.Wakusei.metainfo.xml"

(cd build/release && cpack -G DEB >/dev/null)
deb=$(ls build/release/wakusei_*.deb | head -n 1)
info=$(dpkg-deb --info "$deb")
grep -E 'Package|Version|Depends' <<<"$info"
grep -q 'libqt6widgets6' <<<"$info" || { echo "no Qt dependency"; exit 1; }
grep -q 'fonts-ipafont-gothic' <<<"$info" || { echo "no font dependency"; exit 1; }
# Informational and pedantic notes are shown; an error or a warning fails.
lintian --allow-root --info --pedantic --fail-on error,warning "$deb"
echo "lintian: no error or warning"
dpkg -x "$deb" "$scratch/root"

# Started and still running after three seconds is a good start; an early exit is a failure.
set +e
QT_QPA_PLATFORM=offscreen timeout 3 "$scratch/root/usr/bin/wakusei"
rc=$?
set -e
[ $rc -eq 124 ] || { echo "installed program exited early ($rc)"; exit 1; }
echo "package OK: $deb"
