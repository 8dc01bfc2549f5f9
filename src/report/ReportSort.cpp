// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportSort.h"

#include "common/DateText.h"
#include "common/Val.h"

namespace mqt {

namespace {

constexpr int LastNameColumn = 1;
constexpr int FirstNameColumn = 2;

}  // namespace

int SortColumnFor(int clickedColumn, const ItemColumnTable& columns)
{
    return clickedColumn < 0 || clickedColumn >= columns.ReportColumnCount ? 0 : clickedColumn;
}

QString ReportQuery(int sortColumn, const ItemColumnTable& columns)
{
    QString query = QStringLiteral("select * from item order by ") + columns.FieldNames[std::size_t(sortColumn + 1)] +
                    QStringLiteral(" asc");
    if (sortColumn == 0)
        query += QStringLiteral(", ") + columns.FieldNames[FirstNameColumn] + QStringLiteral(" asc");
    return query;
}

GroupKey::GroupKey(const ItemColumnValues& values, int sortColumn, const ItemColumnTable& columns, const QDate& today)
{
    const int k = sortColumn + 1;
    const QString& text = values[std::size_t(k)];
    switch (columns.ColumnTypes[std::size_t(k)].unicode()) {
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
        value_ = k > FirstNameColumn ? text.toLower() : text;
        if (k == LastNameColumn) firstName_ = values[FirstNameColumn];
        break;
    }
}

void GroupKey::WriteInto(ReportCells& cells, int sortColumn) const
{
    if (sortColumn == 0) {
        cells[0] = std::get<QString>(value_);
        cells[1] = firstName_;
    } else if (const auto* text = std::get_if<QString>(&value_)) {
        cells[std::size_t(sortColumn)] = *text;
    } else if (const auto* number = std::get_if<double>(&value_)) {
        cells[std::size_t(sortColumn)] = QString::number(*number);
    } else {
        cells[std::size_t(sortColumn)] = FormatShortDate(std::get<QDate>(value_));
    }
}

}  // namespace mqt
