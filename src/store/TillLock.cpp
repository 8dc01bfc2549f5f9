// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/TillLock.h"

#include "store/Connection.h"

namespace mqt {

void HoldTillLock(Connection& connection, TillLock lock)
{
    if (!connection.IsServer()) return;
    Statement take(connection, QStringLiteral("SELECT pg_advisory_xact_lock(?)"));
    take.Bind(1, qint64(lock));
    take.Step();
}

}  // namespace mqt
