// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkout/ScanItem.h"

#include "consignment/ItemsLeft.h"
#include "store/ItemNumbers.h"
#include "store/Connection.h"

#include <algorithm>

namespace mqt {

ScanResult ScanItem(const Connection& connection, const QString& typed, const std::vector<CounterLine>& onSale)
{
    const std::optional<std::int64_t> itemNo = ReadItemNumber(typed);
    if (!itemNo) return {std::nullopt, QStringLiteral("Item number %1 is not known").arg(typed.trimmed())};
    const QString number = QString::number(*itemNo);
    if (std::any_of(onSale.begin(), onSale.end(), [&](const CounterLine& line) { return line.itemNo == *itemNo; }))
        return {std::nullopt, QStringLiteral("Item %1 is already on this sale").arg(number)};

    Statement item(connection, QStringLiteral("SELECT LastName, FirstName, ItemDesc, Category, SalePrice, DateSold, "
                                              "RowVersion, CostPrice FROM item WHERE ItemNo = ?"));
    item.Bind(1, qint64(*itemNo));
    if (!item.Step()) {
        // An item that went back to its consignor or to charity may still
        // carry its tag.
        if (const std::optional<ItemLeft> left = FindItemLeft(connection, *itemNo))
            return {std::nullopt, ItemLeftSentence(*left)};
        return {std::nullopt, QStringLiteral("Item number %1 is not known").arg(number)};
    }
    if (item.Column(3).toString() == u"$Rent")
        return {std::nullopt, QStringLiteral("Item %1 is a rent charge, not an item for sale").arg(number)};
    if (!item.Column(5).isNull()) return {std::nullopt, QStringLiteral("Item %1 is already sold").arg(number)};

    CounterLine line;
    line.itemNo = *itemNo;
    line.lastName = item.Column(0).toString();
    line.firstName = item.Column(1).toString();
    line.description = item.Column(2).toString();
    line.price = CentsOfPrice(item.Column(4).toDouble());
    line.scanned = ItemState{item.ColumnInt64(6), line.lastName, line.firstName, false, false, item.Column(7),
                             item.Column(4)};
    return {line, {}};
}

}  // namespace mqt
