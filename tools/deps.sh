#!/bin/bash

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian 12 packages needed to build, test and run the program, if any is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/lib.sh

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libgl-dev libcanberra-dev
    libgtest-dev libbenchmark-dev
    fonts-ipafont-gothic fonts-motoya-l-maruberi
    desktop-file-utils appstream dpkg-dev
    xvfb xauth openbox lintian reuse
)
need_packages "${packages[@]}"
