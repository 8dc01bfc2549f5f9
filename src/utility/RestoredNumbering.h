// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/ShopNumbering.h"

#include <QString>

namespace mqt {

class Connection;
class Database;

// A restore brings back an older shop, whose numbering stands where it stood
// then. The item and sale numbers given out since must not be given again:
// tags and receipts carry them.

// The numbers the open shop has given out: its own numbering, and the sale
// numbers of the receipt files in the shop folder. Read before the restore
// replaces the shop. Throws StoreError when the shop cannot be read.
ShopNumbering NumbersGivenOut(const Connection& connection, const QString& shopFolder);

// After the restore: opens the restored shop of the folder, brings a copy of an older
// version up to date, makes its numbering go on past `given`, and closes it
// again. Returns why it could not, empty when it did.
QString ContinueRestoredNumbering(Database& database, const QString& shopFolder, const ShopNumbering& given);

}  // namespace mqt
