#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up and runs every test: the tests that touch data run twice,
# on a shop file and on a throwaway PostgreSQL server (scripts/test-server.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
source scripts/test-server.sh
ctest --test-dir build --output-on-failure -j2
