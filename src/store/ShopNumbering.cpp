// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ShopNumbering.h"

#include "store/Connection.h"
#include "store/ShopBackend.h"

namespace mqt {

ShopNumbering ReadNumbering(const Connection& connection) { return connection.Backend()->ReadNumbering(connection); }

void ContinueNumbering(Connection& connection, const ShopNumbering& numbering)
{
    connection.Backend()->ContinueNumbering(connection, numbering);
}

}  // namespace mqt
