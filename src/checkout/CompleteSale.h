// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checkout/CounterLine.h"

#include <QDateTime>
#include <vector>

namespace mqt {

class Connection;

struct SaleToComplete {
    QDateTime at;
    int taxRate = 0;  // thousandths of a percent
    std::vector<CounterLine> lines;
    std::vector<Payment> payments;
};

// The new sale's number, or why nothing was written.
struct CompletedSale {
    std::int64_t saleNo = 0;
    QString refusal;
};

// Writes the sale in one transaction: every line's item is marked sold that
// day at its line price, but only while it is still unsold and as it was
// scanned; the sale, its lines and its payments go into the sale tables.
// When any item was sold, changed or taken away meanwhile nothing is written
// and the refusal names it and how it changed. Work that another till's
// beside it made the server give up on runs again, as RunSerializable does.
// The payments must cover the total (SumSale), and every line needs a price
// (CounterLine::NeedsPrice). A line whose price was changed keeps the item's
// prices from before, and the change goes into the item's price history.
// Database failures throw, with nothing written.
CompletedSale CompleteSale(Connection& connection, const SaleToComplete& sale);

}  // namespace mqt
