// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportSort.h"

#include "common/DateText.h"
#include "common/Val.h"

namespace mqt {

int SortColumnFor(int clickedColumn, const ItemColumnTable& columns)
{
    if (clickedColumn < 0 || clickedColumn >= columns.ReportColumnCount) return ReportGridColumn(ItemColumn::LastName);
    return clickedColumn;
}

QString ReportQuery(int sortColumn, const ItemColumnTable& columns)
{
    const int column = ReportItemColumn(sortColumn);
    QString query =
        QStringLiteral("select * from item order by ") + columns.FieldNames[std::size_t(column)] + QStringLiteral(" asc");
    if (column == ItemColumn::LastName)
        query += QStringLiteral(", ") + columns.FieldNames[ItemColumn::FirstName] + QStringLiteral(" asc");
    return query;
}

GroupKey::GroupKey(const ItemColumnValues& values, int sortColumn, const ItemColumnTable& columns, const QDate& today)
{
    const int column = ReportItemColumn(sortColumn);
    const QString& text = values[std::size_t(column)];
    switch (columns.ColumnTypes[std::size_t(column)].unicode()) {
    case u'N':
        if (text.isEmpty())
            value_ = QString();
        else
            value_ = Val(text);
        break;
    case u'D': {
        const std::optional<DateValue> date = ReadDate(text, today);
        value_ = date ? date->date : QDate(1900, 1, 1);
        break;
    }
    default:
        value_ = column > ItemColumn::FirstName ? text.toLower() : text;
        if (column == ItemColumn::LastName) firstName_ = values[ItemColumn::FirstName];
        break;
    }
}

void GroupKey::WriteInto(ReportCells& cells, int sortColumn) const
{
    if (ReportItemColumn(sortColumn) == ItemColumn::LastName) {
        cells[ReportGridColumn(ItemColumn::LastName)] = std::get<QString>(value_);
        cells[ReportGridColumn(ItemColumn::FirstName)] = firstName_;
    } else if (const auto* text = std::get_if<QString>(&value_)) {
        cells[std::size_t(sortColumn)] = *text;
    } else if (const auto* number = std::get_if<double>(&value_)) {
        cells[std::size_t(sortColumn)] = QString::number(*number);
    } else {
        cells[std::size_t(sortColumn)] = FormatShortDate(std::get<QDate>(value_));
    }
}

}  // namespace mqt
