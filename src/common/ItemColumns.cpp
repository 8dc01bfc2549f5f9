// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ItemColumns.h"

#include "common/SplitFields.h"

namespace mqt {

ItemColumnTable BuildItemColumns()
{
    ItemColumnTable table;
    const QString types = QStringLiteral("aaaaanndddaa");
    for (int i = 1; i <= types.size() && i <= ItemColumnTable::Count; ++i)
        table.ColumnTypes[std::size_t(i)] = types[i - 1].toUpper();

    QString names = QStringLiteral(
        "lastname,firstname,itemdesc,category,subcategory,costprice,saleprice,dateadded,datesold,datepaid,payref,notes");
    const QStringList fieldNames = SplitFields(names);
    for (int i = 1; i <= fieldNames.size() && i <= ItemColumnTable::Count; ++i)
        table.FieldNames[std::size_t(i)] = fieldNames[i - 1];

    QString headings = QStringLiteral(
        "Last name,First Name,Item Description,Category,Subcategory,Cost Price,Sale Price,Date added,Date Sold,"
        "Date Paid,Pay Ref");
    const QStringList columnHeadings = SplitFields(headings);
    for (int i = 1; i <= columnHeadings.size() && i <= ItemColumnTable::Count; ++i)
        table.ColumnHeadings[std::size_t(i)] = columnHeadings[i - 1];
    table.ReportColumnCount = int(columnHeadings.size());
    return table;
}

}  // namespace mqt
