// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>

namespace mqt {

class Connection;

// The refund sale's number, or why nothing changed.
struct ReturnedItem {
    std::int64_t refundNo = 0;
    QString refusal;
};

// Takes back an item sold at the counter, by its number. While its consignor
// has not been paid for it, in one transaction: the item goes back on sale
// (DateSold cleared), its sale line is marked returned that day, and a refund
// sale is recorded with the negative line, the tax on it at the sale's rate
// and the refund paid out in cash, so the day's takings balance. An item the
// consignor has been paid for is refused; nothing changes.
ReturnedItem ReturnItem(Connection& connection, const QString& typed, const QDateTime& at);

}  // namespace mqt
