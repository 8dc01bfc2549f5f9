// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/SaleTables.h"

#include "store/Connection.h"

namespace mqt {

void CreateSaleTables(Connection& connection, const SaleColumnTypes& types)
{
    const QString integer = QLatin1String(types.integer);
    const QString text = QLatin1String(types.text);
    connection.Execute(QStringLiteral("CREATE TABLE sale (SaleNo %1, SoldAt %2 NOT NULL, Kind %2 NOT NULL, "
                                      "TaxRate %3 NOT NULL, Subtotal %3 NOT NULL, Tax %3 NOT NULL, Total %3 NOT NULL, "
                                      "ChangeGiven %3 NOT NULL DEFAULT 0)")
                           .arg(QLatin1String(types.saleNumber), text, integer));
    connection.Execute(QStringLiteral("CREATE INDEX sale_time ON sale (SoldAt)"));
    connection.Execute(QStringLiteral("CREATE TABLE sale_line (SaleNo %1 NOT NULL REFERENCES sale (SaleNo), "
                                      "Line %1 NOT NULL, ItemNo %1 NOT NULL, LastName %2, FirstName %2, ItemDesc %2, "
                                      "Price %1 NOT NULL, Returned %2, PRIMARY KEY (SaleNo, Line))")
                           .arg(integer, text));
    connection.Execute(QStringLiteral("CREATE INDEX sale_line_item ON sale_line (ItemNo)"));
    connection.Execute(QStringLiteral("CREATE TABLE sale_payment (%1SaleNo %2 NOT NULL REFERENCES sale (SaleNo), "
                                      "Kind %3 NOT NULL, Amount %2 NOT NULL)")
                           .arg(QLatin1String(types.paymentRowId), integer, text));
    connection.Execute(QStringLiteral("CREATE INDEX sale_payment_sale ON sale_payment (SaleNo)"));
}

}  // namespace mqt
