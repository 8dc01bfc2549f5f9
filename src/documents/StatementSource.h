// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "documents/StatementContent.h"

#include <QString>

namespace mqt {

class SharedValues;

// Reads one consignor's record and items for the statements, through a record
// source of its own, so the screens' record sources keep their results. The
// consignor is found by names as the item screen finds it. An item is payable
// when the item screen's Pay would list it: the criteria
// "6.NE.0,9.NE.NULL,10.EQ.NULL" hold for it. Throws StoreError when the
// database fails.
ConsignorStatements ReadConsignorStatements(SharedValues& shared, const QString& lastName, const QString& firstName);

}  // namespace mqt
