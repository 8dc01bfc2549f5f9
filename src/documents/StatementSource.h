// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ItemColumns.h"
#include "documents/StatementContent.h"

#include <QDate>
#include <QString>

namespace mqt {

class Database;

// Reads one consignor's record and items for the statements, through a record
// source of its own, so the screens' record sources keep their results. The
// consignor is found by names as the item screen finds it. An item is payable
// when the item screen's Pay would list it: PayableCriteria() holds for it on
// the day `today`. Throws StoreError when the database fails.
ConsignorStatements ReadConsignorStatements(Database& database, const ItemColumnTable& columns, const QDate& today,
                                            const QString& lastName, const QString& firstName);

}  // namespace mqt
