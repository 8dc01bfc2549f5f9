// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace mqt {

// A server shop's folder holds this file: one line, the libpq connection URI
// of the shop's database (postgresql://shop@till1/marquill). Passwords never
// go in it: libpq reads them from ~/.pgpass or PGPASSWORD.
inline constexpr const char* ServerFileName = "Marquill.server";

// The URI in FOLDER's server file; nullopt when the folder has none. Throws
// StoreError when the file is there but holds no URI or cannot be read.
std::optional<QString> ReadServerFile(const QString& folder);

// The URI as it may be shown: any password in it replaced by "***".
QString ShownUri(const QString& uri);

// Whether a text names a server database rather than a file.
bool IsServerUri(const QString& text);

}  // namespace mqt
