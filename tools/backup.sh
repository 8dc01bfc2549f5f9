#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Marquill runs this to copy the database: for a backup from the database to
# the backup folder, for a restore from the backup folder to the database:
#   backup.sh FROM TO
# It must exit with 0 only when TO is a full copy of FROM. A shop may change
# it, for instance to copy to a network share.
#
# The copy is written beside TO first and then renamed over it, so a copy
# that fails half-way leaves TO as it was.
if [ $# -ne 2 ]; then
    echo "usage: backup.sh FROM TO" >&2
    exit 2
fi
partial="$2.partial.$$"
if ! cp -- "$1" "$partial"; then
    rm -f -- "$partial"
    exit 1
fi
mv -f -- "$partial" "$2"
