// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace mqt {

class Connection;

// The consignor and description of the item with a number.
struct NumberedItem {
    std::int64_t itemNo = 0;
    QString lastName;
    QString firstName;
    QString itemDesc;
};

// The item with that number; none when no stored item has it.
std::optional<NumberedItem> FindItemNumber(const Connection& connection, std::int64_t itemNo);

// The number a text names: digits only, blanks around them allowed (what a
// barcode scanner types); none for anything else.
std::optional<std::int64_t> ReadItemNumber(const QString& text);

}  // namespace mqt
