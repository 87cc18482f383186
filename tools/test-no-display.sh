#!/bin/bash
# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Started where there is no display, the program must say so in one line (Japanese and English)
# and exit with status 1, not abort. Where a platform needing no display is asked for, it must
# still start. Usage: test-no-display.sh path/to/wakusei
set -uo pipefail
program=$1
out=$(mktemp)
trap 'rm -f "$out"' EXIT
failed=0

fail() {
    echo "FAIL: $*"
    failed=1
}

# Runs a command with no display in its environment; leaves its status in $rc and its stdout
# and stderr together in $out.
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" >"$out" 2>&1 </dev/null
    rc=$?
}

refused() {
    local what=$1 lines
    [ "$rc" -eq 1 ] || fail "$what: exit status $rc, wanted 1"
    lines=$(wc -l <"$out")
    [ "$lines" -eq 1 ] || fail "$what: $lines lines of output, wanted 1"
    grep -q '画面（ディスプレイ）が見つかりません' "$out" || fail "$what: no Japanese text"
    grep -q 'No display found' "$out" || fail "$what: no English text"
    [ "$failed" -eq 0 ] || cat "$out"
}

started() {
    [ "$rc" -eq 124 ] || { fail "$1: ended early with status $rc"; cat "$out"; }
}

run timeout 20 "$program"
refused "no display"
run QT_QPA_PLATFORM=xcb timeout 20 "$program"
refused "QT_QPA_PLATFORM=xcb"
run "QT_QPA_PLATFORM=wayland;xcb" timeout 20 "$program"
refused "QT_QPA_PLATFORM=wayland;xcb"
# Still running after three seconds: it got past the check and opened its windows.
run QT_QPA_PLATFORM=offscreen timeout 3 "$program"
started "QT_QPA_PLATFORM=offscreen"
run timeout 3 "$program" -platform offscreen
started "-platform offscreen"

[ "$failed" -eq 0 ] && echo "no display: refused in one line; offscreen still starts"
exit "$failed"
