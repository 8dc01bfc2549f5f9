// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Schema.h"

#include "store/ConsignmentTables.h"
#include "store/Connection.h"

#include <QStringList>

namespace mqt {

const FieldDefinition* TableDefinition::Find(const QString& fieldName) const
{
    for (const FieldDefinition& field : fields)
        if (field.name.compare(fieldName, Qt::CaseInsensitive) == 0) return &field;
    return nullptr;
}

const std::vector<TableDefinition>& Tables()
{
    using K = FieldKind;
    static const std::vector<TableDefinition> tables = {
        {QStringLiteral("params"),
         {{QStringLiteral("Commission"), K::Integer},
          {QStringLiteral("Rounding"), K::Real},
          {QStringLiteral("PriceOverride"), K::Boolean},
          {QStringLiteral("Backup"), K::Text},
          {QStringLiteral("ShopName"), K::Text, 1},
          {QStringLiteral("ShopAddress"), K::Text, 1},
          {QStringLiteral("TaxRate"), K::Real, 2},
          {QStringLiteral("TermDays"), K::Integer, ConsignmentPeriodVersion},
          {QStringLiteral("GraceDays"), K::Integer, ConsignmentPeriodVersion},
          {QStringLiteral("EndOfTerm"), K::Text, ConsignmentPeriodVersion}},
         {}},
        {QStringLiteral("consignor"),
         {{QStringLiteral("LastName"), K::Text},
          {QStringLiteral("FirstName"), K::Text},
          {QStringLiteral("Phone"), K::Text},
          {QStringLiteral("Email"), K::Text},
          {QStringLiteral("Street"), K::Text},
          {QStringLiteral("City"), K::Text},
          {QStringLiteral("State"), K::Text},
          {QStringLiteral("Zip"), K::Text},
          {QStringLiteral("Notes"), K::Text},
          {QStringLiteral("EndOfTerm"), K::Text, ConsignmentPeriodVersion}},
         {QStringLiteral("LastName"), QStringLiteral("FirstName")}},
        {QStringLiteral("item"),
         {{QStringLiteral("LastName"), K::Text},
          {QStringLiteral("FirstName"), K::Text},
          {QStringLiteral("ItemDesc"), K::Text},
          {QStringLiteral("Category"), K::Text},
          {QStringLiteral("Subcategory"), K::Text},
          {QStringLiteral("CostPrice"), K::Real},
          {QStringLiteral("SalePrice"), K::Real},
          {QStringLiteral("DateAdded"), K::Date},
          {QStringLiteral("DateSold"), K::Date},
          {QStringLiteral("DatePaid"), K::Date},
          {QStringLiteral("PayRef"), K::Text},
          {QStringLiteral("Notes"), K::Text},
          {QStringLiteral("ItemNo"), K::Integer, 1}},
         {QStringLiteral("LastName"), QStringLiteral("FirstName"), QStringLiteral("ItemDesc")}},
    };
    return tables;
}

const TableDefinition* FindTable(const QString& tableName)
{
    for (const TableDefinition& table : Tables())
        if (table.name.compare(tableName, Qt::CaseInsensitive) == 0) return &table;
    return nullptr;
}

namespace {

// Column types that every SQLite tool reads; dates are TEXT holding YYYY-MM-DD
// and booleans INTEGER holding 0 or 1.
QString SqlType(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Integer:
    case FieldKind::Boolean:
        return QStringLiteral("INTEGER");
    case FieldKind::Real:
        return QStringLiteral("REAL");
    case FieldKind::Text:
    case FieldKind::Date:
        break;
    }
    return QStringLiteral("TEXT");
}

}  // namespace

bool AddedByMigration(const FieldDefinition& field) { return field.since > 0; }

QStringList FieldNamesAt(const TableDefinition& table, int schemaVersion)
{
    QStringList names;
    for (const FieldDefinition& field : table.fields)
        if (field.since <= schemaVersion) names << field.name;
    return names;
}

void CreateSchema(Connection& connection)
{
    Transaction transaction(connection);
    CreateFirstTables(connection);
    transaction.Commit();
}

void CreateFirstTables(Connection& connection)
{
    for (const TableDefinition& table : Tables()) {
        QStringList columns;
        for (const FieldDefinition& field : table.fields)
            if (!AddedByMigration(field)) columns << field.name + u' ' + SqlType(field.kind);
        connection.Execute(QStringLiteral("CREATE TABLE %1 (%2)").arg(table.name, columns.join(QStringLiteral(", "))));
    }
    // Names are looked up without regard to case, per consignor and per item.
    for (const TableDefinition& table : Tables()) {
        if (table.namesIndex.isEmpty()) continue;
        QStringList columns;
        for (const QString& field : table.namesIndex) columns << field + QStringLiteral(" COLLATE NOCASE");
        connection.Execute(QStringLiteral("CREATE INDEX %1_names ON %1 (%2)")
                               .arg(table.name, columns.join(QStringLiteral(", "))));
    }
}

const QStringList& ShopTableNames()
{
    static const QStringList names = {
        QStringLiteral("params"),       QStringLiteral("consignor"),    QStringLiteral("item"),
        QStringLiteral("sale"),         QStringLiteral("sale_line"),    QStringLiteral("sale_payment"),
        QStringLiteral("markdown"),     QStringLiteral("price_change"), QStringLiteral("item_left"),
        QStringLiteral("tag_price"),    QStringLiteral("consignment_pass")};
    return names;
}

}  // namespace mqt
