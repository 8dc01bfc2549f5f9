// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Connection.h"

#include <QString>

namespace mqt {

// Fills an empty shop database with made-up consignors and their items, the
// same every time: some items in stock, some sold, some sold and paid, and a
// few consignors renting space. For benchmarks and for trying the program.
void FillSampleShop(Connection& connection, int consignors, int items);

// Creates a new database file with the shop's tables, fills it as above and
// gives the open connection, for more rows of the caller's own.
Connection CreateSampleShop(const QString& path, int consignors, int items);

}  // namespace mqt
