// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkout/CompleteSale.h"

#include "common/Val.h"
#include "consignment/PriceHistory.h"
#include "store/Connection.h"
#include "store/ItemState.h"
#include "store/RunSerializable.h"

#include <algorithm>

namespace mqt {

namespace {

QString TimeText(const QDateTime& at) { return at.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")); }

// Ends the sale's transaction without writing: a line's item is no longer as
// it was scanned.
struct LineRefused {
    QString reason;
};

// Marks every line's item sold, in item-number order, so that two tills
// selling some of the same items take their rows in the same order and never
// wait for each other in a circle.
void MarkItemsSold(Connection& connection, const SaleToComplete& sale)
{
    std::vector<const CounterLine*> lines;
    for (const CounterLine& line : sale.lines) lines.push_back(&line);
    std::sort(lines.begin(), lines.end(), [](const CounterLine* a, const CounterLine* b) { return a->itemNo < b->itemNo; });

    const QString day = sale.at.date().toString(Qt::ISODate);
    Statement sold(connection, QStringLiteral("UPDATE item SET DateSold = ? "
                                              "WHERE ItemNo = ? AND DateSold IS NULL AND RowVersion = ?"));
    Statement repriced(connection, QStringLiteral("UPDATE item SET DateSold = ?, SalePrice = ?, CostPrice = ? "
                                                  "WHERE ItemNo = ? AND DateSold IS NULL AND RowVersion = ?"));
    for (const CounterLine* line : lines) {
        Statement& update = line->newPrices ? repriced : sold;
        update.Reset();
        update.Bind(1, day);
        int next = 2;
        if (line->newPrices) {
            update.Bind(next++, Val(line->newPrices->saleText));
            update.Bind(next++, Val(line->newPrices->costText));
        }
        update.Bind(next++, qint64(line->itemNo));
        update.Bind(next, qint64(line->scanned.version));
        update.Step();
        if (connection.Changes() == 1) {
            if (line->newPrices)
                RecordSalePriceChange(connection, line->itemNo, line->scanned.salePrice,
                                      Val(line->newPrices->saleText), sale.at, ChangedAtCounter);
            continue;
        }
        const QString how = ChangeSentence(HowItemChanged(line->scanned, ReadItemState(connection, line->itemNo)));
        throw LineRefused{QStringLiteral("Item %1 %2 at another till or screen since it was scanned: nothing was "
                                         "written. Remove its line and scan it again.")
                              .arg(line->itemNo)
                              .arg(how)};
    }
}

std::int64_t WriteSale(Connection& connection, const SaleToComplete& sale, const SaleSums& sums)
{
    Statement head(connection, QStringLiteral("INSERT INTO sale (SoldAt, Kind, TaxRate, Subtotal, Tax, Total, "
                                              "ChangeGiven) VALUES (?, 'Sale', ?, ?, ?, ?, ?) RETURNING SaleNo"));
    head.Bind(1, TimeText(sale.at));
    head.Bind(2, sale.taxRate);
    head.Bind(3, qint64(sums.subtotal));
    head.Bind(4, qint64(sums.tax));
    head.Bind(5, qint64(sums.total));
    head.Bind(6, qint64(sums.change));
    head.Step();
    const std::int64_t saleNo = head.ColumnInt64(0);
    head.Reset();  // the insert is done: the transaction can end

    Statement lineRow(connection, QStringLiteral("INSERT INTO sale_line (SaleNo, Line, ItemNo, LastName, FirstName, "
                                                 "ItemDesc, Price, SalePriceBefore, CostPriceBefore) "
                                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    int number = 0;
    for (const CounterLine& line : sale.lines) {
        lineRow.Reset();
        lineRow.Bind(1, qint64(saleNo));
        lineRow.Bind(2, ++number);
        lineRow.Bind(3, qint64(line.itemNo));
        lineRow.Bind(4, line.lastName);
        lineRow.Bind(5, line.firstName);
        lineRow.Bind(6, line.description);
        lineRow.Bind(7, qint64(line.price));
        // Prices changed at the counter: a return puts back the item's own.
        lineRow.Bind(8, line.newPrices ? line.scanned.salePrice : QVariant());
        lineRow.Bind(9, line.newPrices ? line.scanned.costPrice : QVariant());
        lineRow.Step();
    }
    Statement paymentRow(connection, QStringLiteral("INSERT INTO sale_payment (SaleNo, Kind, Amount) VALUES (?, ?, ?)"));
    for (const Payment& payment : sale.payments) {
        paymentRow.Reset();
        paymentRow.Bind(1, qint64(saleNo));
        paymentRow.Bind(2, PayKindName(payment.kind));
        paymentRow.Bind(3, qint64(payment.amount));
        paymentRow.Step();
    }
    return saleNo;
}

}  // namespace

CompletedSale CompleteSale(Connection& connection, const SaleToComplete& sale)
{
    std::vector<Cents> prices;
    for (const CounterLine& line : sale.lines) prices.push_back(line.price);
    const SaleSums sums = SumSale(prices, sale.taxRate, sale.payments);
    if (!sums.covered) return {0, QStringLiteral("The payments do not cover the total of %1").arg(FormatCents(sums.total))};
    for (const CounterLine& line : sale.lines)
        if (line.NeedsPrice()) return {0, line.NoPriceText()};

    try {
        std::int64_t saleNo = 0;
        RunSerializable(connection, [&] {
            MarkItemsSold(connection, sale);
            saleNo = WriteSale(connection, sale, sums);
        });
        return {saleNo, {}};
    } catch (const LineRefused& refused) {
        return {0, refused.reason};
    }
}

}  // namespace mqt
