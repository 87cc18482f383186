#!/bin/bash

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the browser program as one offline HTML file, installing what the build needs if it is
# missing, and says where the file landed.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(emscripten esbuild nodejs python3 cmake ninja-build)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake --preset web >/dev/null
cmake --build --preset web
echo "The page: $(pwd)/build/web/web/wakusei.html ($(stat -c %s build/web/web/wakusei.html) bytes)"
