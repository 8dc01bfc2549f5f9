#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up and starts the program. A new, empty shop database is
# made beside the program the first time.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
program=build/program
[ -e "$program/Marquill.mqt" ] || "$program/mqt-createdb" "$program/Marquill.mqt"
exec "$program/marquill"
