// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace mqt {

class Connection;

// How an engine spells the sale tables' columns.
struct SaleColumnTypes {
    const char* integer;
    const char* text;
    // The sale number: a key the engine gives, never the same twice.
    const char* saleNumber;
    // A column that the engine puts before a payment's fields to tell its
    // rows apart, with its comma; empty where every row has a hidden id.
    const char* paymentRowId;
};

// Creates the counter's sales with their lines and payments, as schema
// version 2 has them: money in whole cents, times as ISO 8601 text.
//   sale (SaleNo, SoldAt, Kind "Sale" or "Return", TaxRate in thousandths of
//         a percent, Subtotal, Tax, Total, ChangeGiven)
//   sale_line (SaleNo, Line, ItemNo, LastName, FirstName, ItemDesc, Price,
//              Returned: the day the item came back, or null)
//   sale_payment (SaleNo, Kind, Amount)
void CreateSaleTables(Connection& connection, const SaleColumnTypes& types);

}  // namespace mqt
