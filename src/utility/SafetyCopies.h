// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "utility/SafetyCopyCheck.h"
#include "utility/SafetyCopyNames.h"

#include <QString>
#include <memory>

namespace mqt {

class SharedValues;

// Safety copies: copies of the open database in the folder "safety" of the
// program folder, made with the engine's online backup and checked with
// PRAGMA integrity_check before they take their name (the day's first copy
// after, beside the menu). They make a restore of the wrong day, a purge of
// paid items, and a damaged database reversible. Each new copy also removes
// the old ones (see SafetyCopiesToRemove). A server shop's copies are dumps
// made with pg_dump and checked at once with pg_restore --list.

// Start-up, right after the database is opened: PRAGMA quick_check. A
// damaged database throws StoreError naming the damage and the newest safety
// copy, and start-up ends with nothing written. A server shop is not checked:
// the server keeps its own pages.
void CheckDatabaseAtStartUp(SharedValues& shared);

// Start-up, once the database has shown that it is the shop's and before
// anything is written: the day's first safety copy. A copy that cannot be
// made is shown in the error box and start-up goes on: the shop must still be
// able to sell. The copy's full check is given back, to be started once the
// menu is shown (null when no copy was made); a copy that fails it is deleted
// and the error box says why.
std::unique_ptr<SafetyCopyCheck> MakeDailySafetyCopy(SharedValues& shared);

// The menu's Backup checks its copy too: PRAGMA integrity_check on the copy,
// opened read-only. Returns what is wrong with it, empty when it is sound.
QString DamageInCopy(const QString& copy);

// Before a restore or a purge: makes a safety copy. When none can be made,
// tells the user why the step does not run and returns false.
bool SafetyCopyBefore(SharedValues& shared, SafetyReason reason);

}  // namespace mqt
