// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace mqt {

// What keeps the file at `path` from being a sound shop database: not a
// database at all, a missing table params, consignor or item or a missing
// field of one, a file made by a newer version of Marquill, or what PRAGMA
// integrity_check finds. Empty when it is sound.
// The file is opened read-only and never changed.
QString ShopFileFindings(const QString& path);

}  // namespace mqt
