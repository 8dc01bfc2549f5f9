// SPDX-License-Identifier: GPL-3.0-or-later
#include "item/SellItem.h"

#include "item/ItemQueries.h"
#include "store/DataControl.h"

namespace mqt {

SaleResult SellItem(DataControl& items, const ItemSale& sale)
{
    // Another screen may have run a query on the items since the sale
    // began: the item is selected again right before the edit.
    Recordset& item = items.Query(SelectItem(sale.lastName, sale.firstName, sale.itemDesc));
    if (item.Eof() || item.Fields(QStringLiteral("ItemNo")).Value().toLongLong() != sale.itemNo)
        return {SaleOutcome::NotFound};
    // The entry holds every field as the item was read: writing it over a
    // sale or pay-out made since would undo it.
    const ItemState now = ItemStateOf(item);
    if (now.version != sale.read.version) return {SaleOutcome::Changed, HowItemChanged(sale.read, now)};
    item.Edit();
    WriteItem(item, sale.lastName, sale.firstName, sale.entry);
    // Another till may sell the item in the meantime: a sale is stored only
    // on an item that is still unsold.
    if (!item.UpdateWhile(QStringLiteral("DateSold IS NULL"))) return {SaleOutcome::AlreadySold};
    return {SaleOutcome::Sold};
}

}  // namespace mqt
