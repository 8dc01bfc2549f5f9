#!/usr/bin/env bash
# Installs the Debian packages the program needs (when missing) and builds it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/packages.sh build-essential cmake qt6-base-dev libsqlite3-dev sqlite3 fonts-dejavu-core

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
