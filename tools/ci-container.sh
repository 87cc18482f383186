#!/bin/bash

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Prepares a bare debian:12 container for the forge's workflows: git (for a real clone, whose
# last commit dates the release), certificates and sudo-free root. The checkout belongs to
# another user than the container's root, so git is told that it is safe to read.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends git ca-certificates >/dev/null
git config --global --add safe.directory '*'
echo "container ready: $(git --version)"
