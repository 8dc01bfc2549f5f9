// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

namespace mqt {

// The twelve item columns in their fixed order, numbered 1 to 12 (index 0 is
// not used): field name, heading (columns 1 to 11 only) and type letter,
// "A" text, "N" number, "D" date. The report works on the first
// ReportColumnCount columns; column 12, the notes, serves the criteria only.
struct ItemColumnTable {
    static constexpr int Count = 12;
    using TypeLetters = std::array<QChar, Count + 1>;
    std::array<QString, Count + 1> FieldNames;
    std::array<QString, Count + 1> ColumnHeadings;
    TypeLetters ColumnTypes{};
    int ReportColumnCount = 0;
};

// The twelve item columns by name, as the criteria language and the report
// number them. Code reads a column by its name, never by a bare number.
struct ItemColumn {
    enum : int {
        LastName = 1,
        FirstName,
        ItemDesc,
        Category,
        Subcategory,
        CostPrice,
        SalePrice,
        DateAdded,
        DateSold,
        DatePaid,
        PayRef,
        Notes,
    };
};
static_assert(ItemColumn::Notes == ItemColumnTable::Count);

// One item record's column values 1 to 12 as the screens show them: empty for
// a missing value, prices with two decimals, dates in the short date form.
using ItemColumnValues = std::array<QString, ItemColumnTable::Count + 1>;

// Builds the table from its three literals, once at start-up.
ItemColumnTable BuildItemColumns();

}  // namespace mqt
