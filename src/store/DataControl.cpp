#include "store/DataControl.h"

#include "common/Clock.h"
#include "store/Database.h"
#include "store/FieldValue.h"
#include "store/SqlDialect.h"
#include "store/Sqlite.h"
#include "store/StoreError.h"

namespace mqt {

namespace {

// The statement's fields after the row identity, and their definitions.
struct ResultColumns {
    QStringList names;
    std::vector<const FieldDefinition*> fields;
};

ResultColumns ColumnsOf(const Statement& statement, const TableDefinition* table)
{
    ResultColumns columns;
    for (int c = 1; c < statement.ColumnCount(); ++c) {
        columns.names << statement.ColumnName(c);
        columns.fields.push_back(table ? table->Find(columns.names.back()) : nullptr);
    }
    return columns;
}

// The current row's values, written over those of the row before.
void ReadRow(const Statement& statement, const ResultColumns& columns, std::vector<QVariant>& values)
{
    values.resize(columns.fields.size());
    for (std::size_t c = 0; c < columns.fields.size(); ++c)
        values[c] = FromStorage(columns.fields[c], statement.Column(int(c) + 1));
}

}  // namespace

void DataControl::Refresh()
{
    result_ = mqt::Recordset();
    if (!database_ || !database_->IsOpen()) throw StoreError(QStringLiteral("The database is not open"));
    const TranslatedSelect select = TranslateSelect(statement_, database_->clock().Today());
    const TableDefinition* table = FindTable(select.table);

    Statement statement(database_->connection(), select.sql);
    const ResultColumns columns = ColumnsOf(statement, table);
    mqt::Recordset result(*database_, table, columns.names);
    while (statement.Step()) {
        std::vector<QVariant> values;
        ReadRow(statement, columns, values);
        result.AppendRow(statement.ColumnInt64(0), std::move(values));
    }
    result_ = std::move(result);
}

void DataControl::Walk(const std::function<void(const mqt::Recordset&)>& visit)
{
    result_ = mqt::Recordset();
    if (!database_ || !database_->IsOpen()) throw StoreError(QStringLiteral("The database is not open"));
    const TranslatedSelect select = TranslateSelect(statement_, database_->clock().Today());
    const TableDefinition* table = FindTable(select.table);

    Statement statement(database_->connection(), select.sql);
    const ResultColumns columns = ColumnsOf(statement, table);
    mqt::Recordset record(*database_, table, columns.names);
    record.AppendRow(0, {});
    while (statement.Step()) {
        record.rows_[0].rowId = statement.ColumnInt64(0);
        ReadRow(statement, columns, record.rows_[0].values);
        visit(record);
    }
}

}  // namespace mqt
