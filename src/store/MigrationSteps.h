// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

namespace mqt {

class Connection;

// One step of the schema: what brings a file of version `version - 1` to
// `version`. It runs inside the migration's transaction and throws
// StoreError on failure.
struct MigrationStep {
    int version;
    void (*apply)(Connection& connection);
};

// Every step, in version order; the last one's version is the program's.
std::span<const MigrationStep> MigrationSteps();

// Version 1: item numbers (ItemNo, its unique index and the counter that
// never hands out a number twice) and the shop's name and address in params.
void AddItemNumbersAndShopAddress(Connection& connection);

}  // namespace mqt
