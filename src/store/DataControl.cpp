#include "store/DataControl.h"

#include "common/Clock.h"
#include "store/Database.h"
#include "store/FieldValue.h"
#include "store/SqlDialect.h"
#include "store/Sqlite.h"
#include "store/StoreError.h"

namespace mqt {

void DataControl::Refresh()
{
    result_ = mqt::Recordset();
    if (!database_ || !database_->IsOpen()) throw StoreError(QStringLiteral("The database is not open"));
    const TranslatedSelect select = TranslateSelect(statement_, database_->clock().Today());
    const TableDefinition* table = FindTable(select.table);

    Statement statement(database_->connection(), select.sql);
    const int columnCount = statement.ColumnCount();
    QStringList columns;
    std::vector<const FieldDefinition*> fields;
    for (int c = 1; c < columnCount; ++c) {
        columns << statement.ColumnName(c);
        fields.push_back(table ? table->Find(columns.back()) : nullptr);
    }
    mqt::Recordset result(*database_, table, columns);
    while (statement.Step()) {
        std::vector<QVariant> values;
        values.reserve(fields.size());
        for (int c = 1; c < columnCount; ++c) values.push_back(FromStorage(fields[std::size_t(c - 1)], statement.Column(c)));
        result.AppendRow(statement.ColumnInt64(0), std::move(values));
    }
    result_ = std::move(result);
}

}  // namespace mqt
