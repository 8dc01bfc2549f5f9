// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/PriceRule.h"
#include "common/SaleMoney.h"
#include "store/ItemState.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace mqt {

// One item on the sale being rung up.
struct CounterLine {
    std::int64_t itemNo = 0;
    QString lastName;
    QString firstName;
    QString description;
    Cents price = 0;
    // Set when the price was changed at the counter: the item's new sale
    // price and the consignor's share worked out from it, as the item's
    // price boxes show them.
    std::optional<PricePair> newPrices;
    // The item as it was when it was scanned: the sale is written only while
    // it is still so.
    ItemState scanned;

    QString ConsignorName() const { return lastName + QStringLiteral(", ") + firstName; }
    // An item taken in without a sale price is not sold for nothing: its
    // price has to be set at the counter first.
    bool NeedsPrice() const { return !newPrices && (scanned.salePrice.isNull() || price == 0); }
    // Why a sale holding this line cannot be taken yet.
    QString NoPriceText() const
    {
        return QStringLiteral("Item %1 has no price: select its line and press Change price").arg(itemNo);
    }
};

}  // namespace mqt
