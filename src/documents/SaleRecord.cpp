// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/SaleRecord.h"

#include "store/Connection.h"

namespace mqt {

std::optional<SaleRecord> ReadSale(const Connection& connection, std::int64_t saleNo)
{
    Statement head(connection, QStringLiteral("SELECT SoldAt, Kind, TaxRate, Subtotal, Tax, Total, ChangeGiven "
                                              "FROM sale WHERE SaleNo = ?"));
    head.Bind(1, qint64(saleNo));
    if (!head.Step()) return std::nullopt;
    SaleRecord sale;
    sale.saleNo = saleNo;
    sale.at = QDateTime::fromString(head.Column(0).toString(), Qt::ISODate);
    sale.refund = head.Column(1).toString() == u"Return";
    sale.taxRate = int(head.ColumnInt64(2));
    sale.subtotal = head.ColumnInt64(3);
    sale.tax = head.ColumnInt64(4);
    sale.total = head.ColumnInt64(5);
    sale.change = head.ColumnInt64(6);

    Statement lines(connection, QStringLiteral("SELECT ItemNo, LastName, FirstName, ItemDesc, Price, Returned "
                                               "FROM sale_line WHERE SaleNo = ? ORDER BY Line"));
    lines.Bind(1, qint64(saleNo));
    while (lines.Step())
        sale.lines.push_back({lines.ColumnInt64(0), lines.Column(1).toString() + QStringLiteral(", ") +
                                                        lines.Column(2).toString(),
                              lines.Column(3).toString(), lines.ColumnInt64(4), !lines.Column(5).isNull()});

    Statement payments(connection,
                       QStringLiteral("SELECT Kind, Amount FROM sale_payment WHERE SaleNo = ? ORDER BY rowid"));
    payments.Bind(1, qint64(saleNo));
    while (payments.Step()) sale.payments.push_back({PayKindOf(payments.Column(0).toString()), payments.ColumnInt64(1)});
    return sale;
}

QString SaleNumberText(std::int64_t saleNo) { return QStringLiteral("%1").arg(saleNo, 6, 10, QLatin1Char('0')); }

}  // namespace mqt
