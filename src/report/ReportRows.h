// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/MoneySum.h"
#include "report/ReportSort.h"

#include <cstdint>
#include <functional>

namespace mqt {

enum class ReportRowKind { Detail, Subtotal, Total };

// What a report run shows: the sort column and the two check boxes.
struct ReportOptions {
    int sortColumn = 0;
    bool summary = false;  // subtotal rows only
    bool totals = false;   // detail rows with a subtotal after each group
};

// Turns the matching records of one run, in query order, into the report's
// rows: detail rows (unless Summary), a subtotal row after each group of
// consecutive records with the same GroupKey (with Summary or detail totals),
// and at the end a total row when anything matched. Subtotal and total rows
// hold the sums of cost and sale price (the shown two-decimal prices; an
// empty price counts 0) and the item count. Counts and sums are 64 bits wide;
// a sum that cannot be held shows "too large".
class ReportRows {
public:
    // Receives each row; it may take the texts out of the cells.
    using Sink = std::function<void(ReportRowKind, ReportCells&)>;

    ReportRows(const ReportOptions& options, const ItemColumnTable& columns, const QDate& today, Sink sink);

    // One matching record's column values.
    void Add(const ItemColumnValues& values);
    // After the last record: the last group's subtotal and the total row.
    void Finish();

    std::int64_t TotalCount() const { return totalCount_; }

private:
    bool Grouped() const { return options_.summary || options_.totals; }
    void AddSubtotal();
    void CarryOver();

    ReportOptions options_;
    const ItemColumnTable& columns_;
    QDate today_;
    Sink sink_;
    GroupKey groupKey_;
    MoneySum groupCost_, groupSale_, totalCost_, totalSale_;
    std::int64_t groupCount_ = 0;
    std::int64_t totalCount_ = 0;
    std::int64_t matchCount_ = 0;
};

}  // namespace mqt
