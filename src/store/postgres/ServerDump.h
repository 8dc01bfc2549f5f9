// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace mqt {

class CommandRunner;

// The PostgreSQL client programs that copy a server shop (Debian's
// postgresql-client, found on the PATH), started through the helper-command
// seam and waited for. pg_dump writes the whole database into one file of
// its custom format; pg_restore lists such a file and loads it back. Each gives why it failed, empty when it succeeded; a
// program that cannot be started is named with the package that brings it.
inline constexpr const char* DumpProgram = "pg_dump";
inline constexpr const char* RestoreProgram = "pg_restore";

// pg_dump -Fc --no-owner of the database at `uri` into the file `target`
// (missing, or an empty file made for it under a name of its own).
QString DumpDatabase(CommandRunner& commands, const QString& uri, const QString& target);

// What keeps the file `dump` from being a dump of a shop: pg_restore --list
// cannot read it (not a dump, or a damaged one), or its list lacks one of the
// shop's tables. Empty when it lists them all.
QString DumpFindings(CommandRunner& commands, const QString& dump);

// pg_restore --clean --if-exists --single-transaction --no-owner: replaces
// the shop's tables in the database at `uri` by those of `dump`, all or
// nothing.
QString RestoreDump(CommandRunner& commands, const QString& uri, const QString& dump);

}  // namespace mqt
