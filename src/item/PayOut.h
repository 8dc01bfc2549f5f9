// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/ItemState.h"

#include <QDate>
#include <QMap>
#include <QString>
#include <cstdint>
#include <map>

namespace mqt {

class Connection;

// A pay-out of some of a consignor's payable items, as the item screen's
// Pay list showed them.
struct PayOutOrder {
    QDate datePaid;
    QString payRef;  // empty: none
    // Each chosen item by its number, as it was listed.
    std::map<std::int64_t, ItemState> items;
};

// What a pay-out did.
struct PaidOut {
    int paid = 0;
    // The chosen items left unpaid, counted by how they changed since they
    // were listed ("returned", "paid out": ChangeCounted).
    QMap<QString, int> skipped;
};

// Gives every chosen item the date paid and the pay reference (null when
// empty), all in one transaction, in item-number order. An item is paid only
// while it is still as it was listed and still sold and unpaid: one returned,
// paid, changed, moved or deleted since (at another till, or on another
// screen of this program) is left as it is and counted among the skipped, so
// no item is ever paid twice or paid unsold. Database failures throw, with
// nothing written.
PaidOut PayOut(Connection& connection, const PayOutOrder& order);

}  // namespace mqt
