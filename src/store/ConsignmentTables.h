// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace mqt {

class Connection;

// How an engine spells the consignment period's columns.
struct ConsignmentColumnTypes {
    const char* integer;
    const char* real;
    const char* text;
    const char* date;
    // The column that gives a new table's rows their identity, with its
    // comma; empty where every row has a hidden id.
    const char* rowId;
};

// What an item carries for its consignment period, beside the fields the
// screens show (no "select *" names them):
//   FirstCents, FirstShareCents  the sale price and share a markdown is taken
//                                off; null means the item's present ones
//   MarkdownPercent              the percent off that the prices stand at
//   NoMarkdown                   1 keeps the item out of every markdown
//   Status, StatusDate           empty, "ended" or "shop", and since when
const QStringList& ItemTermColumns();

// The item statuses.
inline const QString ItemEnded = QStringLiteral("ended");
inline const QString ItemShopStock = QStringLiteral("shop");

// The schema version that brings the consignment period.
inline constexpr int ConsignmentPeriodVersion = 5;

// Adds the terms' fields to params and consignor and ItemTermColumns to
// item, and creates the tables of schema version 5:
//   markdown (Category, empty for every category; Days; Percent)
//   price_change (ItemNo, ChangedAt, OldCents, NewCents, Reason)
//   item_left: an item that was returned or donated, with every column it
//              had in item and LeftAs ("returned" or "donated") and LeftOn
//   tag_price (ItemNo, Cents): the price on an item's last tag, apart from
//              the item so that making a tag changes no row an open screen
//              holds
//   consignment_pass (PassedOn, NextItemNo): the day of the last daily
//              pass and the first item number it had not seen; no row
//              before the first pass
// and the index on unsold items by Date Added that the daily pass reads.
void AddConsignmentTables(Connection& connection, const ConsignmentColumnTypes& types);

}  // namespace mqt
