// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ItemState.h"

#include "store/Connection.h"
#include "store/Recordset.h"
#include "store/ShopRows.h"

namespace mqt {

std::optional<ItemState> ReadItemState(const Connection& connection, std::int64_t itemNo)
{
    Statement item(connection, QStringLiteral("SELECT RowVersion, LastName, FirstName, DateSold, DatePaid, "
                                              "CostPrice, SalePrice FROM item WHERE ItemNo = ?"));
    item.Bind(1, qint64(itemNo));
    if (!item.Step()) return std::nullopt;
    return ItemState{item.ColumnInt64(0),      item.Column(1).toString(), item.Column(2).toString(),
                     !item.Column(3).isNull(), !item.Column(4).isNull(),  item.Column(5),
                     item.Column(6)};
}

ItemState ItemStateOf(const Recordset& item)
{
    const auto value = [&item](const char* name) { return item.ValueAt(item.FieldIndex(QLatin1String(name))); };
    return ItemState{item.Version(),
                     value("LastName").toString(),
                     value("FirstName").toString(),
                     !value("DateSold").isNull(),
                     !value("DatePaid").isNull(),
                     value("CostPrice"),
                     value("SalePrice")};
}

ItemChange HowItemChanged(const ItemState& before, const std::optional<ItemState>& now)
{
    if (!now) return ItemChange::Deleted;
    if (now->paid != before.paid) return now->paid ? ItemChange::PaidOut : ItemChange::PayOutUndone;
    if (now->sold != before.sold) return now->sold ? ItemChange::Sold : ItemChange::Returned;
    // Names are matched without regard to case everywhere.
    if (now->lastName.compare(before.lastName, Qt::CaseInsensitive) != 0 ||
        now->firstName.compare(before.firstName, Qt::CaseInsensitive) != 0)
        return ItemChange::Moved;
    if (!SameValue(now->salePrice, before.salePrice) || !SameValue(now->costPrice, before.costPrice))
        return ItemChange::Repriced;
    return ItemChange::Other;
}

QString ChangeSentence(ItemChange change)
{
    switch (change) {
    case ItemChange::Deleted: return QStringLiteral("was deleted");
    case ItemChange::PaidOut: return QStringLiteral("was paid out");
    case ItemChange::PayOutUndone: return QStringLiteral("had its pay-out undone");
    case ItemChange::Sold: return QStringLiteral("was sold");
    case ItemChange::Returned: return QStringLiteral("was returned");
    case ItemChange::Moved: return QStringLiteral("was renamed or moved to another consignor");
    case ItemChange::Repriced: return QStringLiteral("had its price changed");
    case ItemChange::Other: break;
    }
    return QStringLiteral("was changed");
}

QString ChangeCounted(ItemChange change)
{
    switch (change) {
    case ItemChange::Deleted: return QStringLiteral("deleted");
    case ItemChange::PaidOut: return QStringLiteral("paid out");
    case ItemChange::PayOutUndone: return QStringLiteral("pay-out undone");
    case ItemChange::Sold: return QStringLiteral("sold");
    case ItemChange::Returned: return QStringLiteral("returned");
    case ItemChange::Moved: return QStringLiteral("renamed or moved to another consignor");
    case ItemChange::Repriced: return QStringLiteral("price changed");
    case ItemChange::Other: break;
    }
    return QStringLiteral("changed");
}

}  // namespace mqt
