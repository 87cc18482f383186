#!/bin/bash

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the browser program as one offline HTML file, installing what the build needs if it is
# missing, and says where the file landed.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/lib.sh

need_packages emscripten esbuild nodejs python3 cmake ninja-build

cmake --preset web >/dev/null
cmake --build --preset web
echo "The page: $(pwd)/build/web/web/wakusei.html ($(stat -c %s build/web/web/wakusei.html) bytes)"
