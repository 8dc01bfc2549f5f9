// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Amount.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace mqt {

class Connection;

// What a price tag shows of an item.
struct TagItem {
    std::int64_t itemNo = 0;
    QString description;
    QString category;
    std::optional<Amount> salePrice;  // none: left blank for a price by hand
    QDate dateAdded;                  // invalid when none
    bool sold = false;
};

// The items with those numbers, in the order given. Rent charges (category
// "$Rent") never get tags and are left out, as are numbers no item has.
std::vector<TagItem> ReadTagItems(const Connection& connection, std::span<const std::int64_t> itemNos);

// The numbers of a consignor's items added on the day, in the order they were
// stored, rent charges left out. Names compare as the screens compare them,
// without regard to case; the connection is the program's database.
std::vector<std::int64_t> ItemsAddedOn(const Connection& connection, const QString& lastName,
                                       const QString& firstName, const QDate& day);

// The unsold items whose price is no longer the one on their last printed tag
// (a markdown or a change since), by item number, rent charges left out.
std::vector<std::int64_t> ItemsRepricedSinceTagged(const Connection& connection);

// Notes the price each item's tag shows, once the tags are made, in one
// transaction of its own; an item without a price notes none.
void RecordTagPrices(Connection& connection, std::span<const TagItem> items);

}  // namespace mqt
