// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ItemColumns.h"

#include <QString>

namespace mqt {

class Recordset;

// The item screen shows the item columns ItemDesc to Notes: ItemDesc to
// PayRef in its grid columns 0 to 8, with an entry box under each, and the
// notes in the notes box, marked "*" in the grid's last column.
//
// The grid column (and entry box) of an item column: the one place where
// the screen's places and the column names meet.
constexpr int ItemGridColumn(int column) { return column - ItemColumn::ItemDesc; }
// The entry boxes in the row under the grid, ItemDesc to PayRef.
inline constexpr int ItemEntryBoxCount = ItemGridColumn(ItemColumn::Notes);

// The field name of an item column as the item table spells it.
QString StoredFieldName(int column);

// The item screen's records (the record buffer, the last entry, the entry
// boxes' texts) are ItemColumnValues: one record by item column, as the
// criteria and the report read it.

// The current record of an item result as the screens show it, every column:
// empty text for null, prices with two decimals, dates in the short date
// form.
ItemColumnValues ReadItem(Recordset& items);

// Writes the entry (ItemDesc to Notes) into the item being added or edited,
// every field: the consignor's names, the description without surrounding
// blanks, the prices as the amounts their boxes hold (see ReadPriceEntry;
// blanks only is no price), and null for every empty box. A price box that
// holds no amount throws StoreError "Invalid Cost Price" or "Invalid Sale
// Price" (cost first) before anything is stored.
void WriteItem(Recordset& items, const QString& lastName, const QString& firstName, const ItemColumnValues& entry);

}  // namespace mqt
