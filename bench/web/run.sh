#!/bin/bash

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Benchmarks of the browser build, on demand (never part of CI's pass or fail). Builds the page
# if needed, then measures it in headless Chromium beside a bare baseline page doing the same
# visible work (bench.mjs), and the trails over a whole school day (trails.mjs). Targets: CPU at
# 25 ticks/s ≤ 1.0 × the baseline's, first frame ≤ 2 × an empty page's, tick ≤ 1 ms median,
# heap and rescale flat from 1 k to 1 M ticks. Run it on a machine as quiet as can be: the
# figures come with the load average.
set -euo pipefail
cd "$(dirname "$0")/../.."
[ -f build/web/CMakeCache.txt ] || cmake --preset web
cmake --build --preset web --target wakusei_html
(cd web/tests && [ -d node_modules ] || PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
node bench/web/bench.mjs
echo
node bench/web/trails.mjs
