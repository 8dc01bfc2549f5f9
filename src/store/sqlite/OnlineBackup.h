// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace mqt {

class Connection;

// Copies the whole database of an open connection into the new file `target`
// with the engine's online backup: all pages under one read lock, so the copy
// is consistent even while the connection holds the database open. `target`
// must be new: missing, or an empty file made for the copy under a name of
// its own. A copy that fails half-way is removed. Throws StoreError with the
// engine's text.
void CopyDatabase(const Connection& source, const QString& target);

}  // namespace mqt
