# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the scripts in tools/: source it (`. tools/lib.sh`) from the project root.

# missing_packages PKG...: prints those of the Debian packages that are not installed, one a line.
missing_packages() {
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
    done
}

# install_packages PKG...: installs the packages with apt-get, through sudo unless run as root;
# nothing when none is named.
install_packages() {
    [ $# -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "$@"
}

# need_packages PKG...: installs those of the Debian packages that are missing.
need_packages() {
    local missing
    mapfile -t missing < <(missing_packages "$@")
    install_packages "${missing[@]}"
}
