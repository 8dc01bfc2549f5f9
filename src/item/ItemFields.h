// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

namespace mqt {

class Recordset;

// The ten item fields of the item screen, in the order of its grid columns,
// its entry boxes, the record buffer and the last entry. Item column n of the
// criteria language is field n - 3.
struct ItemField {
    enum : int { ItemDesc, Category, Subcategory, CostPrice, SalePrice, DateAdded, DateSold, DatePaid, PayRef, Notes, Count };
};

using ItemRecord = std::array<QString, ItemField::Count>;

// The field names as the item table spells them.
QString ItemFieldName(int field);

// The current record of an item result as the screen shows it: empty text for
// null, prices with two decimals, dates in the short date form.
ItemRecord ReadItem(Recordset& items);

// Writes the entry into the item being added or edited, every field: the
// consignor's names, the description without surrounding blanks, the prices
// as the amounts their boxes hold (see ReadPriceEntry; blanks only is no
// price), and null for every empty box. A price box that holds no amount
// throws StoreError "Invalid Cost Price" or "Invalid Sale Price" (cost
// first) before anything is stored.
void WriteItem(Recordset& items, const QString& lastName, const QString& firstName, const ItemRecord& entry);

}  // namespace mqt
