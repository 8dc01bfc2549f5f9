#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package build-deb/marquill_VERSION_ARCH.deb with CPack and
# checks it with lintian. The build uses Debian's own compiler and linker
# flags (hardening included) in a folder of its own, without the tests and
# benchmarks; build/ is left alone. Install the package with
#   sudo apt install ./build-deb/marquill_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t packages < scripts/packages.list
scripts/packages.sh "${packages[@]}" dpkg-dev file lintian

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
export CXXFLAGS="$CPPFLAGS $CXXFLAGS"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=None -DMQT_TESTS=OFF -DMQT_BENCHMARKS=OFF "${launcher[@]}"
cmake --build build-deb -j2
(cd build-deb && cpack -G DEB)

deb=$(ls -t build-deb/marquill_*.deb | head -n 1)
echo "lintian $deb:"
lintian --display-info --tag-display-limit 0 "$deb"
echo "Built $deb"
