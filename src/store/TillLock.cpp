// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/TillLock.h"

#include "store/Connection.h"
#include "store/ShopBackend.h"

namespace mqt {

void HoldTillLock(Connection& connection, TillLock lock) { connection.Backend()->HoldTillLock(connection, lock); }

}  // namespace mqt
