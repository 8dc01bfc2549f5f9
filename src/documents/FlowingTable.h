// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace mqt {

// One row of a table that flows over pages, in the device's units.
struct FlowRow {
    double height = 0;
    bool keepWithNext = false;  // a heading within the table: never last on a page
};

// Where the rows may go. Every page starts with its header and the table's
// column heading repeated; the rows go between that top and the bottom.
struct FlowFrame {
    double firstTop = 0;       // below the first page's header and column heading
    double laterTop = 0;       // below a later page's header and column heading
    double bottom = 0;         // above the page's footer
    double closingHeight = 0;  // what follows the last row (sums), kept whole
};

// The rows of each page, by index, and the page the closing part goes on.
struct FlowPages {
    std::vector<std::vector<int>> pages;
    int closingPage = 0;
};

// Lays the rows onto pages in order: as many as fit on each page, a row kept
// with the next moved on together with it, and the closing part after the
// last row, on a page of its own when it does not fit there. There is always
// at least one page.
FlowPages FlowTable(const std::vector<FlowRow>& rows, const FlowFrame& frame);

}  // namespace mqt
