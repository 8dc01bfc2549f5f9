// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checkout/CounterLine.h"

#include <vector>

namespace mqt {

class Connection;

// What a scan found: the item's line, or why it cannot go on the sale.
struct ScanResult {
    std::optional<CounterLine> line;
    QString refusal;
};

// Looks a scanned number up: an unknown number, an item that was returned or
// donated, an item already sold, a rent charge and an item already on this
// sale are refused, naming the number.
ScanResult ScanItem(const Connection& connection, const QString& typed, const std::vector<CounterLine>& onSale);

}  // namespace mqt
