// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace mqt {

class Connection;

// The shop's tax rate in the params row, in thousandths of a percent
// (8.875% is 8875); a row without one has 0.
int ReadTaxRateSetting(const Connection& connection);
// Writes the rate into the first params row.
void WriteTaxRateSetting(const Connection& connection, int thousandths);

}  // namespace mqt
