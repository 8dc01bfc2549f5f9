// SPDX-License-Identifier: GPL-3.0-or-later
// Schema version 4: a counter sale line whose price was changed at the
// counter keeps the item's prices from before the sale, as they were stored,
// so that a return puts them back.
#include "store/MigrationSteps.h"

#include "store/Connection.h"

namespace mqt {

namespace {

void AddColumns(Connection& connection, const QString& type)
{
    for (const char* field : {"SalePriceBefore", "CostPriceBefore"})
        connection.Execute(QStringLiteral("ALTER TABLE sale_line ADD COLUMN %1 %2").arg(QLatin1String(field), type));
}

}  // namespace

void AddPricesBeforeSale(Connection& connection) { AddColumns(connection, QStringLiteral("REAL")); }

void AddPricesBeforeSaleOnServer(Connection& connection) { AddColumns(connection, QStringLiteral("double precision")); }

}  // namespace mqt
