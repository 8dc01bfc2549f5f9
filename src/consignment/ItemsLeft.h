// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/SaleMoney.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace mqt {

class Connection;

// The codes item_left.LeftAs holds.
inline const QString LeftReturned = QStringLiteral("returned");
inline const QString LeftDonated = QStringLiteral("donated");

// An item that went back to its consignor or to charity at its term's end.
struct ItemLeft {
    std::int64_t itemNo = 0;
    QString lastName;
    QString firstName;
    QString description;
    std::optional<Cents> price;  // the sale price; none when it has none
    QString leftAs;     // LeftReturned or LeftDonated
    QDate leftOn;
};

// The item of that number if it has left the shop; none when it has not.
std::optional<ItemLeft> FindItemLeft(const Connection& connection, std::int64_t itemNo);
// "Item 1042 was returned to its consignor on 3/1/2027",
// "Item 1042 was donated on 3/1/2027".
QString ItemLeftSentence(const ItemLeft& item);
// The consignor's items that left, by the day they left and their number;
// the names match ignoring letter case.
std::vector<ItemLeft> ReadItemsLeftOf(const Connection& connection, const QString& lastName, const QString& firstName);
// Gives the consignor's items that left the consignor's new names, inside
// the caller's transaction, as a rename does to the items in stock.
void RenameItemsLeft(Connection& connection, const QString& lastName, const QString& firstName,
                     const QString& newLastName, const QString& newFirstName);
// The items donated on the day, by consignor and number.
std::vector<ItemLeft> ReadDonatedOn(const Connection& connection, const QDate& day);

}  // namespace mqt
