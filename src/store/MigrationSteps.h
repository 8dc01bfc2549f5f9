// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

namespace mqt {

class Connection;

// One step of the schema: what brings a file of version `version - 1` to
// `version`. It runs inside the migration's transaction and throws
// StoreError on failure.
struct MigrationStep {
    int version;
    void (*apply)(Connection& connection);
};

// Every step, in version order; the last one's version is the program's.
std::span<const MigrationStep> MigrationSteps();

// Version 1: item numbers (ItemNo, its unique index and the counter that
// never hands out a number twice) and the shop's name and address in params.
void AddItemNumbersAndShopAddress(Connection& connection);

// Version 2: the counter's sales tax rate in params (TaxRate, a percent) and
// the sales with their lines and payments, money in whole cents, times as
// ISO 8601 text:
//   sale (SaleNo, SoldAt, Kind "Sale" or "Return", TaxRate in thousandths of
//         a percent, Subtotal, Tax, Total, ChangeGiven)
//   sale_line (SaleNo, Line, ItemNo, LastName, FirstName, ItemDesc, Price,
//              Returned: the day the item came back, or null)
//   sale_payment (SaleNo, Kind, Amount)
// Sale numbers are never given twice, even after the newest sale is deleted.
void AddSalesAndTaxRate(Connection& connection);

}  // namespace mqt
