#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the program needs (when missing) and builds it.
set -euo pipefail
cd "$(dirname "$0")/.."

# scripts/packages.list names the packages the program and its tests need.
mapfile -t packages < scripts/packages.list
scripts/packages.sh "${packages[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
