#!/bin/bash

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The release is reproducible: made here (tools/release.sh), then again in a fresh clone of the
# same commit at another path and a later time, the files of dist/ must be the same bytes.
# Checks the checksums too. The tree must be clean: the clone has only what is committed.
set -euo pipefail
cd "$(dirname "$0")/.."
git -c safe.directory="$PWD" diff --quiet HEAD || { echo "release-twice.sh: the tree has changes that are not committed"; exit 1; }

bash tools/release.sh
other=$(mktemp -d /tmp/wakusei-release-XXXXXX)
trap 'rm -rf "$other"' EXIT
git -c safe.directory="$PWD" clone -q --no-hardlinks "$PWD" "$other/elsewhere"
# A second later at least, so that a clock time inside would show.
sleep 1
bash "$other/elsewhere/tools/release.sh"

(cd "$other/elsewhere/dist" && sha256sum --quiet -c SHA256SUMS)
same=0
for f in dist/*; do
    if cmp "$f" "$other/elsewhere/$f"; then
        echo "same: $f ($(stat -c %s "$f") bytes)"
    else
        same=1
    fi
done
[ "$(ls dist | wc -l)" -eq 4 ] || { echo "release-twice.sh: dist/ should hold four files"; exit 1; }
diff <(ls dist) <(ls "$other/elsewhere/dist") || same=1
[ "$same" -eq 0 ] && echo "release: reproducible (two builds at two paths give the same bytes)"
exit "$same"
