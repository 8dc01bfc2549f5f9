// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Recordset.h"

#include "common/Clock.h"
#include "store/Database.h"
#include "store/FieldValue.h"
#include "store/Connection.h"
#include "store/StoreError.h"

#include <QStringList>

namespace mqt {

QVariant Field::Value() const { return recordset_.Read(name_); }

void Field::SetValue(const QVariant& value) { recordset_.Write(name_, value); }

Recordset::Recordset(Database& database, const TableDefinition* table, QStringList columns)
    : database_(&database), table_(table), columns_(std::move(columns))
{
}

int Recordset::ColumnIndex(const QString& name) const
{
    // A handful of columns: a plain scan beats hashing a lower-cased copy.
    for (int i = 0; i < columns_.size(); ++i)
        if (columns_[i].compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

void Recordset::AppendRow(std::int64_t rowId, std::vector<QVariant> values)
{
    rows_.push_back(Row{rowId, std::move(values), false});
}

void Recordset::MoveNext()
{
    if (Eof()) throw StoreError(QStringLiteral("No current record"));
    ++position_;
}

Recordset::Row& Recordset::CurrentRow()
{
    if (Eof() || rows_[position_].deleted) throw StoreError(QStringLiteral("No current record"));
    return rows_[position_];
}

const QVariant& Recordset::ValueAt(int index) const
{
    if (Eof() || rows_[position_].deleted) throw StoreError(QStringLiteral("No current record"));
    if (index < 0 || index >= columns_.size()) throw StoreError(QStringLiteral("Item not found in this collection"));
    return rows_[position_].values[std::size_t(index)];
}

QVariant Recordset::Read(const QString& name) const
{
    const int column = ColumnIndex(name);
    if (column < 0)
        throw StoreError(QStringLiteral("Item not found in this collection: %1").arg(name));
    if (pending_ != Pending::None && table_) {
        if (const FieldDefinition* field = table_->Find(name)) {
            const auto changed = changes_.find(field->name);
            if (changed != changes_.end()) return FromStorage(field, changed->second);
            if (pending_ == Pending::Adding) return {};
        }
    }
    if (Eof() || rows_[position_].deleted) throw StoreError(QStringLiteral("No current record"));
    return rows_[position_].values[std::size_t(column)];
}

const FieldDefinition& Recordset::WritableField(const QString& name) const
{
    const FieldDefinition* field = table_ ? table_->Find(name) : nullptr;
    if (!field) throw StoreError(QStringLiteral("Item not found in this collection: %1").arg(name));
    return *field;
}

void Recordset::Write(const QString& name, const QVariant& value)
{
    if (pending_ == Pending::None) throw StoreError(QStringLiteral("Update or CancelUpdate without AddNew or Edit"));
    const FieldDefinition& field = WritableField(name);
    changes_[field.name] = ToStorage(field, value, database_->clock().Today());
}

void Recordset::AddNew()
{
    if (!table_) throw StoreError(QStringLiteral("This result cannot be changed"));
    pending_ = Pending::Adding;
    changes_.clear();
}

void Recordset::Edit()
{
    if (!table_) throw StoreError(QStringLiteral("This result cannot be changed"));
    CurrentRow();
    pending_ = Pending::Editing;
    changes_.clear();
}

void Recordset::Update()
{
    if (pending_ == Pending::None) throw StoreError(QStringLiteral("Update or CancelUpdate without AddNew or Edit"));
    const Pending pending = pending_;
    pending_ = Pending::None;
    std::map<QString, QVariant> changes;
    changes.swap(changes_);

    QStringList names;
    for (const auto& change : changes) names << change.first;
    Connection& connection = database_->connection();
    if (pending == Pending::Adding) {
        QString sql;
        if (names.isEmpty()) {
            sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table_->name);
        } else {
            QStringList marks;
            for (int i = 0; i < names.size(); ++i) marks << QStringLiteral("?");
            sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(table_->name, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
        }
        Statement insert(connection, sql);
        int index = 1;
        for (const auto& change : changes) insert.Bind(index++, change.second);
        insert.Step();
        return;
    }

    Row& row = CurrentRow();
    if (changes.empty()) return;
    QStringList assignments;
    for (const QString& name : names) assignments << name + QStringLiteral(" = ?");
    Statement update(connection, QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                                     .arg(table_->name, assignments.join(QStringLiteral(", "))));
    int index = 1;
    for (const auto& change : changes) update.Bind(index++, change.second);
    update.Bind(index, QVariant(qint64(row.rowId)));
    update.Step();
    for (const auto& [name, stored] : changes) {
        const int column = ColumnIndex(name);
        if (column >= 0) row.values[std::size_t(column)] = FromStorage(table_->Find(name), stored);
    }
}

void Recordset::Delete()
{
    if (!table_) throw StoreError(QStringLiteral("This result cannot be changed"));
    Row& row = CurrentRow();
    pending_ = Pending::None;
    Statement remove(database_->connection(), QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(table_->name));
    remove.Bind(1, QVariant(qint64(row.rowId)));
    remove.Step();
    row.deleted = true;
}

}  // namespace mqt
