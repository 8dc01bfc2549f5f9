// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "item/ItemRecord.h"
#include "store/ItemState.h"

#include <QString>
#include <cstdint>

namespace mqt {

class DataControl;

// A sale of one of the listed consignor's items, as the item screen drives
// it: the item it read, and what it writes back.
struct ItemSale {
    QString lastName;  // the listed consignor
    QString firstName;
    QString itemDesc;  // the description as listed: the item is selected again by it
    std::int64_t itemNo = 0;
    ItemState read;  // the item as it was read for the sale
    // Every field, ItemDesc to Notes, as the screen shows them, with the
    // date sold.
    ItemColumnValues entry;
};

enum class SaleOutcome {
    Sold,
    // No item of the listed consignor has the description now, or another
    // item than the one read does.
    NotFound,
    // The item was written at another till or screen since it was read;
    // SaleResult::change says how.
    Changed,
    // The item was sold already when it was read, or was sold meanwhile.
    AlreadySold,
};

struct SaleResult {
    SaleOutcome outcome = SaleOutcome::Sold;
    ItemChange change = ItemChange::Other;  // with Changed
};

// Selects the item again on `items` (left as its current record) and stores
// the sale: every field as the entry holds it (WriteItem), but only while
// the item is still as it was read and unsold. Otherwise nothing is written
// and the outcome says why. An entry that cannot be stored (WriteItem) and
// database failures throw StoreError, with nothing written.
SaleResult SellItem(DataControl& items, const ItemSale& sale);

}  // namespace mqt
