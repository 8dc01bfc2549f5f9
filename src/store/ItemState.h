// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>
#include <cstdint>
#include <optional>

namespace mqt {

class Connection;
class Recordset;

// What a write prepared from an earlier read of an item needs to know of it,
// to tell the user how it changed since.
struct ItemState {
    std::int64_t version = 0;
    QString lastName;
    QString firstName;
    bool sold = false;
    bool paid = false;
    QVariant costPrice;  // as stored
    QVariant salePrice;
};

// The item of that number as it is now; none when it is gone.
std::optional<ItemState> ReadItemState(const Connection& connection, std::int64_t itemNo);
// The current record of a result of every item field.
ItemState ItemStateOf(const Recordset& item);

// How an item changed between two reads of it, the first that applies.
enum class ItemChange { Deleted, PaidOut, PayOutUndone, Sold, Returned, Moved, Repriced, Other };

ItemChange HowItemChanged(const ItemState& before, const std::optional<ItemState>& now);
// The change as the end of "Item 8 ...": "was sold", "had its price changed".
QString ChangeSentence(ItemChange change);
// The change in a count of items: "sold", "price changed".
QString ChangeCounted(ItemChange change);

}  // namespace mqt
