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

Recordset::Recordset(Database& database, const TableDefinition* table, QStringList columns, bool versioned)
    : database_(&database), table_(table), columns_(std::move(columns)), versioned_(versioned)
{
}

int Recordset::ColumnIndex(const QString& name) const
{
    // A handful of columns: a plain scan beats hashing a lower-cased copy.
    for (int i = 0; i < columns_.size(); ++i)
        if (columns_[i].compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

void Recordset::AppendRow(std::int64_t rowId, std::int64_t version, std::vector<QVariant> values)
{
    rows_.push_back(Row{rowId, version, std::move(values), false});
}

std::int64_t Recordset::Version() const
{
    if (Eof() || rows_[position_].deleted) throw StoreError(QStringLiteral("No current record"));
    return rows_[position_].version;
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

void Recordset::Update() { Store(QString()); }

bool Recordset::UpdateWhile(const QString& condition)
{
    if (pending_ != Pending::Editing) throw StoreError(QStringLiteral("Update or CancelUpdate without Edit"));
    return Store(condition);
}

bool Recordset::Store(const QString& condition)
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
        return true;
    }

    Row& row = CurrentRow();
    if (changes.empty()) return true;
    QStringList assignments;
    for (const QString& name : names) assignments << name + QStringLiteral(" = ?");
    if (versioned_) assignments << QStringLiteral("%1 = %1 + 1").arg(RowVersionField);
    QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(table_->name, assignments.join(QStringLiteral(", ")));
    if (versioned_) sql += QStringLiteral(" AND %1 = ?").arg(RowVersionField);
    if (!condition.isEmpty()) sql += QStringLiteral(" AND (%1)").arg(condition);
    Statement update(connection, sql);
    int index = 1;
    for (const auto& change : changes) update.Bind(index++, change.second);
    update.Bind(index++, QVariant(qint64(row.rowId)));
    if (versioned_) update.Bind(index, QVariant(qint64(row.version)));
    update.Step();
    if (connection.Changes() != 1) {
        if (!condition.isEmpty() && !StillMeets(row, condition)) return false;
        throw RecordChanged();
    }
    ++row.version;
    for (const auto& [name, stored] : changes) {
        const int column = ColumnIndex(name);
        if (column >= 0) row.values[std::size_t(column)] = FromStorage(table_->Find(name), stored);
    }
    return true;
}

bool Recordset::StillMeets(const Row& row, const QString& condition)
{
    Statement meets(database_->connection(),
                    QStringLiteral("SELECT 1 FROM %1 WHERE rowid = ? AND (%2)").arg(table_->name, condition));
    meets.Bind(1, QVariant(qint64(row.rowId)));
    return meets.Step();
}

void Recordset::Delete()
{
    if (!table_) throw StoreError(QStringLiteral("This result cannot be changed"));
    Row& row = CurrentRow();
    pending_ = Pending::None;
    QString sql = QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(table_->name);
    if (versioned_) sql += QStringLiteral(" AND %1 = ?").arg(RowVersionField);
    Statement remove(database_->connection(), sql);
    remove.Bind(1, QVariant(qint64(row.rowId)));
    if (versioned_) remove.Bind(2, QVariant(qint64(row.version)));
    remove.Step();
    if (database_->connection().Changes() != 1) throw RecordChanged();
    row.deleted = true;
}

}  // namespace mqt
