#!/bin/bash

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Benchmarks of the installable site, on demand (never part of CI's pass or fail): builds it if
# needed, then measures its loads in headless Chromium from a host on 127.0.0.1.
set -euo pipefail
cd "$(dirname "$0")/../.."
[ -f build/web/CMakeCache.txt ] || cmake --preset web
cmake --build --preset web --target wakusei_site
(cd web/tests && [ -d node_modules ] || PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
node bench/web/site.mjs
