#!/bin/bash
# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a test program on an X server (Xvfb) of 1366 × 768, a common classroom laptop screen,
# with a window manager (openbox) that frames and places the windows as a desktop would.
# Usage: test-with-wm.sh program [arguments]
set -uo pipefail
if [ -z "${WAKUSEI_IN_XVFB:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1366x768x24" env WAKUSEI_IN_XVFB=1 bash "$0" "$@"
fi
ready=$(mktemp -u)
# The window manager's own messages are not the test's. It runs the startup command once it
# manages the screen; windows mapped before that would be framed late.
openbox --sm-disable --startup "touch $ready" >/dev/null 2>&1 &
wm=$!
for _ in $(seq 200); do
    [ -e "$ready" ] && break
    sleep 0.1
done
if [ ! -e "$ready" ]; then
    echo "openbox did not start"
    kill "$wm" 2>/dev/null
    exit 1
fi
rm -f "$ready"
QT_QPA_PLATFORM=xcb "$@"
status=$?
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
exit $status
