// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace mqt {

class Connection;

// The counter's tables, inside the caller's transaction: the shop's tax rate
// in params (TaxRate, a percent), and the sales with their lines and
// payments, money in whole cents, times as ISO 8601 text.
//   sale (SaleNo, SoldAt, Kind "Sale" or "Return", TaxRate in thousandths of
//         a percent, Subtotal, Tax, Total, ChangeGiven)
//   sale_line (SaleNo, Line, ItemNo, LastName, FirstName, ItemDesc, Price,
//              Returned: the day the item came back, or null)
//   sale_payment (SaleNo, Kind, Amount)
// Sale numbers are never given twice, even after the newest sale is deleted.
void AddSaleTables(Connection& connection);

}  // namespace mqt
