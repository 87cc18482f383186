#!/bin/bash

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Attaches dist/* (made by tools/release.sh) to the forge's release of the tag given, making
# the release if there is none yet. Needs GH_TOKEN; installs Debian's gh if it is missing.
# Usage: publish-release.sh v1.0.0
set -euo pipefail
cd "$(dirname "$0")/.."
tag=${1:?usage: publish-release.sh TAG}
version=$(sed -n 's/^project(wakusei VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ "$tag" = "v$version" ] || { echo "publish-release.sh: tag $tag, but the version is $version"; exit 1; }
(cd dist && sha256sum --quiet -c SHA256SUMS)

# gh finds the repository from the clone, or from the forge's own variable.
[ -z "${GITHUB_REPOSITORY:-}" ] || export GH_REPO=${GH_REPO:-$GITHUB_REPOSITORY}
if ! command -v gh >/dev/null; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends gh
fi
if gh release view "$tag" >/dev/null 2>&1; then
    gh release upload "$tag" dist/* --clobber
else
    gh release create "$tag" dist/* --title "惑星の動き $version" --verify-tag \
        --notes "惑星の動き $version: wakusei-$version.html (one file), wakusei-site-$version.zip (the site), wakusei_${version}_amd64.deb (Debian 12). Checksums in SHA256SUMS."
fi
