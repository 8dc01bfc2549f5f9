// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace mqt {

// Creates a new, empty shop database at path: the three tables and their
// lookup indexes, at the program's schema version. An existing file is never touched. On failure no file is
// left behind and a StoreError carries the reason.
void CreateDatabaseFile(const QString& path);

}  // namespace mqt
