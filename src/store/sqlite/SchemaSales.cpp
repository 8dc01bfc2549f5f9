// SPDX-License-Identifier: GPL-3.0-or-later
// Schema version 2 of a shop file: the counter's sales, and the tax rate
// they are taxed at. A server shop is made with them.
#include "store/MigrationSteps.h"

#include "store/Connection.h"
#include "store/SaleTables.h"

namespace mqt {

void AddSalesAndTaxRate(Connection& connection)
{
    connection.Execute(QStringLiteral("ALTER TABLE params ADD COLUMN TaxRate REAL"));
    CreateSaleTables(connection, {"INTEGER", "TEXT", "INTEGER PRIMARY KEY AUTOINCREMENT", ""});
}

}  // namespace mqt
