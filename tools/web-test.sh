#!/bin/bash

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Everything for the browser build: installs what it needs, builds the one-file page
# (build/web/web/wakusei.html), runs the core's tests as wasm under node, then the page's tests
# in the three engines: headless Chromium, WebKitGTK (its MiniBrowser on a private Xvfb) and
# headless Firefox ESR. The page's tests compare it with the headless backend and with the
# desktop program's screenshots, so the native helpers are built too (dev preset).
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/lib.sh

packages=(
    emscripten esbuild chromium webkit2gtk-driver firefox-esr xvfb xauth python3 cmake ninja-build googletest
    g++ pkg-config qt6-base-dev libgl-dev libcanberra-dev libgtest-dev libbenchmark-dev
    fonts-ipafont-gothic fonts-motoya-l-maruberi
    python3-fonttools python3-brotli fonts-noto-cjk
    # The installable site's offline test in WebKit, whose MiniBrowser needs an X display.
    webkit2gtk-driver xvfb xauth
)
mapfile -t missing < <(missing_packages "${packages[@]}")
# node and npm may come from another packaging of Node.js (npm inside nodejs): by command.
command -v node >/dev/null || missing+=(nodejs)
command -v npm >/dev/null || missing+=(npm)
install_packages "${missing[@]}"

echo "== web: the page's fonts hold every letter it shows"
bash tools/check_fonts.sh

echo "== web: build the page and the core's tests as wasm"
bash tools/web-build.sh

echo "== web: the core's tests under node"
ctest --preset web

echo "== web: native helpers (scenario on the headless backend, desktop screenshots)"
[ -f build/dev/CMakeCache.txt ] || cmake --preset dev
cmake --build --preset dev --target web_scenario_headless wakusei_shots

echo "== web: the page in Chromium, WebKit and Gecko, and the installable site (Chromium, WebKit)"
cd web/tests
PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error
node --test
