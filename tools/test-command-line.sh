#!/bin/bash
# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The program's command line, with no display: --version prints "wakusei V" (V the version in
# the project's CMakeLists.txt) and exits 0, --help prints a short usage and exits 0, and an
# unknown option or an argument prints one line to stderr and exits 2 without starting.
# Usage: test-command-line.sh path/to/wakusei path/to/CMakeLists.txt
set -uo pipefail
program=$1
version=$(sed -n 's/^project(wakusei VERSION \([0-9.]*\).*/\1/p' "$2")
[ -n "$version" ] || { echo "FAIL: no version in $2"; exit 1; }
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
failed=0

fail() {
    echo "FAIL: $*"
    failed=1
}

# Runs the program with no display and no Qt platform; status in $rc.
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$program" "$@" \
        >"$out" 2>"$err" </dev/null
    rc=$?
}

answers() {
    local what=$1
    [ "$rc" -eq 0 ] || fail "$what: exit status $rc, wanted 0"
    [ ! -s "$err" ] || fail "$what: wrote to stderr: $(cat "$err")"
}

for args in "--version" "-platform offscreen --version" "--version --bogus"; do
    # shellcheck disable=SC2086
    run $args
    answers "$args"
    [ "$(cat "$out")" = "wakusei $version" ] || fail "$args: printed '$(cat "$out")', wanted 'wakusei $version'"
done

for args in "--help" "-h"; do
    run "$args"
    answers "$args"
    grep -q '^Usage: wakusei' "$out" || fail "$args: no 'Usage: wakusei' line"
    grep -q -- '--version' "$out" || fail "$args: --version not named"
    grep -q '使い方' "$out" || fail "$args: no Japanese usage"
    lines=$(wc -l <"$out")
    [ "$lines" -le 15 ] || fail "$args: $lines lines, not short"
done

for args in "--bogus" "-x" "file.txt" "-platform offscreen --bogus" "--versio"; do
    # shellcheck disable=SC2086
    run $args
    [ "$rc" -eq 2 ] || fail "$args: exit status $rc, wanted 2"
    [ ! -s "$out" ] || fail "$args: wrote to stdout"
    [ "$(wc -l <"$err")" -eq 1 ] || fail "$args: wanted one line on stderr: $(cat "$err")"
    last=${args##* }
    grep -qF -- "$last" "$err" || fail "$args: the error does not name $last"
    grep -q 'unknown option' "$err" || fail "$args: no English error"
done

# Qt's own options still start the program (still running after three seconds).
for args in "-platform offscreen" "--platform offscreen -reverse" "-platform offscreen -style=fusion"; do
    # shellcheck disable=SC2086
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 3 "$program" $args >"$out" 2>&1 </dev/null
    rc=$?
    [ "$rc" -eq 124 ] || fail "$args: ended early with status $rc: $(cat "$out")"
done

[ "$failed" -eq 0 ] && echo "command line: --version, --help, unknown options and Qt's options"
exit "$failed"
