// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace mqt {

class Connection;

// How many times a piece of work is run before another till's work beside it
// is given up on.
inline constexpr int SerializableAttempts = 3;

// Runs `work` in one serializable transaction and commits it, so that it
// cannot interleave with another till's serializable work on the same
// records. When the server ends the transaction because the two could not be
// fitted together, it is rolled back and `work` runs again from its start, up
// to SerializableAttempts runs in all; after that StoreError says that nothing
// was changed. `work` therefore reads inside itself everything it decides on,
// and keeps what it finds in values it sets afresh on every run. Other
// failures are thrown as they come, with the transaction rolled back.
void RunSerializable(Connection& connection, const std::function<void()>& work);

}  // namespace mqt
