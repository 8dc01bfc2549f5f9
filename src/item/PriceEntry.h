// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Amount.h"

#include <QString>
#include <optional>

namespace mqt {

// What a price box holds when an item is added or changed.
struct PriceEntry {
    bool valid = false;            // false: the text is not an amount
    std::optional<Amount> amount;  // empty for no price
};

// Reads a price box: empty or blanks only is no price; otherwise, once every
// "$" and blank is removed, an optional minus sign, digits with at most one
// decimal point and at most two decimals, below 100,000,000 in size. Anything
// else ("abc", "12,50", "1,250.00", "7 kg", "12.505", "1e19") is not valid.
PriceEntry ReadPriceEntry(const QString& text);

}  // namespace mqt
