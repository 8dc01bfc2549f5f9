// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "utility/SafetyCopyCheck.h"
#include "utility/SafetyCopyNames.h"
#include "utility/ShopCopyTools.h"

#include <QString>
#include <memory>

namespace mqt {

class Connection;

// Safety copies: copies of the open shop in the folder "safety" of the shop
// folder, written and checked as its engine does (ShopBackend) before they
// take their name; a check that reads the whole copy runs, for the day's
// first copy, after the copy is named, beside the menu. They make a restore
// of the wrong day, a purge of paid items, and a damaged database
// reversible. Each new copy also removes the old ones (see
// SafetyCopiesToRemove).

// Start-up, right after the database is opened: the engine's start-up check.
// A damaged database throws StoreError naming the damage and the newest
// safety copy, and start-up ends with nothing written.
void CheckDatabaseAtStartUp(const Connection& connection, const QString& shopFolder);

// Start-up, once the database has shown that it is the shop's and before
// anything is written: the day's first safety copy. A copy that cannot be
// made is shown in the error box and start-up goes on: the shop must still be
// able to sell. The copy's full check is given back, to be started once the
// menu is shown (null when no copy was made); a copy that fails it is deleted
// and the error box says why.
std::unique_ptr<SafetyCopyCheck> MakeDailySafetyCopy(const ShopCopyTools& tools);

// Before a restore or a purge: makes a safety copy. When none can be made,
// tells the user why the step does not run and returns false.
bool SafetyCopyBefore(const ShopCopyTools& tools, SafetyReason reason);

}  // namespace mqt
