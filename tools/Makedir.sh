#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Marquill runs this before every backup to create the backup folder:
#   Makedir.sh FOLDER
# It must leave FOLDER in place (an existing one is fine) and exit with 0.
# A shop may change it, for instance to mount a network share first.
if [ $# -ne 1 ]; then
    echo "usage: Makedir.sh FOLDER" >&2
    exit 2
fi
mkdir -p -- "$1"
