#!/bin/bash
# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs near misses with the real beep on an X server (Xvfb) and fails if anything reaches
# standard error: a machine without a sound device must hear the display's bell, silently.
set -uo pipefail
program=$1
err=$(mktemp)
trap 'rm -f "$err"' EXIT
export XDG_RUNTIME_DIR=$(mktemp -d)
out=$(xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb "$program" 2>"$err")
status=$?
echo "$out"
if [ $status -ne 0 ]; then
    echo "the program ended with status $status"
    exit 1
fi
if [ -s "$err" ]; then
    echo "standard error was not empty:"
    head -20 "$err"
    exit 1
fi
