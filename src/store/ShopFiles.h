// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace mqt {

// The files by which a shop is known.

// A file shop's database, in its shop folder and as its backup copy.
inline constexpr const char* ShopFileName = "Marquill.mqt";
// The suffix of a copy of a shop file, and of a server shop's dump.
inline constexpr const char* ShopFileSuffix = "mqt";
inline constexpr const char* DumpFileSuffix = "dump";
// A server shop's backup copy: its dump.
inline constexpr const char* ServerBackupName = "Marquill.dump";

// A server shop's folder holds this file: one line, the libpq connection URI
// of the shop's database (postgresql://shop@till1/marquill). Passwords never
// go in it: libpq reads them from ~/.pgpass or PGPASSWORD.
inline constexpr const char* ServerFileName = "Marquill.server";

}  // namespace mqt
