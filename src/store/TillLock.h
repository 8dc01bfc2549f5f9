// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace mqt {

class Connection;

// Work that only one till of a server shop may do at a time.
enum class TillLock : std::int64_t {
    // Charging the rent that has come due ("MQTRENT" in ASCII).
    Rent = 0x4D515452454E54,
};

// Inside a transaction: waits until no other till holds the lock and then
// holds it until the transaction ends, so the other tills' work under the
// same lock has been committed before this one reads anything. On a file the
// transaction's write lock already keeps every other program out.
void HoldTillLock(Connection& connection, TillLock lock);

}  // namespace mqt
