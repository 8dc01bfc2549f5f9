// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ConsignmentTables.h"

#include "store/Connection.h"
#include "store/Schema.h"

namespace mqt {

namespace {

struct TermColumn {
    const char* name;
    FieldKind kind;
    const char* tail;
};

constexpr TermColumn TermColumns[] = {
    {"FirstCents", FieldKind::Integer, ""},
    {"FirstShareCents", FieldKind::Integer, ""},
    {"MarkdownPercent", FieldKind::Integer, " NOT NULL DEFAULT 0"},
    {"NoMarkdown", FieldKind::Integer, " NOT NULL DEFAULT 0"},
    {"Status", FieldKind::Text, ""},
    {"StatusDate", FieldKind::Date, ""},
};

QString TypeOf(FieldKind kind, const ConsignmentColumnTypes& types)
{
    switch (kind) {
    case FieldKind::Integer:
    case FieldKind::Boolean:
        return QLatin1String(types.integer);
    case FieldKind::Real:
        return QLatin1String(types.real);
    case FieldKind::Date:
        return QLatin1String(types.date);
    case FieldKind::Text:
        break;
    }
    return QLatin1String(types.text);
}

// The columns of a returned or donated item: all it had in item.
QString ItemLeftColumns(const ConsignmentColumnTypes& types)
{
    QStringList columns;
    for (const FieldDefinition& field : FindTable(QStringLiteral("item"))->fields)
        columns << field.name + u' ' + TypeOf(field.kind, types);
    columns << RowVersionField + u' ' + QLatin1String(types.integer);
    for (const TermColumn& column : TermColumns)
        columns << QLatin1String(column.name) + u' ' + TypeOf(column.kind, types) + QLatin1String(column.tail);
    return columns.join(QStringLiteral(", "));
}

}  // namespace

const QStringList& ItemTermColumns()
{
    static const QStringList names = [] {
        QStringList all;
        for (const TermColumn& column : TermColumns) all << QLatin1String(column.name);
        return all;
    }();
    return names;
}

void AddConsignmentTables(Connection& connection, const ConsignmentColumnTypes& types)
{
    // The terms the shop and each consignor agreed on.
    for (const TableDefinition& table : Tables())
        for (const FieldDefinition& field : table.fields)
            if (field.since == ConsignmentPeriodVersion)
                connection.Execute(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                                       .arg(table.name, field.name, TypeOf(field.kind, types)));
    for (const TermColumn& column : TermColumns)
        connection.Execute(QStringLiteral("ALTER TABLE item ADD COLUMN %1 %2%3")
                               .arg(QLatin1String(column.name), TypeOf(column.kind, types), QLatin1String(column.tail)));
    const QString rowId = QLatin1String(types.rowId);
    const QString integer = QLatin1String(types.integer);
    const QString text = QLatin1String(types.text);
    const QString date = QLatin1String(types.date);
    connection.Execute(QStringLiteral("CREATE TABLE markdown (%1Category %2, Days %3 NOT NULL, Percent %3 NOT NULL)")
                           .arg(rowId, text, integer));
    connection.Execute(QStringLiteral("CREATE TABLE price_change (%1ItemNo %2 NOT NULL, ChangedAt %3 NOT NULL, "
                                      "OldCents %2, NewCents %2, Reason %3 NOT NULL)")
                           .arg(rowId, integer, text));
    connection.Execute(QStringLiteral("CREATE INDEX price_change_item ON price_change (ItemNo)"));
    connection.Execute(QStringLiteral("CREATE TABLE item_left (%1%2, LeftAs %3 NOT NULL, LeftOn %4 NOT NULL)")
                           .arg(rowId, ItemLeftColumns(types), text, date));
    connection.Execute(QStringLiteral("CREATE INDEX item_left_number ON item_left (ItemNo)"));
    connection.Execute(QStringLiteral("CREATE INDEX item_left_names ON item_left (LastName, FirstName)"));
    connection.Execute(QStringLiteral("CREATE TABLE tag_price (%1ItemNo %2 NOT NULL, Cents %2)").arg(rowId, integer));
    connection.Execute(QStringLiteral("CREATE UNIQUE INDEX tag_price_item ON tag_price (ItemNo)"));
    connection.Execute(QStringLiteral("CREATE TABLE consignment_pass (%1PassedOn %2, NextItemNo %3)")
                           .arg(rowId, date, integer));
    // The daily pass finds the unsold items that reach a markdown or their
    // term's end by their Date Added.
    connection.Execute(QStringLiteral("CREATE INDEX item_unsold_added ON item (DateAdded) WHERE DateSold IS NULL"));
    // An item's first prices are the ones it has now.
    connection.Execute(QStringLiteral(
        "UPDATE item SET FirstCents = CAST(round(SalePrice * 100) AS %1), "
        "FirstShareCents = CAST(round(CostPrice * 100) AS %1), RowVersion = RowVersion + 1 "
        "WHERE DateSold IS NULL AND SalePrice IS NOT NULL").arg(integer));
}

}  // namespace mqt
