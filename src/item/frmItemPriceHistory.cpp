// SPDX-License-Identifier: GPL-3.0-or-later
// The price history of a listed item, as the tooltip of its Sale Price cell:
// read when the pointer rests on the cell, not when the list is filled.

#include "item/frmItem.h"

#include "consignment/PriceHistory.h"
#include "item/ItemRecord.h"
#include "shell/Grid.h"
#include "shell/SharedValues.h"
#include "store/StoreError.h"

namespace mqt {

void frmItem::AddPriceHistoryNote()
{
    Grid_->SetCellNote([this](int row, int col) { return PriceHistoryNote(row, col); });
}

QString frmItem::PriceHistoryNote(int row, int col) const
{
    if (col != ItemGridColumn(ItemColumn::SalePrice) || row < 1 || row > int(ListedItemNos_.size())) return {};
    try {
        return PriceHistoryText(
            ReadPriceHistory(shared_.database.connection(), ListedItemNos_[std::size_t(row - 1)]));
    } catch (const StoreError&) {
        // A tooltip is no place for an error box: the next action that
        // reaches the database will say what is wrong.
        return {};
    }
}

}  // namespace mqt
