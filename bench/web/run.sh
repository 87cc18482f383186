#!/bin/bash

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Benchmarks of the browser build, on demand (never part of CI's pass or fail). Builds the page
# if needed, then measures it in headless Chromium. Targets: load ≤ 300 ms, tick ≤ 1 ms median.
set -euo pipefail
cd "$(dirname "$0")/../.."
[ -f build/web/CMakeCache.txt ] || cmake --preset web
cmake --build --preset web --target wakusei_html
(cd web/tests && [ -d node_modules ] || PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
node bench/web/bench.mjs
