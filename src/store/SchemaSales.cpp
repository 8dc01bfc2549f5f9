// SPDX-License-Identifier: GPL-3.0-or-later
// Schema version 2: the counter's sales, and the tax rate they are taxed at.
#include "store/MigrationSteps.h"

#include "store/Connection.h"

namespace mqt {

void AddSalesAndTaxRate(Connection& connection)
{
    connection.Execute(QStringLiteral("ALTER TABLE params ADD COLUMN TaxRate REAL"));
    connection.Execute(QStringLiteral(
        "CREATE TABLE sale (SaleNo INTEGER PRIMARY KEY AUTOINCREMENT, SoldAt TEXT NOT NULL, Kind TEXT NOT NULL, "
        "TaxRate INTEGER NOT NULL, Subtotal INTEGER NOT NULL, Tax INTEGER NOT NULL, Total INTEGER NOT NULL, "
        "ChangeGiven INTEGER NOT NULL DEFAULT 0)"));
    connection.Execute(QStringLiteral("CREATE INDEX sale_time ON sale (SoldAt)"));
    connection.Execute(QStringLiteral(
        "CREATE TABLE sale_line (SaleNo INTEGER NOT NULL REFERENCES sale (SaleNo), Line INTEGER NOT NULL, "
        "ItemNo INTEGER NOT NULL, LastName TEXT, FirstName TEXT, ItemDesc TEXT, Price INTEGER NOT NULL, "
        "Returned TEXT, PRIMARY KEY (SaleNo, Line))"));
    connection.Execute(QStringLiteral("CREATE INDEX sale_line_item ON sale_line (ItemNo)"));
    connection.Execute(QStringLiteral(
        "CREATE TABLE sale_payment (SaleNo INTEGER NOT NULL REFERENCES sale (SaleNo), Kind TEXT NOT NULL, "
        "Amount INTEGER NOT NULL)"));
    connection.Execute(QStringLiteral("CREATE INDEX sale_payment_sale ON sale_payment (SaleNo)"));
}

}  // namespace mqt
