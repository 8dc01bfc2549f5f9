// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace mqt {

// The items a consignor is owed for: the ones with a cost price (column 6),
// sold (column 9) and not yet paid (column 10). The pay-out lists them and
// the statement counts them as due.
inline QString PayableCriteria() { return QStringLiteral("6.NE.0,9.NE.NULL,10.EQ.NULL"); }

}  // namespace mqt
