// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/ShopFiles.h"

#include <QString>
#include <optional>

namespace mqt {

// The URI in FOLDER's server file; nullopt when the folder has none. Throws
// StoreError when the file is there but holds no URI or cannot be read.
std::optional<QString> ReadServerFile(const QString& folder);

// The URI as it may be shown: any password in it replaced by "***".
QString ShownUri(const QString& uri);

// Whether a text names a server database rather than a file.
bool NamesServerDatabase(const QString& text);

}  // namespace mqt
