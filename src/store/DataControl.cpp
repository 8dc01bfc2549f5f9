// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/DataControl.h"

#include "common/Clock.h"
#include "store/Database.h"
#include "store/FieldValue.h"
#include "store/ShopBackend.h"
#include "store/SqlDialect.h"
#include "store/Connection.h"
#include "store/StoreError.h"

namespace mqt {

namespace {

// The statement's fields after the row identity and the row version, and
// their definitions.
struct ResultColumns {
    int first = 1;  // the statement's column of the first field
    QStringList names;
    std::vector<const FieldDefinition*> fields;
};

ResultColumns ColumnsOf(const Statement& statement, const TableDefinition* table, bool versioned)
{
    ResultColumns columns;
    columns.first = versioned ? 2 : 1;
    for (int c = columns.first; c < statement.ColumnCount(); ++c) {
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
        values[c] = FromStorage(columns.fields[c], statement.Column(int(c) + columns.first));
}

// A statement of the program's dialect, translated and prepared, with the
// table it reads and its result columns.
struct PreparedSelect {
    PreparedSelect(Database* database, const QString& sql, const QStringList& values)
        : select(Translated(database, sql, values)),
          table(FindTable(select.table)),
          statement(database->connection(), select.sql),
          columns(ColumnsOf(statement, table, select.versioned))
    {
        for (int i = 0; i < select.bindings.size(); ++i) statement.Bind(i + 1, select.bindings[i]);
    }

    static TranslatedSelect Translated(Database* database, const QString& sql, const QStringList& values)
    {
        if (!database || !database->IsOpen()) throw StoreError(QStringLiteral("The database is not open"));
        return TranslateSelect(sql, database->clock().Today(), values,
                               database->connection().Backend()->Dialect(),
                               database->SchemaVersion());
    }

    TranslatedSelect select;
    const TableDefinition* table;
    Statement statement;
    ResultColumns columns;
};

}  // namespace

void DataControl::Refresh()
{
    PreparedSelect prepared(database_, statement_, values_);
    Statement& statement = prepared.statement;
    const ResultColumns& columns = prepared.columns;
    mqt::Recordset result(*database_, prepared.table, columns.names, prepared.select.versioned);
    while (statement.Step()) {
        std::vector<QVariant> values;
        ReadRow(statement, columns, values);
        const std::int64_t version = columns.first > 1 ? statement.ColumnInt64(1) : 0;
        result.AppendRow(statement.ColumnInt64(0), version, std::move(values));
    }
    result_ = std::move(result);
}

void DataControl::Walk(const std::function<void(const mqt::Recordset&)>& visit)
{
    result_ = mqt::Recordset();
    PreparedSelect prepared(database_, statement_, values_);
    Statement& statement = prepared.statement;
    const ResultColumns& columns = prepared.columns;
    mqt::Recordset record(*database_, prepared.table, columns.names, prepared.select.versioned);
    record.AppendRow(0, 0, std::vector<QVariant>(columns.fields.size()));
    std::vector<QVariant>& values = record.rows_[0].values;
    // A text field that holds the same text as in the row before keeps its
    // value: sorted rows repeat names, so most of them are never converted.
    std::vector<std::string> lastText(columns.fields.size());
    std::vector<bool> repeatable(columns.fields.size());
    for (std::size_t c = 0; c < columns.fields.size(); ++c)
        repeatable[c] = columns.fields[c] && columns.fields[c]->kind == FieldKind::Text;
    while (statement.Step()) {
        record.rows_[0].rowId = statement.ColumnInt64(0);
        if (columns.first > 1) record.rows_[0].version = statement.ColumnInt64(1);
        for (std::size_t c = 0; c < columns.fields.size(); ++c) {
            const int column = int(c) + columns.first;
            // Values stored as text are read from their bytes, once.
            const std::optional<std::string_view> text = statement.ColumnUtf8(column);
            if (repeatable[c]) {
                if (text && *text == lastText[c] && values[c].typeId() == QMetaType::QString) continue;
                lastText[c].assign(text ? *text : std::string_view());
            }
            values[c] = text ? FromStoredText(columns.fields[c], *text)
                             : FromStorage(columns.fields[c], statement.Column(column));
        }
        visit(record);
    }
}

}  // namespace mqt
