// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/SaleMoney.h"

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <optional>

namespace mqt {

class Connection;

// An item brought back, as the cashier is asked to confirm it: the sale line
// it was sold on, the refund it gets and how the sale was paid.
struct PlannedReturn {
    std::int64_t itemNo = 0;
    std::int64_t itemVersion = 0;
    std::int64_t saleNo = 0;
    int line = 0;
    QString lastName, firstName, description;
    Cents price = 0;  // the line's price, positive
    Cents tax = 0;    // the tax given back with it, positive
    int taxRate = 0;
    // The way the sale was mostly paid: the refund's first choice.
    PayKind paidBy = PayKind::Cash;
    // The item's prices before the sale changed them at the counter, to be
    // put back; null where the sale kept the item's price.
    QVariant salePriceBefore, costPriceBefore;

    Cents Refund() const { return price + tax; }
};

struct ReturnPlan {
    std::optional<PlannedReturn> planned;
    QString refusal;
};

// What taking back the item of the typed number would do, or why it cannot
// come back: it was not sold at the counter, is already back, or its
// consignor has been paid for it. Nothing is written.
ReturnPlan PlanReturn(const Connection& connection, const QString& typed);

// The refund sale's number, or why nothing changed.
struct ReturnedItem {
    std::int64_t refundNo = 0;
    QString refusal;
};

// Takes the planned item back, in one transaction, while the item and its
// sale are still as planned: the item goes back on sale (DateSold cleared,
// the prices from before the sale put back), its sale line is marked
// returned that day, and a refund sale is recorded with the negative line,
// the planned tax and the refund paid out as `refundKind`, so the day's
// takings balance. Anything changed since the plan writes nothing.
ReturnedItem ReturnItem(Connection& connection, const PlannedReturn& planned, PayKind refundKind, const QDateTime& at);

}  // namespace mqt
