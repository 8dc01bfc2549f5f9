// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace mqt {

class Connection;

// Creates a new, empty shop database at path: the three tables and their
// lookup indexes, at the program's schema version. An existing file is
// never touched. On failure no file is left behind and a StoreError carries
// the reason.
void CreateDatabaseFile(const QString& path);

// Creates the shop's tables, at the program's schema version, in the empty
// database of a connection, all in one transaction. A server database that
// already holds a shop, or whose text order or case folding would make the
// shop's look-ups differ from a file's, is refused (see ServerSchema.h).
void CreateShop(Connection& connection);

}  // namespace mqt
