// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkout/ReturnItem.h"

#include "store/Connection.h"
#include "store/ItemNumbers.h"
#include "store/RunSerializable.h"

#include <array>

namespace mqt {

namespace {

// Ends the return's transaction without writing.
struct ReturnRefused {
    QString reason;
};

// The newest counter sale line of the item that has not come back yet.
bool FindSoldLine(const Connection& connection, PlannedReturn& planned)
{
    Statement find(connection,
                   QStringLiteral("SELECT l.SaleNo, l.Line, l.Price, s.TaxRate, l.LastName, l.FirstName, l.ItemDesc, "
                                  "l.SalePriceBefore, l.CostPriceBefore "
                                  "FROM sale_line l JOIN sale s ON s.SaleNo = l.SaleNo "
                                  "WHERE l.ItemNo = ? AND s.Kind = 'Sale' AND l.Returned IS NULL "
                                  "ORDER BY l.SaleNo DESC LIMIT 1"));
    find.Bind(1, qint64(planned.itemNo));
    if (!find.Step()) return false;
    planned.saleNo = find.ColumnInt64(0);
    planned.line = int(find.ColumnInt64(1));
    planned.price = find.ColumnInt64(2);
    planned.taxRate = int(find.ColumnInt64(3));
    planned.lastName = find.Column(4).toString();
    planned.firstName = find.Column(5).toString();
    planned.description = find.Column(6).toString();
    planned.salePriceBefore = find.Column(7);
    planned.costPriceBefore = find.Column(8);
    return true;
}

// The line's share of the sale's tax, given the lines of the sale that came
// back before it.
void WorkOutTax(const Connection& connection, PlannedReturn& planned)
{
    Statement sale(connection, QStringLiteral("SELECT s.Tax, "
                                              "(SELECT coalesce(sum(Price), 0) FROM sale_line r "
                                              " WHERE r.SaleNo = s.SaleNo AND r.Returned IS NOT NULL), "
                                              "(SELECT count(*) FROM sale_line r "
                                              " WHERE r.SaleNo = s.SaleNo AND r.Returned IS NULL) "
                                              "FROM sale s WHERE s.SaleNo = ?"));
    sale.Bind(1, qint64(planned.saleNo));
    sale.Step();
    planned.tax = RefundTax(sale.ColumnInt64(0), planned.taxRate, sale.ColumnInt64(1), planned.price,
                            sale.ColumnInt64(2) == 1);
}

// The kind of payment that brought in the most of the sale, cash less the
// change given; cash on a tie.
PayKind MostlyPaidBy(const Connection& connection, std::int64_t saleNo)
{
    std::array<Cents, PayKindCount> paid{};
    Statement payments(connection, QStringLiteral("SELECT Kind, Amount FROM sale_payment WHERE SaleNo = ?"));
    payments.Bind(1, qint64(saleNo));
    while (payments.Step()) paid[std::size_t(PayKindOf(payments.Column(0).toString()))] += payments.ColumnInt64(1);
    Statement change(connection, QStringLiteral("SELECT ChangeGiven FROM sale WHERE SaleNo = ?"));
    change.Bind(1, qint64(saleNo));
    if (change.Step()) paid[std::size_t(PayKind::Cash)] -= change.ColumnInt64(0);
    int most = 0;
    for (int k = 1; k < PayKindCount; ++k)
        if (paid[std::size_t(k)] > paid[std::size_t(most)]) most = k;
    return PayKind(most);
}

ReturnPlan Plan(const Connection& connection, std::int64_t itemNo)
{
    PlannedReturn planned;
    planned.itemNo = itemNo;
    const QString number = QString::number(itemNo);
    if (!FindSoldLine(connection, planned))
        return {std::nullopt, QStringLiteral("Item %1 was not sold at the counter, or has been returned").arg(number)};

    Statement item(connection, QStringLiteral("SELECT DateSold, DatePaid, RowVersion FROM item WHERE ItemNo = ?"));
    item.Bind(1, qint64(itemNo));
    if (!item.Step()) return {std::nullopt, QStringLiteral("Item %1 is no longer in the shop's file").arg(number)};
    if (!item.Column(1).isNull())
        return {std::nullopt,
                QStringLiteral("The consignor has been paid for item %1: it cannot be returned").arg(number)};
    if (item.Column(0).isNull()) return {std::nullopt, QStringLiteral("Item %1 is already back on sale").arg(number)};
    planned.itemVersion = item.ColumnInt64(2);
    WorkOutTax(connection, planned);
    planned.paidBy = MostlyPaidBy(connection, planned.saleNo);
    return {planned, {}};
}

bool SamePlan(const PlannedReturn& a, const PlannedReturn& b)
{
    return a.itemVersion == b.itemVersion && a.saleNo == b.saleNo && a.line == b.line && a.price == b.price &&
           a.tax == b.tax;
}

// Item and sale as planned: read again in the transaction that writes.
ReturnRefused ChangedSincePlanned(std::int64_t itemNo)
{
    return {QStringLiteral("Item %1 or its sale changed at another till or screen since the return was asked: "
                           "nothing was written. Take it back again.")
                .arg(itemNo)};
}

void PutBackOnSale(Connection& connection, const PlannedReturn& planned)
{
    const bool pricesBack = !planned.salePriceBefore.isNull() || !planned.costPriceBefore.isNull();
    Statement unsell(connection, pricesBack ? QStringLiteral("UPDATE item SET DateSold = NULL, SalePrice = ?, "
                                                             "CostPrice = ? WHERE ItemNo = ? AND RowVersion = ?")
                                            : QStringLiteral("UPDATE item SET DateSold = NULL "
                                                             "WHERE ItemNo = ? AND RowVersion = ?"));
    int next = 1;
    if (pricesBack) {
        unsell.Bind(next++, planned.salePriceBefore);
        unsell.Bind(next++, planned.costPriceBefore);
    }
    unsell.Bind(next++, qint64(planned.itemNo));
    unsell.Bind(next, qint64(planned.itemVersion));
    unsell.Step();
    if (connection.Changes() != 1) throw ChangedSincePlanned(planned.itemNo);
}

std::int64_t WriteRefund(Connection& connection, const PlannedReturn& planned, PayKind refundKind, const QDateTime& at)
{
    Statement mark(connection, QStringLiteral("UPDATE sale_line SET Returned = ? "
                                              "WHERE SaleNo = ? AND Line = ? AND Returned IS NULL"));
    mark.Bind(1, at.date().toString(Qt::ISODate));
    mark.Bind(2, qint64(planned.saleNo));
    mark.Bind(3, planned.line);
    mark.Step();
    if (connection.Changes() != 1) throw ChangedSincePlanned(planned.itemNo);

    Statement head(connection, QStringLiteral("INSERT INTO sale (SoldAt, Kind, TaxRate, Subtotal, Tax, Total, "
                                              "ChangeGiven) VALUES (?, 'Return', ?, ?, ?, ?, 0) RETURNING SaleNo"));
    head.Bind(1, at.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")));
    head.Bind(2, planned.taxRate);
    head.Bind(3, qint64(-planned.price));
    head.Bind(4, qint64(-planned.tax));
    head.Bind(5, qint64(-planned.Refund()));
    head.Step();
    const std::int64_t refundNo = head.ColumnInt64(0);
    head.Reset();  // the insert is done: the transaction can end
    Statement line(connection, QStringLiteral("INSERT INTO sale_line (SaleNo, Line, ItemNo, LastName, FirstName, "
                                              "ItemDesc, Price) VALUES (?, 1, ?, ?, ?, ?, ?)"));
    line.Bind(1, qint64(refundNo));
    line.Bind(2, qint64(planned.itemNo));
    line.Bind(3, planned.lastName);
    line.Bind(4, planned.firstName);
    line.Bind(5, planned.description);
    line.Bind(6, qint64(-planned.price));
    line.Step();
    Statement refund(connection, QStringLiteral("INSERT INTO sale_payment (SaleNo, Kind, Amount) VALUES (?, ?, ?)"));
    refund.Bind(1, qint64(refundNo));
    refund.Bind(2, PayKindName(refundKind));
    refund.Bind(3, qint64(-planned.Refund()));  // paid out: negative, as the refund sale's total
    refund.Step();
    return refundNo;
}

}  // namespace

ReturnPlan PlanReturn(const Connection& connection, const QString& typed)
{
    const std::optional<std::int64_t> itemNo = ReadItemNumber(typed);
    if (!itemNo) return {std::nullopt, QStringLiteral("Item number %1 is not known").arg(typed.trimmed())};
    return Plan(connection, *itemNo);
}

ReturnedItem ReturnItem(Connection& connection, const PlannedReturn& planned, PayKind refundKind, const QDateTime& at)
{
    try {
        std::int64_t refundNo = 0;
        RunSerializable(connection, [&] {
            const ReturnPlan now = Plan(connection, planned.itemNo);
            if (!now.planned) throw ReturnRefused{now.refusal};
            if (!SamePlan(*now.planned, planned)) throw ChangedSincePlanned(planned.itemNo);
            PutBackOnSale(connection, planned);
            refundNo = WriteRefund(connection, planned, refundKind, at);
        });
        return {refundNo, {}};
    } catch (const ReturnRefused& refused) {
        return {0, refused.reason};
    }
}

}  // namespace mqt
