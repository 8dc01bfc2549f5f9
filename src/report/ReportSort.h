// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ItemColumns.h"

#include <QDate>
#include <QString>
#include <array>
#include <variant>

namespace mqt {

// The report grid column that shows an item column, and the item column a
// grid column shows: the grid shows item columns LastName to PayRef in its
// columns 0 to 10, then "Count". The one place where the two meet.
constexpr int ReportGridColumn(int column) { return column - ItemColumn::LastName; }
constexpr int ReportItemColumn(int gridColumn) { return gridColumn + ItemColumn::LastName; }

// The report's twelve grid columns: item columns LastName to PayRef, then "Count".
inline constexpr int CountColumn = ReportGridColumn(ItemColumn::PayRef) + 1;
inline constexpr int ReportGridColumns = CountColumn + 1;
using ReportCells = std::array<QString, ReportGridColumns>;

// The grid column a click picks as the sort column: the "Count" column (and
// anything beyond the item columns) means the names.
int SortColumnFor(int clickedColumn, const ItemColumnTable& columns);

// The report's query: all items ordered by the sort column's field, and by
// first name after the last name.
QString ReportQuery(int sortColumn, const ItemColumnTable& columns);

// A record's value in the sort column, as compared for grouping: names as
// they are (letter case counts) and, for the last name, together with the
// first name, so groups are per consignor; other texts lower-cased; numbers
// by value (empty stays empty text, never equal to a number); dates by day,
// 1 January 1900 when empty or no date.
class GroupKey {
public:
    GroupKey() = default;
    GroupKey(const ItemColumnValues& values, int sortColumn, const ItemColumnTable& columns, const QDate& today);

    friend bool operator==(const GroupKey&, const GroupKey&) = default;

    // Shows the key in a subtotal row: in the sort column, or in the two name
    // columns when grouped by consignor.
    void WriteInto(ReportCells& cells, int sortColumn) const;

private:
    std::variant<QString, double, QDate> value_;
    QString firstName_;  // with the last name only
};

}  // namespace mqt
