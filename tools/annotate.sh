#!/bin/bash
# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Gives every text file of the project that has none a copyright and licence header, then checks
# the whole tree with `reuse lint`. Files that already carry one are left as they are, so running
# it again changes nothing. Pictures, icons and fonts are covered by .reuse/dep5 instead; a binary
# file missing there makes the check fail, as its licence has to be decided by a person. Licence
# texts missing from LICENSES/ are added from Debian's common licences or packaging/copyright.
# Needs Debian's `reuse` (1.1.2).
set -euo pipefail
cd "$(dirname "$0")/.."

common=(--copyright "The wakusei authors" --year 2026 --no-replace --skip-existing)
cc0=() dot_license=() hash_style=() html_style=() guessed=()

# The file patterns of .reuse/dep5: what they match has its licence there.
mapfile -t covered < <(awk '/^Files:/ { sub(/^Files:/, ""); on = 1 } /^[^ \t]/ && !/^Files:/ { on = 0 }
                            on { for (i = 1; i <= NF; i++) print $i }' .reuse/dep5)
in_dep5() {
    local pattern
    for pattern in "${covered[@]}"; do
        # shellcheck disable=SC2053 # a glob on purpose; '*' also matches '/', as in dep5
        [[ $1 == $pattern ]] && return 0
    done
    return 1
}

# Tracked files and new ones not ignored, as `reuse lint` sees them.
while IFS= read -r -d '' f; do
    [ -f "$f" ] || continue
    case "$f" in
    LICENSE | LICENSES/* | .reuse/* | *.license) continue ;;
    esac
    in_dep5 "$f" && continue
    grep -Iq . "$f" || continue # binary, or empty
    case "$f" in
    # AppStream metadata is free to copy, as its <metadata_license> says.
    *.metainfo.xml) cc0+=("$f") ;;
    # Formats without comments.
    *.json | web/tests/*.txt | packaging/changelog | packaging/copyright) dot_license+=("$f") ;;
    # '#' comments that reuse does not know by the file's name.
    .ci/run | *.desktop | .clang-format | .clang-tidy | *.supp) hash_style+=("$f") ;;
    *.qrc) html_style+=("$f") ;;
    # Manual pages: reuse has no roff comment style, so they carry their header by hand.
    *.[1-9]) grep -q 'SPDX-License-Identifier' "$f" || dot_license+=("$f") ;;
    *) guessed+=("$f") ;;
    esac
done < <(git ls-files -z --cached --others --exclude-standard)

annotate() {
    local -n files=$1
    shift
    [ ${#files[@]} -gt 0 ] || return 0
    local out
    out=$(reuse annotate "${common[@]}" "$@" "${files[@]}")
    grep -v '^Skipped file' <<<"$out" || true
}
annotate cc0 --license CC0-1.0
annotate dot_license --license GPL-3.0-or-later --force-dot-license
annotate hash_style --license GPL-3.0-or-later --style python
annotate html_style --license GPL-3.0-or-later --style html
annotate guessed --license GPL-3.0-or-later --skip-unrecognised

# A licence named in a header or in dep5 needs its text in LICENSES/. Debian's own texts are
# copied; the others are taken from the package's copyright file, which carries them in full.
missing=$( (reuse lint || true) | sed -n 's/^\* Missing licenses: //p' | tr ',' ' ')
for id in $missing; do
    if [ -f "/usr/share/common-licenses/$id" ]; then
        cp "/usr/share/common-licenses/$id" "LICENSES/$id.txt"
    else
        awk -v head="License: $id" '$0 == head { getline; on = /^ / } on && !/^ / { exit }
            on { sub(/^ /, ""); sub(/^\.$/, ""); print }' packaging/copyright >"LICENSES/$id.txt"
        [ -s "LICENSES/$id.txt" ] || { rm "LICENSES/$id.txt"; echo "no text for licence $id"; }
    fi
    [ -f "LICENSES/$id.txt" ] && echo "added LICENSES/$id.txt"
done

if reuse lint -q; then
    echo "reuse lint: every file has its copyright and licence"
else
    reuse lint
    exit 1
fi
