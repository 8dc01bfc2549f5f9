// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkout/ReturnItem.h"

#include "checkout/CounterLine.h"
#include "store/ItemNumbers.h"
#include "store/Connection.h"

namespace mqt {

namespace {

// The newest counter sale line of the item that has not come back yet.
struct SoldLine {
    std::int64_t saleNo = 0;
    int line = 0;
    Cents price = 0;
    int taxRate = 0;
    QString lastName, firstName, description;
};

std::optional<SoldLine> FindSoldLine(const Connection& connection, std::int64_t itemNo)
{
    Statement find(connection,
                   QStringLiteral("SELECT l.SaleNo, l.Line, l.Price, s.TaxRate, l.LastName, l.FirstName, l.ItemDesc "
                                  "FROM sale_line l JOIN sale s ON s.SaleNo = l.SaleNo "
                                  "WHERE l.ItemNo = ? AND s.Kind = 'Sale' AND l.Returned IS NULL "
                                  "ORDER BY l.SaleNo DESC LIMIT 1"));
    find.Bind(1, qint64(itemNo));
    if (!find.Step()) return std::nullopt;
    return SoldLine{find.ColumnInt64(0),          int(find.ColumnInt64(1)),    find.ColumnInt64(2),
                    int(find.ColumnInt64(3)),     find.Column(4).toString(),  find.Column(5).toString(),
                    find.Column(6).toString()};
}

}  // namespace

ReturnedItem ReturnItem(Connection& connection, const QString& typed, const QDateTime& at)
{
    const std::optional<std::int64_t> itemNo = ReadItemNumber(typed);
    if (!itemNo) return {0, QStringLiteral("Item number %1 is not known").arg(typed.trimmed())};
    const QString number = QString::number(*itemNo);
    const std::optional<SoldLine> sold = FindSoldLine(connection, *itemNo);
    if (!sold) return {0, QStringLiteral("Item %1 was not sold at the counter, or has been returned").arg(number)};

    Statement item(connection, QStringLiteral("SELECT DateSold, DatePaid FROM item WHERE ItemNo = ?"));
    item.Bind(1, qint64(*itemNo));
    if (!item.Step()) return {0, QStringLiteral("Item %1 is no longer in the shop's file").arg(number)};
    if (!item.Column(1).isNull())
        return {0, QStringLiteral("The consignor has been paid for item %1: it cannot be returned").arg(number)};
    if (item.Column(0).isNull()) return {0, QStringLiteral("Item %1 is already back on sale").arg(number)};

    Transaction transaction(connection);
    const QString day = at.date().toString(Qt::ISODate);
    Statement unsell(connection, QStringLiteral("UPDATE item SET DateSold = NULL "
                                                "WHERE ItemNo = ? AND DateSold IS NOT NULL AND DatePaid IS NULL"));
    unsell.Bind(1, qint64(*itemNo));
    unsell.Step();
    if (connection.Changes() != 1)
        return {0, QStringLiteral("Item %1 changed meanwhile: nothing was written").arg(number)};
    Statement mark(connection, QStringLiteral("UPDATE sale_line SET Returned = ? "
                                              "WHERE SaleNo = ? AND Line = ? AND Returned IS NULL"));
    mark.Bind(1, day);
    mark.Bind(2, qint64(sold->saleNo));
    mark.Bind(3, sold->line);
    mark.Step();
    if (connection.Changes() != 1)
        return {0, QStringLiteral("Item %1 changed meanwhile: nothing was written").arg(number)};

    const Cents subtotal = -sold->price;
    const Cents tax = TaxOn(subtotal, sold->taxRate);
    Statement head(connection, QStringLiteral("INSERT INTO sale (SoldAt, Kind, TaxRate, Subtotal, Tax, Total, "
                                              "ChangeGiven) VALUES (?, 'Return', ?, ?, ?, ?, 0) RETURNING SaleNo"));
    head.Bind(1, at.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")));
    head.Bind(2, sold->taxRate);
    head.Bind(3, qint64(subtotal));
    head.Bind(4, qint64(tax));
    head.Bind(5, qint64(subtotal + tax));
    head.Step();
    const std::int64_t refundNo = head.ColumnInt64(0);
    head.Reset();  // the insert is done: the transaction can end
    Statement line(connection, QStringLiteral("INSERT INTO sale_line (SaleNo, Line, ItemNo, LastName, FirstName, "
                                              "ItemDesc, Price) VALUES (?, 1, ?, ?, ?, ?, ?)"));
    line.Bind(1, qint64(refundNo));
    line.Bind(2, qint64(*itemNo));
    line.Bind(3, sold->lastName);
    line.Bind(4, sold->firstName);
    line.Bind(5, sold->description);
    line.Bind(6, qint64(subtotal));
    line.Step();
    Statement refund(connection, QStringLiteral("INSERT INTO sale_payment (SaleNo, Kind, Amount) VALUES (?, 'Cash', ?)"));
    refund.Bind(1, qint64(refundNo));
    refund.Bind(2, qint64(subtotal + tax));
    refund.Step();
    transaction.Commit();
    return {refundNo, {}};
}

}  // namespace mqt
