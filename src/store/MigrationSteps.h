// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

namespace mqt {

class Connection;

// One step of the schema: what brings a shop of version `version - 1` to
// `version`, on a file and on a server. It runs inside the migration's
// transaction and throws StoreError on failure. A server database is made at
// ServerBaseVersion at least, so the steps up to it have no server part.
struct MigrationStep {
    int version;
    void (*apply)(Connection& connection);
    void (*applyOnServer)(Connection& connection);
};

// The version from which the first tables' rows carry RowVersion.
inline constexpr int RowVersionsSince = 3;

// The version a new server database is made at before the steps after it run.
inline constexpr int ServerBaseVersion = 2;

// Every step, in version order; the last one's version is the program's.
std::span<const MigrationStep> MigrationSteps();

// Version 1: item numbers (ItemNo, its unique index and the counter that
// never hands out a number twice) and the shop's name and address in params.
void AddItemNumbersAndShopAddress(Connection& connection);

// Version 2: the counter's sales tax rate in params (TaxRate, a percent) and
// the sales with their lines and payments (see SaleTables.h). Sale numbers
// are never given twice, even after the newest sale is deleted.
void AddSalesAndTaxRate(Connection& connection);

// Version 3: RowVersion on params, consignor and item (see Schema.h), kept
// by a trigger on each table.
void AddRowVersions(Connection& connection);
void AddRowVersionsOnServer(Connection& connection);

// Version 4: sale_line's SalePriceBefore and CostPriceBefore, the item's
// prices as stored before a sale that changed them at the counter; null
// where the line kept the item's price.
void AddPricesBeforeSale(Connection& connection);
void AddPricesBeforeSaleOnServer(Connection& connection);

// Version 5: the consignment period (see ConsignmentTables.h).
void AddConsignmentPeriod(Connection& connection);
void AddConsignmentPeriodOnServer(Connection& connection);

}  // namespace mqt
