// SPDX-License-Identifier: GPL-3.0-or-later
#include "item/PayOut.h"

#include "store/Connection.h"

namespace mqt {

PaidOut PayOut(Connection& connection, const PayOutOrder& order)
{
    PaidOut done;
    if (order.items.empty()) return done;
    Transaction transaction(connection);
    Statement pay(connection, QStringLiteral("UPDATE item SET DatePaid = ?, PayRef = ? WHERE ItemNo = ? AND "
                                             "RowVersion = ? AND DateSold IS NOT NULL AND DatePaid IS NULL"));
    pay.Bind(1, order.datePaid.toString(Qt::ISODate));
    pay.Bind(2, order.payRef.isEmpty() ? QVariant() : QVariant(order.payRef));
    for (const auto& [itemNo, listed] : order.items) {
        pay.Reset();
        pay.Bind(3, qint64(itemNo));
        pay.Bind(4, qint64(listed.version));
        pay.Step();
        if (connection.Changes() == 1) {
            ++done.paid;
            continue;
        }
        ++done.skipped[ChangeCounted(HowItemChanged(listed, ReadItemState(connection, itemNo)))];
    }
    transaction.Commit();
    return done;
}

}  // namespace mqt
