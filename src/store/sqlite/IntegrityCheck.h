// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace mqt {

class Connection;

// The engine's own checks of a database file. Each gives empty text when the
// check finds nothing wrong, else what it found (the first findings, one a
// line), or the engine's text when the file cannot be read at all.

// PRAGMA quick_check on an open connection: the structure of every page,
// without comparing the indexes with their tables; quick enough for every
// start-up.
QString QuickCheckFindings(const Connection& connection);

// PRAGMA integrity_check on the file at `path`, opened read-only, so the
// check never changes it.
QString IntegrityCheckFindings(const QString& path);

}  // namespace mqt
